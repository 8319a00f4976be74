// conversion/TimeOnRewrite.cpp: reading the two time fields and moving TIME_OFF's value over.
#include "conversion/TimeOnRewrite.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr const char kRecordMarker[] = "<STATION_CALLSIGN";
constexpr const char kTimeOnTag[] = "<TIME_ON";
constexpr const char kTimeOffTag[] = "<TIME_OFF";
constexpr int kMaxLengthDigits = 9;  // keeps every declared length within an int

bool IsAsciiDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool IsAsciiLetter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Reads ":" digits [":" letter] ">" and the value after the tag at `tagStart`; false when the
// specifier has another form or the line ends before the declared value does.
bool ReadField(std::string_view line, int tagStart, int tagLength, TimeField& field) {
    std::size_t at = static_cast<std::size_t>(tagStart + tagLength);
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
    if (text.compare(0, std::strlen(kRecordMarker), kRecordMarker) != 0) {
        return scan;
    }
    int timeOn = line.Find(kTimeOnTag);
    int timeOff = line.Find(kTimeOffTag);
    if (timeOn < 0) {
        scan.shape = RecordLineShape::TimeOnMissing;
    } else if (timeOff < 0) {
        scan.shape = RecordLineShape::TimeOffMissing;
    } else if (!ReadField(text, timeOff, static_cast<int>(std::strlen(kTimeOffTag)),
                          scan.timeOff)) {
        scan.shape = RecordLineShape::TimeOffMalformed;
    } else if (!ReadField(text, timeOn, static_cast<int>(std::strlen(kTimeOnTag)), scan.timeOn)) {
        scan.shape = RecordLineShape::TimeOnMalformed;
    } else if (Overlap(scan.timeOn, scan.timeOff)) {
        scan.shape = RecordLineShape::FieldsOverlap;
    } else {
        scan.shape = RecordLineShape::Rewritable;
    }
    return scan;
}

CString TimeOnFieldFor(const CString& line, const TimeField& timeOff) {
    CString field("<TIME_ON:");
    field += std::to_string(timeOff.valueLength).c_str();
    field += ">";
    return field + line.Mid(timeOff.valueStart, timeOff.valueLength);
}

bool RewriteTimeOnInPlace(CString& line, const RecordScan& scan) {
    if (!scan.IsRewritable()) {
        return false;
    }
    const TimeField& timeOn = scan.timeOn;
    CString newField = TimeOnFieldFor(line, scan.timeOff);
    int oldLength = timeOn.End() - timeOn.start;
    if (newField.GetLength() == oldLength &&
        line.View().substr(static_cast<std::size_t>(timeOn.start),
                           static_cast<std::size_t>(oldLength)) == newField.View()) {
        return false;
    }
    line.Delete(timeOn.start, oldLength);
    line.Insert(timeOn.start, newField);
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
