// tests/LogOracle.h: what a converted log must look like, worked out independently of the code
// under test, for the real-log tests and the fuzzers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace oracle {

// Lines as the converter reads them: ending at LF, one CR before the LF dropped, a last line
// without LF kept.
std::vector<std::string> SplitLines(std::string_view bytes);

// The line the rule gives for `line`.
std::string RewriteLine(const std::string& line);

// The whole converted file for `bytes`: every line rewritten and ended with CR LF.
std::string ConvertedFile(std::string_view bytes);

// True when every "<NAME:n...>" specifier on the line is followed by at least n bytes, walking
// from field to field by the declared lengths.
bool DeclaredLengthsHold(std::string_view line);

}  // namespace oracle
