// tests/HostileInputTest.cpp: the converter fed what no export holds: only CRs, only NULs,
// random bytes, a full disk part-way, and 200 MB with 16 MiB lines. It must not crash, must
// write what the rule says, and its memory must stay bounded by the longest line.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "tests/LogOracle.h"
#include "tests/TestSupport.h"

namespace {

struct Result {
    int exitCode;
    std::string err;
    long peakKiB;
};

Result Convert(const TempDir& dir, const std::string& input, const std::string& output) {
    std::string command = "/usr/bin/time -f %M -o '" + (dir / "peak") +
                          "' '" HALVRIN_CONVERT_PATH "' --quiet '" + input + "' '" + output +
                          "' 2>'" + (dir / "err") + "'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir / "err"),
            std::atol(ReadBytes(dir / "peak").c_str())};
}

std::string RandomBytes(size_t size, const std::string& alphabet, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = alphabet.empty() ? static_cast<char>(random() & 0xFF)
                                : alphabet[random() % alphabet.size()];
    }
    return bytes;
}

// Random pieces of real syntax, so the rule's own paths are taken too.
std::string RandomLogLike(size_t size, unsigned seed) {
    const std::string_view pieces[] = {"<STATION_CALLSIGN:5>OH1AA ",
                                       "\n<STATION_CALLSIGN",
                                       "<TIME_ON",
                                       "<TIME_OFF",
                                       ":6>",
                                       ":4>",
                                       ":6:T>",
                                       ":0>",
                                       "121500",
                                       "0130",
                                       "\r\n",
                                       "\r",
                                       "\n",
                                       "\x1A",
                                       std::string_view("\0", 1),
                                       "<",
                                       ">",
                                       ":",
                                       "9",
                                       "\xFF"};
    std::mt19937 random(seed);
    std::string bytes;
    while (bytes.size() < size) {
        bytes += pieces[random() % std::size(pieces)];
    }
    return bytes;
}

struct HostileCase {
    const char* name;
    std::string bytes;
};
void PrintTo(const HostileCase& row, std::ostream* out) {
    *out << row.name;
}

class HostileInput : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileInput, IsConvertedByTheRuleWithoutHarm) {
    TempDir dir;
    WriteBytes(dir / "in.adi", GetParam().bytes);
    Result result = Convert(dir, dir / "in.adi", dir / "out.adi");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(dir / "in.adi"), GetParam().bytes);
    EXPECT_TRUE(ReadBytes(dir / "out.adi") == oracle::ConvertedFile(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(Bytes, HostileInput,
                         testing::Values(HostileCase{"only CRs", std::string(1 << 20, '\r')},
                                         HostileCase{"only NULs", std::string(1 << 20, '\0')},
                                         HostileCase{"only LFs", std::string(1 << 20, '\n')},
                                         HostileCase{"random bytes", RandomBytes(4 << 20, "", 1)},
                                         HostileCase{"random line ends and tags",
                                                     RandomLogLike(4 << 20, 2)}),
                         RowName());

TEST(HostileOutput, DiskFullPartWayLeavesNothingBehind) {
    TempDir dir;
    std::string log = RandomLogLike(2 << 20, 3);
    WriteBytes(dir / "in.adi", log);
    Result result = Convert(dir, dir / "in.adi", "/dev/full");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
              "halvrin-convert: cannot write '/dev/full': No space left on device; no output "
              "kept\n");
    EXPECT_EQ(ReadBytes(dir / "in.adi"), log);
    EXPECT_TRUE(Exists("/dev/full"));
}

// 200 MB: ordinary records with a few 16 MiB comments among them.
class HugeLog {
  public:
    static constexpr size_t kLongLine = 16u << 20;

    std::string Line(size_t index) const {
        std::string record =
            "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <TIME_ON:6>120000 "
            "<TIME_OFF:6>" +
            std::to_string(100000 + index % 800000) + " ";
        size_t comment = index % 40000 == 7 ? kLongLine : 40;
        return record + "<COMMENT:" + std::to_string(comment) + ">" +
               std::string(comment, static_cast<char>('a' + index % 26)) + " <EOR>";
    }
    size_t Lines() const { return 400000; }
};

TEST(HugeInput, KeepsMemoryBoundedByTheLongestLine) {
    TempDir dir;
    HugeLog log;
    {
        std::ofstream out(dir / "in.adi", std::ios::binary);
        for (size_t i = 0; i < log.Lines(); ++i) {
            out << log.Line(i) << "\r\n";
        }
    }
    Result result = Convert(dir, dir / "in.adi", dir / "out.adi");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::printf("peak memory converting %zu lines of up to %zu MiB: %ld KiB\n", log.Lines(),
                HugeLog::kLongLine >> 20, result.peakKiB);
    EXPECT_LT(result.peakKiB, static_cast<long>(4 * HugeLog::kLongLine / 1024 + 8 * 1024))
        << "peak memory, KiB";

    std::ifstream out(dir / "out.adi", std::ios::binary);
    std::string got;
    for (size_t i = 0; i < log.Lines(); ++i) {
        std::string expected = oracle::RewriteLine(log.Line(i)) + "\r\n";
        got.resize(expected.size());
        out.read(got.data(), static_cast<std::streamsize>(got.size()));
        ASSERT_TRUE(got == expected) << "line " << i + 1;
    }
    EXPECT_EQ(out.peek(), std::char_traits<char>::eof()) << "nothing after the last line";
}

}  // namespace
