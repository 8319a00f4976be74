// tests/ConverterCliTest.cpp: halvrin-convert as a script would run it: options, files, exit
// codes and messages.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace {

namespace fs = std::filesystem;

const std::string kLog =
    "<ADIF_VER:5>3.1.4 <EOH>\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <TIME_ON:6>120000 <TIME_OFF:6>121500 <EOR>\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K1AB <TIME_ON:6>235900 <TIME_OFF:6>000100 <EOR>\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K2AB <TIME_ON:4>1200 <EOR>\n";
const std::string kConverted =
    "<ADIF_VER:5>3.1.4 <EOH>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <TIME_ON:6>121500 <TIME_OFF:6>121500 <EOR>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K1AB <TIME_ON:6>000100 <TIME_OFF:6>000100 <EOR>\r\n"
    "<STATION_CALLSIGN:5>OH1AA <CALL:4>K2AB <TIME_ON:4>1200 <EOR>\r\n";
const std::string kSummary =
    "4 lines, 2 records given their TIME_OFF, 1 record lines left unchanged";

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the converter with `arguments` (shell words) in `dir`.
Result Convert(const TempDir& dir, const std::string& arguments) {
    // Redirections among the arguments apply inside the braces, before the capture.
    std::string command = "cd '" + dir.Path().string() + "' && { '" HALVRIN_CONVERT_PATH "' " +
                          arguments + "; } >.stdout 2>.stderr";
    int status = std::system(command.c_str());
    Result result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir / ".stdout"),
                  ReadBytes(dir / ".stderr")};
    fs::remove(dir / ".stdout");
    fs::remove(dir / ".stderr");
    return result;
}

TEST(Converter, ConvertsTheDefaultFilesInTheCurrentFolder) {
    TempDir dir;
    WriteBytes(dir / "tavu2.adi", kLog);
    Result result = Convert(dir, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, kSummary + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadBytes(dir / "Tavu_to_Logger.adi"), kConverted);
    EXPECT_EQ(ReadBytes(dir / "tavu2.adi"), kLog);
}

TEST(Converter, TakesNamedFilesAndStandardStreams) {
    TempDir dir;
    WriteBytes(dir / "my log.adi", kLog);
    EXPECT_EQ(Convert(dir, "--quiet 'my log.adi' out.adi").exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "out.adi"), kConverted);

    Result piped = Convert(dir, "--quiet - - < 'my log.adi'");
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.out, kConverted);
    EXPECT_EQ(piped.err, "");

    Result toStdout = Convert(dir, "'my log.adi' -");
    EXPECT_EQ(toStdout.out, kConverted);
    EXPECT_EQ(toStdout.err, kSummary + "\n");
}

TEST(Converter, CheckListsWhatWouldChangeAndWritesNothing) {
    TempDir dir;
    WriteBytes(dir / "tavu2.adi", kLog);
    Result result = Convert(dir, "--check");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "line 2: TIME_ON 120000 -> 121500\n"
              "line 3: TIME_ON 235900 -> 000100  (TIME_OFF is earlier: crossed midnight UTC? "
              "QSO_DATE stays as it is)\n"
              "line 4: left unchanged: no <TIME_OFF field\n");
    EXPECT_EQ(result.err, kSummary +
                              "; 2 lines would change, 1 records have a TIME_OFF earlier than "
                              "their TIME_ON; nothing written\n");
    EXPECT_FALSE(Exists(dir / "Tavu_to_Logger.adi"));
}

TEST(Converter, AnswersHelpAndVersion) {
    TempDir dir;
    Result help = Convert(dir, "--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: halvrin-convert [OPTION]... [INPUT [OUTPUT]]\n", 0), 0u);
    Result version = Convert(dir, "--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "halvrin-convert " HALVRIN_VERSION "\n");
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

struct ExitCase {
    const char* name;
    std::string setUp;  // shell commands run in the folder first
    std::string arguments;
    int exitCode;
    std::string error;
};
void PrintTo(const ExitCase& row, std::ostream* out) {
    *out << row.name;
}

const ExitCase kExitCases[] = {
    {"unknown option", "", "--fast", 64, "halvrin-convert: unknown option '--fast' (see --help)\n"},
    {"three file names", "", "a b c", 64,
     "halvrin-convert: too many file names: give at most INPUT and OUTPUT (see --help)\n"},
    {"check with an output", "", "--check a b", 64,
     "halvrin-convert: --check writes nothing, so it takes no OUTPUT (see --help)\n"},
    {"missing input", "", "", 1,
     "halvrin-convert: cannot open 'tavu2.adi': No such file or directory\n"},
    {"input is a folder", "mkdir in", "in out.adi", 1,
     "halvrin-convert: cannot read 'in': Is a directory; no output kept\n"},
    {"output name taken by a folder", "mkdir Tavu_to_Logger.adi", "", 2,
     "halvrin-convert: cannot write 'Tavu_to_Logger.adi': Is a directory; no output kept\n"},
    {"output in a missing folder", "", "tavu2.adi none/out.adi", 2,
     "halvrin-convert: cannot write 'none/out.adi': No such file or directory; no output kept\n"},
    {"disk full", "", "tavu2.adi /dev/full", 2,
     "halvrin-convert: cannot write '/dev/full': No space left on device; no output kept\n"},
    {"output is the input", "", "tavu2.adi ./tavu2.adi", 2,
     "halvrin-convert: will not write './tavu2.adi': it is the input 'tavu2.adi' (the same file "
     "or a link to it)\n"},
    {"output is a hard link to the input", "ln tavu2.adi same.adi", "tavu2.adi same.adi", 2,
     "halvrin-convert: will not write 'same.adi': it is the input 'tavu2.adi' (the same file or "
     "a link to it)\n"},
    {"output is a symbolic link to the input", "ln -s tavu2.adi same.adi", "tavu2.adi same.adi", 2,
     "halvrin-convert: will not write 'same.adi': it is the input 'tavu2.adi' (the same file or "
     "a link to it)\n"},
    {"standard output is the input", "", "tavu2.adi - >>tavu2.adi", 2,
     "halvrin-convert: will not write standard output: it is the input 'tavu2.adi' (the same "
     "file or a link to it)\n"},
};

std::vector<std::string> FileNamesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ConverterExit : public testing::TestWithParam<ExitCase> {};

TEST_P(ConverterExit, SaysWhatFailedAndKeepsTheInput) {
    const ExitCase& row = GetParam();
    TempDir dir;
    if (row.name != std::string("missing input")) {
        WriteBytes(dir / "tavu2.adi", kLog);
    }
    if (!row.setUp.empty()) {
        ASSERT_EQ(std::system(("cd '" + dir.Path().string() + "' && " + row.setUp).c_str()), 0);
    }
    std::vector<std::string> namesBefore = FileNamesIn(dir);

    Result result = Convert(dir, row.arguments);

    EXPECT_EQ(result.exitCode, row.exitCode);
    EXPECT_EQ(result.err, row.error);
    if (Exists(dir / "tavu2.adi")) {
        EXPECT_EQ(ReadBytes(dir / "tavu2.adi"), kLog);
    }
    EXPECT_EQ(FileNamesIn(dir), namesBefore) << "no file is created or removed";
}

INSTANTIATE_TEST_SUITE_P(Failures, ConverterExit, testing::ValuesIn(kExitCases), RowName());

}  // namespace
