// tests/ConversionRunTest.cpp: the whole run on real files: what the host is told, what is
// written, and that nothing is lost when a file fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "conversion/Messages.h"
#include "tests/DialogFiles.h"

namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

const std::string kCompleted = std::string("message ") + kCompletionMessage;
const std::string kMissing = std::string("message ") + kInputMissingMessage;
const std::string kUnreadable = std::string("message ") + kInputUnreadableMessage;
const std::string kUnwritable = std::string("message ") + kOutputUnwritableMessage;

const std::string kLog =
    "Tavu export\n"
    "<ADIF_VER:5>3.1.4 <EOH>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <TIME_ON:6>120000 <TIME_OFF:6>121500 <EOR>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K1AB <TIME_ON:6>235900 <TIME_OFF:4>0001 <EOR>\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K2AB <TIME_ON:6>1200";
const std::string kConverted =
    "Tavu export\r\n"
    "<ADIF_VER:5>3.1.4 <EOH>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <TIME_ON:6>121500 <TIME_OFF:6>121500 <EOR>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K1AB <TIME_ON:4>0001 <TIME_OFF:4>0001 <EOR>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K2AB <TIME_ON:6>1200\r\n";

TEST(ConversionRun, ConvertsAnEmptyFileToAnEmptyFile) {
    DialogFiles run;
    WriteBytes(run.Input(), "");
    EXPECT_EQ(run.Go().outcome, RunOutcome::Converted);
    EXPECT_EQ(run.host.calls, (Calls{"range 0", kCompleted, "end"}));
    ASSERT_TRUE(Exists(run.Output()));
    EXPECT_EQ(ReadBytes(run.Output()), "");
}

TEST(ConversionRun, WritesEveryLineWithCrLfAndRewritesOnlyRecords) {
    DialogFiles run;
    WriteBytes(run.Input(), kLog);
    RunReport report = run.Go();
    EXPECT_EQ(report.outcome, RunOutcome::Converted);
    EXPECT_EQ(run.host.calls, (Calls{"range 5", "progress 1", "progress 2", "progress 3",
                                     "progress 4", "progress 5", kCompleted, "end"}));
    EXPECT_EQ(ReadBytes(run.Output()), kConverted);
    EXPECT_EQ(ReadBytes(run.Input()), kLog);
    EXPECT_EQ(report.tally.lines, 5);
    EXPECT_EQ(report.tally.recordsGivenTimeOff, 2);
    EXPECT_EQ(report.tally.linesChanged, 2);
    EXPECT_EQ(report.tally.recordsLeftUnchanged, 1);
}

TEST(ConversionRun, ReportsProgressOnlyWhenTheBarWouldMove) {
    DialogFiles run;
    std::string log;
    for (int i = 0; i < 1000; ++i) {
        log += "<STATION_CALLSIGN:5>OH1AA <TIME_ON:6>120000 <TIME_OFF:6>121500\n";
    }
    WriteBytes(run.Input(), log);
    run.Go();
    EXPECT_EQ(run.host.calls.front(), "range 1000");
    const std::vector<std::int64_t>& positions = run.host.positions;
    ASSERT_FALSE(positions.empty());
    EXPECT_LE(positions.size(), 200u);
    EXPECT_EQ(positions.back(), 1000);
    for (size_t i = 1; i < positions.size(); ++i) {
        EXPECT_GE(positions[i] - positions[i - 1], 1000 / 200) << "report " << i;
    }
}

TEST(ConversionRun, ReplacesAnExistingOutputEntirely) {
    DialogFiles run;
    WriteBytes(run.Input(), "short\n");
    WriteBytes(run.Output(), std::string(10000, 'o'));
    EXPECT_EQ(run.Go().outcome, RunOutcome::Converted);
    EXPECT_EQ(ReadBytes(run.Output()), "short\r\n");
}

TEST(ConversionRun, MissingInputCreatesNothing) {
    DialogFiles run;
    EXPECT_EQ(run.Go().outcome, RunOutcome::InputNotOpened);
    EXPECT_EQ(run.host.calls, (Calls{kMissing, "end"}));
    EXPECT_FALSE(Exists(run.Output()));
}

TEST(ConversionRun, BuffersOutputWhenAskedAndWritesTheSameBytes) {
    DialogFiles run(COutputFile::Flush::WhenBufferFull);
    WriteBytes(run.Input(), kLog);
    EXPECT_EQ(run.Go().outcome, RunOutcome::Converted);
    EXPECT_EQ(ReadBytes(run.Output()), kConverted);
}

#ifndef _WIN32

// Each row breaks one file in its own way; in every case the input keeps its bytes, no
// incomplete output is left, and the user hears which file failed.
struct FailureCase {
    const char* name;
    void (*arrange)(const DialogFiles& run);
    std::string outputName;  // empty: the dialog's
    RunOutcome outcome;
    std::string message;
};
void PrintTo(const FailureCase& row, std::ostream* out) {
    *out << row.name;
}

const FailureCase kFailureCases[] = {
    {"output name taken by a folder",
     [](const DialogFiles& run) { fs::create_directory(run.Output()); }, "",
     RunOutcome::OutputNotWritten, kUnwritable},
    {"output in a missing folder", [](const DialogFiles&) {}, "no-such-folder/Tavu_to_Logger.adi",
     RunOutcome::OutputNotWritten, kUnwritable},
    {"disk full", [](const DialogFiles&) {}, "/dev/full", RunOutcome::OutputNotWritten,
     kUnwritable},
    {"output is a hard link to the input",
     [](const DialogFiles& run) { fs::create_hard_link(run.Input(), run.Output()); }, "",
     RunOutcome::OutputNotWritten, kUnwritable},
    {"output is a symbolic link to the input",
     [](const DialogFiles& run) { fs::create_symlink(run.Input(), run.Output()); }, "",
     RunOutcome::OutputNotWritten, kUnwritable},
};

class RunFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(RunFailure, KeepsTheInputAndLeavesNoIncompleteOutput) {
    const FailureCase& row = GetParam();
    DialogFiles run;
    WriteBytes(run.Input(), kLog);
    row.arrange(run);
    std::string outputName = row.outputName.empty() ? run.Output() : row.outputName;
    if (outputName.front() != '/') {
        outputName = run.dir / outputName;
    }
    auto outputBefore = fs::symlink_status(outputName).type();
    FileLogSink sink(outputName, run.source, COutputFile::Flush::EveryLine);

    RunReport report = RunConversion(run.source, sink, run.host);

    EXPECT_EQ(report.outcome, row.outcome);
    ASSERT_GE(run.host.calls.size(), 2u);
    EXPECT_EQ(run.host.calls.end()[-2], row.message);
    EXPECT_EQ(run.host.calls.back(), "end");
    EXPECT_EQ(ReadBytes(run.Input()), kLog);
    EXPECT_EQ(fs::symlink_status(outputName).type(), outputBefore)
        << "an output that could not be written is neither left behind nor destroyed";
}

INSTANTIATE_TEST_SUITE_P(Files, RunFailure, testing::ValuesIn(kFailureCases), RowName());

TEST(ConversionRun, InputThatOpensButCannotBeReadLeavesNoOutput) {
    DialogFiles run;
    fs::create_directory(run.Input());
    EXPECT_EQ(run.Go().outcome, RunOutcome::InputNotRead);
    EXPECT_EQ(run.host.calls.end()[-2], kUnreadable);
    EXPECT_FALSE(Exists(run.Output()));
}

#endif

}  // namespace
