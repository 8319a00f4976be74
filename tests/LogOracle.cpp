// tests/LogOracle.cpp: a second, deliberately plain statement of the rule, with regular
// expressions where the product parses by hand.
#include "tests/LogOracle.h"

#include <regex>

namespace oracle {

namespace {

struct Field {
    bool found = false;
    size_t start = 0;
    size_t end = 0;  // one past the value
    std::string value;
};

// "<TAG" ":" 1-9 digits [":" letter] ">" and as many bytes as declared, at the first "<TAG".
Field FirstField(const std::string& line, const std::string& tag) {
    static const std::regex specifier(":([0-9]{1,9})(:[A-Za-z])?>");
    Field field;
    size_t at = line.find(tag);
    if (at == std::string::npos) {
        return field;
    }
    std::smatch match;
    auto from = line.begin() + static_cast<std::ptrdiff_t>(at + tag.size());
    if (!std::regex_search(from, line.end(), match, specifier,
                           std::regex_constants::match_continuous)) {
        return field;
    }
    size_t length = std::stoul(match[1].str());
    size_t valueStart = at + tag.size() + static_cast<size_t>(match.length(0));
    if (line.size() - valueStart < length) {
        return field;
    }
    field = {true, at, valueStart + length, line.substr(valueStart, length)};
    return field;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string line(bytes.substr(0, end));
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return lines;
}

std::string RewriteLine(const std::string& line) {
    if (line.rfind("<STATION_CALLSIGN", 0) != 0) {
        return line;
    }
    Field on = FirstField(line, "<TIME_ON");
    Field off = FirstField(line, "<TIME_OFF");
    if (!on.found || !off.found || (on.start < off.end && off.start < on.end)) {
        return line;
    }
    return line.substr(0, on.start) + "<TIME_ON:" + std::to_string(off.value.size()) + ">" +
           off.value + line.substr(on.end);
}

std::string ConvertedFile(std::string_view bytes) {
    std::string converted;
    for (const std::string& line : SplitLines(bytes)) {
        converted += RewriteLine(line) + "\r\n";
    }
    return converted;
}

bool DeclaredLengthsHold(std::string_view line) {
    static const std::regex specifier("<[^<>:]+:([0-9]{1,18})(:[A-Za-z])?>");
    std::string text(line);
    auto at = text.cbegin();
    std::smatch match;
    while (std::regex_search(at, text.cend(), match, specifier)) {
        auto valueStart = match[0].second;
        auto length = std::stoull(match[1].str());
        if (static_cast<unsigned long long>(text.cend() - valueStart) < length) {
            return false;
        }
        at = valueStart + static_cast<std::ptrdiff_t>(length);
    }
    return true;
}

}  // namespace oracle
