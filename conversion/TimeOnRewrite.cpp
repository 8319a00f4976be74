// conversion/TimeOnRewrite.cpp: reading the two time fields and moving TIME_OFF's value over.
#include "conversion/TimeOnRewrite.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view kRecordMarker = "<STATION_CALLSIGN";
constexpr std::string_view kTimeOnTag = "<TIME_ON";
constexpr std::string_view kTimeOffTag = "<TIME_OFF";
constexpr int kMaxLengthDigits = 9;  // keeps every declared length within an int
constexpr std::size_t kMaxSpecifierSize = 24;

struct TagPositions {
    int timeOn = -1;
    int timeOff = -1;
};

// The first "<TIME_ON" and the first "<TIME_OFF" at or after `from`, as two searches would find
// them, in one pass over the line's '<' characters: this runs for every record line.
TagPositions FindTimeTags(std::string_view line, std::size_t from) {
    TagPositions found;
    for (std::size_t at = line.find('<', from); at != std::string_view::npos;
         at = line.find('<', at + 1)) {
        std::string_view rest = line.substr(at);
        // Most tags fail on their first letter; only a few reach the full comparisons.
        if (rest.size() < 2 || rest[1] != 'T') {
            continue;
        }
        if (found.timeOn < 0 && rest.substr(0, kTimeOnTag.size()) == kTimeOnTag) {
            found.timeOn = static_cast<int>(at);
        } else if (found.timeOff < 0 && rest.substr(0, kTimeOffTag.size()) == kTimeOffTag) {
            found.timeOff = static_cast<int>(at);
        }
        if (found.timeOn >= 0 && found.timeOff >= 0) {
            break;
        }
    }
    return found;
}

int DecimalDigits(int number) {
    int digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

// True when the field is written "<TIME_ON:n>" already: a specifier of exactly that size that
// declares n has no leading zeros and no type indicator.
bool HasSpecifierFor(const TimeField& timeOn, int valueLength) {
    int canonicalSize = static_cast<int>(kTimeOnTag.size()) + 2 + DecimalDigits(valueLength);
    return timeOn.valueLength == valueLength && timeOn.valueStart - timeOn.start == canonicalSize;
}

// "<TIME_ON:" + length in decimal + ">", written into `buffer`.
std::string_view TimeOnSpecifier(int valueLength, char (&buffer)[kMaxSpecifierSize]) {
    char* end = std::copy(kTimeOnTag.begin(), kTimeOnTag.end(), buffer);
    *end++ = ':';
    end = std::to_chars(end, buffer + kMaxSpecifierSize - 1, valueLength).ptr;
    *end++ = '>';
    return std::string_view(buffer, static_cast<std::size_t>(end - buffer));
}

bool IsAsciiDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool IsAsciiLetter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Reads ":" digits [":" letter] ">" and the value after the tag at `tagStart`; false when the
// specifier has another form or the line ends before the declared value does.
bool ReadField(std::string_view line, int tagStart, std::size_t tagLength, TimeField& field) {
    std::size_t at = static_cast<std::size_t>(tagStart) + tagLength;
    if (at >= line.size() || line[at] != ':') {
        return false;
    }
    ++at;
    long long length = 0;
    int digits = 0;
    while (at < line.size() && IsAsciiDigit(line[at]) && digits < kMaxLengthDigits) {
        length = length * 10 + (line[at] - '0');
        ++digits;
        ++at;
    }
    if (digits == 0) {
        return false;
    }
    if (at + 1 < line.size() && line[at] == ':' && IsAsciiLetter(line[at + 1])) {
        at += 2;
    }
    if (at >= line.size() || line[at] != '>') {
        return false;
    }
    ++at;
    if (static_cast<long long>(line.size() - at) < length) {
        return false;
    }
    field.start = tagStart;
    field.valueStart = static_cast<int>(at);
    field.valueLength = static_cast<int>(length);
    return true;
}

bool Overlap(const TimeField& a, const TimeField& b) {
    return a.start < b.End() && b.start < a.End();
}

std::string_view ValueOf(const CString& line, const TimeField& field) {
    return line.View().substr(static_cast<std::size_t>(field.valueStart),
                              static_cast<std::size_t>(field.valueLength));
}

// HHMM or HHMMSS as seconds since midnight; -1 for anything else.
long SecondsOfDay(std::string_view value) {
    if (value.size() != 4 && value.size() != 6) {
        return -1;
    }
    long seconds = 0;
    for (std::size_t pair = 0; pair < value.size(); pair += 2) {
        if (!IsAsciiDigit(value[pair]) || !IsAsciiDigit(value[pair + 1])) {
            return -1;
        }
        long number = (value[pair] - '0') * 10 + (value[pair + 1] - '0');
        seconds += number * (pair == 0 ? 3600 : pair == 2 ? 60 : 1);
    }
    return seconds;
}

}  // namespace

RecordScan ScanRecordLine(const CString& line) {
    RecordScan scan;
    std::string_view text = line.View();
    if (text.substr(0, kRecordMarker.size()) != kRecordMarker) {
        return scan;
    }
    // The marker itself holds neither tag, so the search starts after it.
    TagPositions tags = FindTimeTags(text, kRecordMarker.size());
    if (tags.timeOn < 0) {
        scan.shape = RecordLineShape::TimeOnMissing;
    } else if (tags.timeOff < 0) {
        scan.shape = RecordLineShape::TimeOffMissing;
    } else if (!ReadField(text, tags.timeOff, kTimeOffTag.size(), scan.timeOff)) {
        scan.shape = RecordLineShape::TimeOffMalformed;
    } else if (!ReadField(text, tags.timeOn, kTimeOnTag.size(), scan.timeOn)) {
        scan.shape = RecordLineShape::TimeOnMalformed;
    } else if (Overlap(scan.timeOn, scan.timeOff)) {
        scan.shape = RecordLineShape::FieldsOverlap;
    } else {
        scan.shape = RecordLineShape::Rewritable;
    }
    return scan;
}

bool RewriteTimeOnInPlace(CString& line, const RecordScan& scan) {
    if (!scan.IsRewritable()) {
        return false;
    }
    const TimeField& timeOn = scan.timeOn;
    std::string_view value = ValueOf(line, scan.timeOff);
    if (!HasSpecifierFor(timeOn, scan.timeOff.valueLength)) {
        char buffer[kMaxSpecifierSize];
        // Built before the line changes: `value` points into the line.
        CString field = CString(TimeOnSpecifier(scan.timeOff.valueLength, buffer)) + CString(value);
        line.Delete(timeOn.start, timeOn.End() - timeOn.start);
        line.Insert(timeOn.start, field);
        return true;
    }
    // The usual record: same specifier, so only the value's bytes can differ.
    if (ValueOf(line, timeOn) == value) {
        return false;
    }
    std::string& bytes = line.Buffer();
    std::copy(value.begin(), value.end(), bytes.begin() + timeOn.valueStart);
    return true;
}

CString RewriteTimeOn(const CString& line) {
    CString result = line;
    RewriteTimeOnInPlace(result, ScanRecordLine(line));
    return result;
}

bool EndsBeforeItStarts(const CString& line, const RecordScan& scan) {
    if (!scan.IsRewritable()) {
        return false;
    }
    long on = SecondsOfDay(ValueOf(line, scan.timeOn));
    long off = SecondsOfDay(ValueOf(line, scan.timeOff));
    return on >= 0 && off >= 0 && off < on;
}
