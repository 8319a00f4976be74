// tests/CStringTest.cpp: the string operations the rule is written with, at their edges.
#include <gtest/gtest.h>

#include "platform/CString.h"

namespace {

using namespace std::string_literals;

TEST(CString, FindsTheFirstOccurrenceOrMinusOne) {
    CString text("<A><TIME_ON><TIME_ON>");
    EXPECT_EQ(text.Find("<TIME_ON"), 3);
    EXPECT_EQ(text.Find("<TIME_ON", 4), 12);
    EXPECT_EQ(text.Find("<TIME_OFF"), -1);
    EXPECT_EQ(text.Find("<A>", 99), -1);
    EXPECT_EQ(CString().Find("x"), -1);
}

TEST(CString, ClampsPositionsOutsideTheString) {
    CString text("abcdef");
    EXPECT_EQ(text.Mid(4).View(), "ef");
    EXPECT_EQ(text.Mid(4, 10).View(), "ef");
    EXPECT_EQ(text.Mid(10, 2).View(), "");
    EXPECT_EQ(text.Mid(-3, 2).View(), "ab");
    EXPECT_EQ(text.Left(99).View(), "abcdef");

    CString deleted("abcdef");
    EXPECT_EQ(deleted.Delete(4, 17), 4);
    EXPECT_EQ(deleted.View(), "abcd");
    EXPECT_EQ(deleted.Delete(9, 1), 4);

    CString inserted("abcd");
    EXPECT_EQ(inserted.Insert(99, "XY"), 6);
    EXPECT_EQ(inserted.View(), "abcdXY");
    inserted.Insert(0, CString("<"));
    EXPECT_EQ(inserted.View(), "<abcdXY");
}

TEST(CString, CarriesEveryByte) {
    std::string bytes = "a\0b\x1A\xFF\x80"s;
    CString text(bytes);
    EXPECT_EQ(text.GetLength(), 6);
    CString joined = text + CString(bytes);
    EXPECT_EQ(joined.View(), bytes + bytes);
    EXPECT_EQ(joined.Mid(5, 3).View(), "\x80"s + "a\0"s);
    EXPECT_EQ(joined.Find("\xFF"), 4);
}

}  // namespace
