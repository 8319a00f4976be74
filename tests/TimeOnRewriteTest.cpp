// tests/TimeOnRewriteTest.cpp: the rewrite rule, one row per kind of line.
#include <gtest/gtest.h>

#include <string>

#include "conversion/TimeOnRewrite.h"
#include "tests/TestSupport.h"

namespace {

using namespace std::string_literals;
using Shape = RecordLineShape;

struct RuleCase {
    const char* name;
    std::string line;
    std::string expected;  // the same as `line` when the rule must leave it alone
    Shape shape;
};
void PrintTo(const RuleCase& row, std::ostream* out) {
    *out << row.name;
}

const std::string kStation = "<STATION_CALLSIGN:5>OH1AA <CALL:5>UA3AB <QSO_DATE:8>20240101 ";

const RuleCase kRuleCases[] = {
    // Lines that are not records.
    {"header text", "ADIF export from Tavu", "ADIF export from Tavu", Shape::NotARecord},
    {"end of header", "<EOH>", "<EOH>", Shape::NotARecord},
    {"empty line", "", "", Shape::NotARecord},
    {"marker after a blank", " " + kStation + "<TIME_ON:6>120000 <TIME_OFF:6>121500",
     " " + kStation + "<TIME_ON:6>120000 <TIME_OFF:6>121500", Shape::NotARecord},
    {"marker later in the line",
     "<CALL:5>UA3AB <STATION_CALLSIGN:5>OH1AA <TIME_ON:6>120000 "
     "<TIME_OFF:6>121500",
     "<CALL:5>UA3AB <STATION_CALLSIGN:5>OH1AA <TIME_ON:6>120000 "
     "<TIME_OFF:6>121500",
     Shape::NotARecord},
    {"marker in lower case", "<station_callsign:5>OH1AA <time_on:6>120000 <time_off:6>121500",
     "<station_callsign:5>OH1AA <time_on:6>120000 <time_off:6>121500", Shape::NotARecord},
    {"marker cut short", "<STATION_CALLSIG", "<STATION_CALLSIG", Shape::NotARecord},

    // Well-formed records.
    {"six-digit times", kStation + "<TIME_ON:6>120000 <TIME_OFF:6>121500 <EOR>",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500 <EOR>", Shape::Rewritable},
    {"times already equal", kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500 <EOR>",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500 <EOR>", Shape::Rewritable},
    {"TIME_OFF before TIME_ON", "<STATION_CALLSIGN:5>SG6FO <TIME_OFF:6>191700 <TIME_ON:6>211200",
     "<STATION_CALLSIGN:5>SG6FO <TIME_OFF:6>191700 <TIME_ON:6>191700", Shape::Rewritable},
    {"only the first of each counts",
     kStation + "<TIME_ON:6>120000 <TIME_OFF:6>121500 <TIME_ON:6>090000 <TIME_OFF:6>093000",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500 <TIME_ON:6>090000 <TIME_OFF:6>093000",
     Shape::Rewritable},
    {"no separators", "<STATION_CALLSIGN:6>KI2D/0<TIME_ON:4>0100<TIME_OFF:4>0115<MODE:2>CW",
     "<STATION_CALLSIGN:6>KI2D/0<TIME_ON:4>0115<TIME_OFF:4>0115<MODE:2>CW", Shape::Rewritable},
    {"four-digit TIME_ON, six-digit TIME_OFF", kStation + "<TIME_ON:4>1200 <TIME_OFF:6>121500",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500", Shape::Rewritable},
    {"four-digit TIME_ON, many fields after TIME_OFF",
     kStation + "<TIME_ON:4>1200 <TIME_OFF:6>121500 <NAME:4>Ivan <QTH:6>Moscow <EOR>",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500 <NAME:4>Ivan <QTH:6>Moscow <EOR>",
     Shape::Rewritable},
    {"six-digit TIME_ON, four-digit TIME_OFF", kStation + "<TIME_ON:6>120000 <TIME_OFF:4>1215 X",
     kStation + "<TIME_ON:4>1215 <TIME_OFF:4>1215 X", Shape::Rewritable},
    {"type indicators", kStation + "<TIME_ON:6:T>120000 <TIME_OFF:6:T>121500",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6:T>121500", Shape::Rewritable},
    {"leading zeros in the length", kStation + "<TIME_ON:006>120000 <TIME_OFF:06>121500",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:06>121500", Shape::Rewritable},
    {"empty TIME_ON value", kStation + "<TIME_ON:0> <TIME_OFF:6>121500",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500", Shape::Rewritable},
    {"empty TIME_OFF value", kStation + "<TIME_ON:6>120000 <TIME_OFF:0> <EOR>",
     kStation + "<TIME_ON:0> <TIME_OFF:0> <EOR>", Shape::Rewritable},
    {"TIME_OFF value ends the line", kStation + "<TIME_ON:6>120000 <TIME_OFF:6>121500",
     kStation + "<TIME_ON:6>121500 <TIME_OFF:6>121500", Shape::Rewritable},
    {"bytes outside ASCII carried",
     kStation + "<NAME:4>\xC8\xE2\xE0\xED <TIME_ON:6>120000 <TIME_OFF:6>121500 <QTH:2>\xFF\x80",
     kStation + "<NAME:4>\xC8\xE2\xE0\xED <TIME_ON:6>121500 <TIME_OFF:6>121500 <QTH:2>\xFF\x80",
     Shape::Rewritable},
    {"NUL and Ctrl-Z carried", kStation + "<A:3>\0\x1A\0 <TIME_ON:6>120000 <TIME_OFF:6>121500"s,
     kStation + "<A:3>\0\x1A\0 <TIME_ON:6>121500 <TIME_OFF:6>121500"s, Shape::Rewritable},
    {"value bytes taken as they are", kStation + "<TIME_ON:6>120000 <TIME_OFF:6>12:15Z",
     kStation + "<TIME_ON:6>12:15Z <TIME_OFF:6>12:15Z", Shape::Rewritable},

    // Record lines the rule must leave alone: cutting fixed widths here would corrupt them.
    {"marker only", "<STATION_CALLSIGN", "<STATION_CALLSIGN", Shape::TimeOnMissing},
    {"no TIME_ON", kStation + "<TIME_OFF:6>121500 <EOR>", kStation + "<TIME_OFF:6>121500 <EOR>",
     Shape::TimeOnMissing},
    {"no TIME_OFF", kStation + "<TIME_ON:4>2024 <EOR>", kStation + "<TIME_ON:4>2024 <EOR>",
     Shape::TimeOffMissing},
    {"TIME_OFF value cut by the line end", kStation + "<TIME_ON:6>120000 <TIME_OFF:6>12",
     kStation + "<TIME_ON:6>120000 <TIME_OFF:6>12", Shape::TimeOffMalformed},
    {"TIME_OFF tag ends the line", kStation + "<TIME_ON:6>120000 <TIME_OFF",
     kStation + "<TIME_ON:6>120000 <TIME_OFF", Shape::TimeOffMalformed},
    {"TIME_OFF without a length", kStation + "<TIME_ON:6>120000 <TIME_OFF:>121500",
     kStation + "<TIME_ON:6>120000 <TIME_OFF:>121500", Shape::TimeOffMalformed},
    {"TIME_OFF length not a number", kStation + "<TIME_ON:6>120000 <TIME_OFF:x>121500",
     kStation + "<TIME_ON:6>120000 <TIME_OFF:x>121500", Shape::TimeOffMalformed},
    {"TIME_OFF length of ten digits", kStation + "<TIME_ON:6>120000 <TIME_OFF:0000000006>121500",
     kStation + "<TIME_ON:6>120000 <TIME_OFF:0000000006>121500", Shape::TimeOffMalformed},
    {"TIME_OFF type of two letters", kStation + "<TIME_ON:6>120000 <TIME_OFF:6:TT>121500",
     kStation + "<TIME_ON:6>120000 <TIME_OFF:6:TT>121500", Shape::TimeOffMalformed},
    {"tag that only begins like TIME_OFF", kStation + "<TIME_ON:6>120000 <TIME_OFFSET:6>121500",
     kStation + "<TIME_ON:6>120000 <TIME_OFFSET:6>121500", Shape::TimeOffMalformed},
    {"TIME_ON specifier cut by the line end", kStation + "<TIME_OFF:6>121500 <TIME_ON:6",
     kStation + "<TIME_OFF:6>121500 <TIME_ON:6", Shape::TimeOnMalformed},
    {"TIME_ON value cut by the line end", kStation + "<TIME_OFF:6>121500 <TIME_ON:6>1200",
     kStation + "<TIME_OFF:6>121500 <TIME_ON:6>1200", Shape::TimeOnMalformed},
    {"TIME_ON length absurdly large", kStation + "<TIME_ON:999999999>1 <TIME_OFF:6>121500",
     kStation + "<TIME_ON:999999999>1 <TIME_OFF:6>121500", Shape::TimeOnMalformed},
    {"TIME_OFF inside the TIME_ON value", kStation + "<TIME_ON:14><TIME_OFF:2>12 <EOR>",
     kStation + "<TIME_ON:14><TIME_OFF:2>12 <EOR>", Shape::FieldsOverlap},
};

class RewriteRule : public testing::TestWithParam<RuleCase> {};

TEST_P(RewriteRule, GivesTheExpectedLine) {
    const RuleCase& row = GetParam();
    CString line(row.line);
    EXPECT_EQ(RewriteTimeOn(line).View(), row.expected);
    EXPECT_EQ(ScanRecordLine(line).shape, row.shape);
    EXPECT_EQ(line.View(), row.line) << "the input must not change";
}

INSTANTIATE_TEST_SUITE_P(Lines, RewriteRule, testing::ValuesIn(kRuleCases), RowName());

struct MidnightCase {
    const char* on;
    const char* off;
    bool endsBeforeStart;
};

TEST(RewriteRule, TellsWhenTheContactCrossedMidnight) {
    const MidnightCase cases[] = {
        {"<TIME_ON:6>235900", "<TIME_OFF:6>000100", true},
        {"<TIME_ON:4>2359", "<TIME_OFF:6>000100", true},
        {"<TIME_ON:6>120000", "<TIME_OFF:6>121500", false},
        {"<TIME_ON:6>121500", "<TIME_OFF:6>121500", false},
        {"<TIME_ON:6>2359xx", "<TIME_OFF:6>000100", false},
        {"<TIME_ON:5>23590", "<TIME_OFF:6>000100", false},
    };
    for (const MidnightCase& row : cases) {
        CString line(kStation + row.on + " " + row.off);
        EXPECT_EQ(EndsBeforeItStarts(line, ScanRecordLine(line)), row.endsBeforeStart)
            << line.View();
    }
}

}  // namespace
