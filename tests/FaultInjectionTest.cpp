// tests/FaultInjectionTest.cpp: reads and writes that fail part-way, injected through the run's
// source and sink, and outputs that are the input under another name. Whatever fails, the input
// keeps its bytes and no incomplete output stays behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "conversion/Messages.h"
#include "tests/DialogFiles.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string Log(int lines) {
    std::string log = "<ADIF_VER:5>3.1.4 <EOH>\r\n";
    for (int i = 1; i < lines; ++i) {
        log += "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <TIME_ON:6>120000 <TIME_OFF:6>121500\r\n";
    }
    return log;
}

// The real file source, failing like a bad disk once `goodLines` lines have been read.
class FailingSource : public LogSource {
  public:
    FailingSource(FileLogSource& inner, int goodLines) : m_inner(inner), m_goodLines(goodLines) {}
    bool Open() override { return m_inner.Open(); }
    std::int64_t CountLines() override { return m_inner.CountLines(); }
    Read ReadLine(CString& line) override {
        return m_read++ < m_goodLines ? m_inner.ReadLine(line) : Read::Failed;
    }
    void Close() override { m_inner.Close(); }

  private:
    FileLogSource& m_inner;
    int m_goodLines;
    int m_read = 0;
};

// The real file sink, failing like a full disk once `goodLines` lines have been written.
class FailingSink : public LogSink {
  public:
    FailingSink(FileLogSink& inner, int goodLines) : m_inner(inner), m_goodLines(goodLines) {}
    bool Create() override { return m_inner.Create(); }
    bool WriteLine(const CString& line) override {
        return m_written++ < m_goodLines && m_inner.WriteLine(line);
    }
    bool Close() override { return m_inner.Close(); }
    void Discard() override { m_inner.Discard(); }

  private:
    FileLogSink& m_inner;
    int m_goodLines;
    int m_written = 0;
};

struct MidRunCase {
    const char* name;
    bool failRead;  // else the write fails
    int goodLines;
    RunOutcome outcome;
    const char* message;
};
void PrintTo(const MidRunCase& row, std::ostream* out) {
    *out << row.name;
}

const MidRunCase kMidRunCases[] = {
    {"read fails at once", true, 0, RunOutcome::InputNotRead, kInputUnreadableMessage},
    {"read fails after 37 lines", true, 37, RunOutcome::InputNotRead, kInputUnreadableMessage},
    {"read fails before the last line", true, 99, RunOutcome::InputNotRead,
     kInputUnreadableMessage},
    {"write fails at once", false, 0, RunOutcome::OutputNotWritten, kOutputUnwritableMessage},
    {"write fails after 37 lines", false, 37, RunOutcome::OutputNotWritten,
     kOutputUnwritableMessage},
    {"write fails on the last line", false, 99, RunOutcome::OutputNotWritten,
     kOutputUnwritableMessage},
};

class MidRunFailure : public testing::TestWithParam<MidRunCase> {};

TEST_P(MidRunFailure, TellsTheUserAndLeavesNoIncompleteOutput) {
    const MidRunCase& row = GetParam();
    DialogFiles files;
    std::string log = Log(100);
    WriteBytes(files.Input(), log);
    FailingSource failingSource(files.source, row.failRead ? row.goodLines : 1000);
    FailingSink failingSink(files.sink, row.failRead ? 1000 : row.goodLines);

    RunReport report = RunConversion(failingSource, failingSink, files.host);

    EXPECT_EQ(report.outcome, row.outcome);
    EXPECT_EQ(report.tally.lines, row.goodLines);
    ASSERT_GE(files.host.calls.size(), 2u);
    EXPECT_EQ(files.host.calls.end()[-2], std::string("message ") + row.message);
    EXPECT_EQ(files.host.calls.back(), "end");
    EXPECT_EQ(ReadBytes(files.Input()), log);
    EXPECT_FALSE(Exists(files.Output()));
}

INSTANTIATE_TEST_SUITE_P(Injected, MidRunFailure, testing::ValuesIn(kMidRunCases), RowName());

#ifdef _WIN32

// Windows names one file in ways the Linux tests cannot show: a hard link made by the system's
// own call, and a file another program holds with no sharing at all.
TEST(WindowsFiles, RefusesAnOutputThatIsAHardLinkToTheInput) {
    DialogFiles files;
    std::string log = Log(10);
    WriteBytes(files.Input(), log);
    ASSERT_TRUE(CreateHardLinkA(files.Output().c_str(), files.Input().c_str(), nullptr));

    // Refused either way: the input is open deny-write, and the link leads to the input.
    EXPECT_EQ(files.Go().outcome, RunOutcome::OutputNotWritten);
    EXPECT_EQ(ReadBytes(files.Input()), log);
    EXPECT_EQ(ReadBytes(files.Output()), log) << "the link is left alone";
}

TEST(WindowsFiles, RefusesAnInputAnotherProgramIsWriting) {
    DialogFiles files;
    WriteBytes(files.Input(), Log(10));
    HANDLE writer = CreateFileA(files.Input().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);

    EXPECT_EQ(files.Go().outcome, RunOutcome::InputNotOpened);
    CloseHandle(writer);
    EXPECT_FALSE(Exists(files.Output()));
}

TEST(WindowsFiles, LeavesAnOutputHeldByAnotherProgramUntouched) {
    DialogFiles files;
    WriteBytes(files.Input(), Log(10));
    WriteBytes(files.Output(), "held\r\n");
    HANDLE held =
        CreateFileA(files.Output().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    EXPECT_EQ(files.Go().outcome, RunOutcome::OutputNotWritten);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(files.Output()), "held\r\n");
}

#endif

}  // namespace
