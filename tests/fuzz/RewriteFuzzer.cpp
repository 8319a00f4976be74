// tests/fuzz/RewriteFuzzer.cpp: RewriteTimeOn on any line gives what the independent statement
// of the rule gives: the line itself unless it begins with the marker and both time fields are
// well-formed and apart.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "conversion/TimeOnRewrite.h"
#include "tests/LogOracle.h"

namespace {

const std::string kRecordStart = "<STATION_CALLSIGN:5>OH1AA ";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // Half the inputs are given a record's start, so the rule's own paths are reached at once.
    std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        line = kRecordStart + line;
    }
    // A line read from a file never holds a line feed.
    std::replace(line.begin(), line.end(), '\n', ' ');

    CString input(line);
    CString output = RewriteTimeOn(input);
    std::string expected = oracle::RewriteLine(line);
    if (output.View() != expected || input.View() != line) {
        std::fprintf(stderr, "line:     [%s]\ngot:      [%s]\nexpected: [%s]\n", line.c_str(),
                     output.GetString(), expected.c_str());
        std::abort();
    }
    RecordScan scan = ScanRecordLine(input);
    if (scan.IsRewritable() && EndsBeforeItStarts(input, scan) && output.View() == line) {
        std::abort();  // a contact over midnight has different times, so its line must change
    }
    return 0;
}
