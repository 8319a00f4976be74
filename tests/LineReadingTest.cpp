// tests/LineReadingTest.cpp: splitting a file into lines, and counting them ahead of reading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CStdioFile.h"
#include "tests/TestSupport.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string bytes;
    Lines lines;
};
void PrintTo(const SplitCase& row, std::ostream* out) {
    *out << row.name;
}

const std::string kChunkFiller(65535, 'a');  // a CR at the end of the reader's first chunk
const std::string kLongLine(3 * 1024 * 1024 + 17, 'x');

const SplitCase kSplitCases[] = {
    {"empty file", "", {}},
    {"one line without line end", "abc", {"abc"}},
    {"LF", "a\nb\n", {"a", "b"}},
    {"CR LF", "a\r\nb\r\n", {"a", "b"}},
    {"mixed ends, last line unended", "a\r\nb\nc", {"a", "b", "c"}},
    {"empty lines are lines", "\n\r\n\n", {"", "", ""}},
    {"lone CR stays in the line", "a\rb\r\n", {"a\rb"}},
    {"only the CR next to LF goes", "a\r\r\n", {"a\r"}},
    {"CR at the very end stays", "a\r", {"a\r"}},
    {"only CRs", "\r\r\r", {"\r\r\r"}},
    {"NUL, Ctrl-Z and high bytes",
     "x\0y\x1Az\xFF\x80\r\n\x1A\n\0"s,
     {"x\0y\x1Az\xFF\x80"s, "\x1A", "\0"s}},
    {"CR and LF in different chunks", kChunkFiller + "\r\nend", {kChunkFiller, "end"}},
    {"line over a MiB", "head\r\n" + kLongLine + "\r\ntail", {"head", kLongLine, "tail"}},
};

class LineSplitting : public testing::TestWithParam<SplitCase> {};

// Every row is read with tiny chunks too, so line ends fall across chunk boundaries.
TEST_P(LineSplitting, ReadsEveryLineWhole) {
    const SplitCase& row = GetParam();
    TempDir dir;
    WriteBytes(dir / "in.adi", row.bytes);
    for (std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{7}, CStdioFile::kDefaultChunkSize}) {
        if (chunk < 64 && row.bytes.size() > 100000) {
            continue;
        }
        CStdioFile file(chunk);
        ASSERT_TRUE(file.Open((dir / "in.adi").c_str(), CStdioFile::modeRead));
        EXPECT_EQ(file.CountRemainingLines(), static_cast<std::int64_t>(row.lines.size()));

        Lines lines;
        CString line;
        while (file.ReadString(line)) {
            lines.emplace_back(line.View());
        }
        EXPECT_FALSE(file.ReadFailed());
        ASSERT_EQ(lines.size(), row.lines.size()) << "chunk " << chunk;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i], row.lines[i]) << "line " << i << ", chunk " << chunk;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LineSplitting, testing::ValuesIn(kSplitCases), RowName());

TEST(LineReading, ReportsAFileThatCannotBeOpened) {
    TempDir dir;
    CStdioFile file;
    EXPECT_FALSE(file.Open((dir / "missing.adi").c_str(), CStdioFile::modeRead));
    EXPECT_NE(file.LastError(), 0);
    CString line;
    EXPECT_FALSE(file.ReadString(line));
}

#ifndef _WIN32
TEST(LineReading, TellsAFailedReadFromTheEnd) {
    TempDir dir;
    CStdioFile file;
    ASSERT_TRUE(file.Open(dir.Path().c_str(), CStdioFile::modeRead)) << "a folder opens on Linux";
    CString line;
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_TRUE(file.ReadFailed());
    EXPECT_EQ(file.LastError(), EISDIR);
}
#endif

}  // namespace
