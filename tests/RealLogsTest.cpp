// tests/RealLogsTest.cpp: every real log from the shared fixtures, through the converter and
// through the dialog's run, checked against what the rule must do rather than a frozen copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "conversion/FileLog.h"
#include "tests/LogOracle.h"
#include "tests/RecordingHost.h"
#include "tests/TestSupport.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> RealLogs() {
    std::vector<std::string> logs;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(HALVRIN_REAL_LOGS_DIR, error)) {
        std::string extension = entry.path().extension().string();
        if (extension == ".adi" || extension == ".adif") {
            logs.push_back(entry.path().filename().string());
        }
    }
    std::sort(logs.begin(), logs.end());
    return logs;
}

bool IsShaped(const std::string& name) {
    return name.size() > 9 && name.compare(name.size() - 9, 9, ".tavu.adi") == 0;
}

// The dialog's run: the dialog's own file setup, flushing every line.
std::string ConvertLikeTheDialog(const TempDir& dir, const std::string& log) {
    FileLogSource source(log);
    FileLogSink sink(dir / "dialog.adi", source, COutputFile::Flush::EveryLine);
    RecordingHost host;
    EXPECT_EQ(RunConversion(source, sink, host).outcome, RunOutcome::Converted);
    return ReadBytes(dir / "dialog.adi");
}

std::string ConvertWithTheConverter(const TempDir& dir, const std::string& log) {
    std::string command =
        "'" HALVRIN_CONVERT_PATH "' --quiet '" + log + "' '" + (dir / "converter.adi") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadBytes(dir / "converter.adi");
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
        lines.push_back(bytes.substr(at, end - at));
    }
    EXPECT_EQ(at, bytes.size()) << "every output line ends in CR LF";
    return lines;
}

class RealLog : public testing::TestWithParam<std::string> {};

TEST_P(RealLog, ConvertsAsTheRuleSays) {
    std::string log = std::string(HALVRIN_REAL_LOGS_DIR) + "/" + GetParam();
    std::string input = ReadBytes(log);
    TempDir dir;

    std::string output = ConvertWithTheConverter(dir, log);
    EXPECT_EQ(ConvertLikeTheDialog(dir, log), output) << "the dialog writes the same bytes";
    EXPECT_EQ(ReadBytes(log), input) << "the input is left as it was";

    std::vector<std::string> in = oracle::SplitLines(input);
    std::vector<std::string> out = SplitCrLf(output);
    ASSERT_EQ(out.size(), in.size()) << "one output line per input line";
    for (size_t i = 0; i < in.size(); ++i) {
        EXPECT_EQ(out[i], oracle::RewriteLine(in[i])) << "line " << i + 1;
        if (oracle::DeclaredLengthsHold(in[i])) {
            EXPECT_TRUE(oracle::DeclaredLengthsHold(out[i])) << "line " << i + 1;
        }
    }
    if (!IsShaped(GetParam())) {
        // The exporters' own files: nothing in them is a record line the rule may change.
        std::string sameWithCrLf;
        for (const std::string& line : in) {
            sameWithCrLf += line + "\r\n";
        }
        EXPECT_EQ(output, sameWithCrLf) << "byte-identical but for line ends";
    }
    std::string expected = ReadBytes(std::string(HALVRIN_EXPECTED_DIR) + "/" + GetParam());
    if (!expected.empty()) {
        EXPECT_EQ(output, expected) << "differs from the reviewed copy in tests/data/real";
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealLog, testing::ValuesIn(RealLogs()),
                         [](const auto& row) { return AsTestName(row.param); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealLog);

}  // namespace
