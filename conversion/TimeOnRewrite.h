// conversion/TimeOnRewrite.h: the one rule of the conversion: a record's TIME_ON takes its
// TIME_OFF value.
#pragma once

#include "platform/CString.h"

// Where a record line keeps one time field: "<TIME_xx:" length [":" type] ">" value.
struct TimeField {
    int start = 0;       // position of '<'
    int valueStart = 0;  // first byte after '>'
    int valueLength = 0;
    int End() const { return valueStart + valueLength; }
};

enum class RecordLineShape {
    NotARecord,  // does not begin with "<STATION_CALLSIGN": written as it is
    Rewritable,  // both fields well-formed and apart
    TimeOnMissing,
    TimeOffMissing,
    TimeOnMalformed,  // bad specifier, or fewer bytes than declared before the line ends
    TimeOffMalformed,
    FieldsOverlap,  // one field's value holds the other
};

struct RecordScan {
    RecordLineShape shape = RecordLineShape::NotARecord;
    TimeField timeOn;
    TimeField timeOff;

    bool IsRecord() const { return shape != RecordLineShape::NotARecord; }
    bool IsRewritable() const { return shape == RecordLineShape::Rewritable; }
};

// Finds the first "<TIME_ON" and the first "<TIME_OFF" of a record line and reads their
// declared lengths, so nothing is cut at a guessed width.
RecordScan ScanRecordLine(const CString& line);

// The line to write for `line`: on a record line with both fields well-formed, the TIME_ON field
// becomes "<TIME_ON:n>" + the n bytes of the TIME_OFF value; any other line comes back unchanged.
CString RewriteTimeOn(const CString& line);

// The same in place, for the conversion loop: true when the line's bytes changed.
bool RewriteTimeOnInPlace(CString& line, const RecordScan& scan);

// True when both values are HHMM or HHMMSS times and TIME_OFF is the earlier one: the contact
// crossed midnight UTC, and the record's date, which the rule leaves alone, needs a look.
bool EndsBeforeItStarts(const CString& line, const RecordScan& scan);
