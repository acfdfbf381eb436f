#include "cellfile.h"
#include "failure.h"
#include "numtext.h"

#include <gtest/gtest.h>

using namespace kb;

TEST(NumberRead, StrictReadAcceptsNumbersInAnyWidthAndRefusesTheRest)
{
    struct Case { const char *text; bool ok; double value; };
    const Case cases[] = {
        {"12", true, 12}, {" 3.5 ", true, 3.5}, {"-0.5", true, -0.5}, {"+7", true, 7},
        {".5", true, 0.5}, {"5.", true, 5}, {"1E3", true, 1000},
        {"１２．５", true, 12.5}, {"－２", true, -2}, {"\u2212" "3", true, -3}, {"　４　", true, 4},
        {"", false, 0}, {"  ", false, 0}, {"abc", false, 0}, {"210V", false, 0}, {"1 2", false, 0},
        {".", false, 0}, {"-", false, 0}, {"1e", false, 0}, {"1e999", false, 0},
    };
    for (const Case &c : cases) {
        const auto v = tryReadNumber(QString::fromUtf8(c.text));
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (c.ok && v) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
    EXPECT_THROW(CDbl(u""), Failure);
    EXPECT_DOUBLE_EQ(CDbl(u"２"), 2);
}

TEST(NumberRead, PrefixReadTakesTheLongestNumericPrefix)
{
    struct Case { const char *text; double value; };
    const Case cases[] = {
        {"210V", 210}, {"105V", 105}, {"", 0}, {"V", 0}, {"  12.5kW", 12.5}, {"-3x", -3},
        {"１００AF", 100}, {"2000AF以上", 2000}, {"E5.5", 0}, {"1.2.3", 1.2}, {"3e2m", 300}, {"5e", 5},
        {"1 2", 12},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(NumberRead, ACellWithBytesThatAreNoTextGivesNoFigure)
{
    // Each record as the cell decoder reads it: the readable part stays on show, the rest marked.
    struct Case { QByteArray bytes; QString cell; };
    const QString mark(kUnreadableMark);
    const Case cases[] = {
        {"1\x81 ", u"1"_qs + mark},                  // a lead byte followed by a blank
        {"\xFF\xFD" "0", mark + mark + u"0"_qs},      // the package row's damaged frame "100"
        {"2\xFF", u"2"_qs + mark},
        {"\x80" "5.5", mark + u"5.5"_qs},
        {"30\x82", u"30"_qs + mark},                  // a lead byte cut off by the record's end
    };
    const QStringList voltages = {u"200V"_qs, u"210V"_qs};
    for (const Case &c : cases) {
        const QString cell = decodeCell(c.bytes);
        EXPECT_EQ(cell, c.cell) << c.bytes.toHex().constData();
        EXPECT_TRUE(isUnreadable(cell));
        EXPECT_FALSE(tryReadNumber(cell));
        EXPECT_FALSE(positiveFigure(cell));
        EXPECT_THROW(Val(cell), Failure);
        EXPECT_EQ(numberShown(cell), cell);
        EXPECT_EQ(listItemOf(cell, voltages), cell);
    }
    // A readable cell reads as before.
    EXPECT_FALSE(isUnreadable(u"210V級"));
    EXPECT_EQ(numberShown(u"210V級"), u"210");
    EXPECT_EQ(numberShown(u""), u"0");
    EXPECT_EQ(listItemOf(u"210", voltages), u"210V");
}

TEST(NumberConvert, IntegerConversionRoundsHalfToEvenOnExactDecimals)
{
    struct Case { double x; int expected; };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {3.4999, 3}, {3.5001, 4},
        {1.1 * 55, 60},             // 60.5 exactly in decimals
        {0.1 * 3 * 5, 2},           // 1.5
        {32767.4, 32767}, {-32768.4, -32768},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CInt(c.x), c.expected) << c.x;
    EXPECT_THROW(CInt(32767.5), Overflow); // rounds to 32768
    EXPECT_THROW(CInt(-32769), Overflow);
    EXPECT_THROW(CInt(1.0 / 0.0), Overflow);
    EXPECT_EQ(CLng(70000.5), 70000);
    EXPECT_THROW(CLng(3e9), Overflow);
}

TEST(NumberConvert, FloorWorksOnExactDecimals)
{
    EXPECT_EQ(Int(32.3 * 1000 / 100), 323);
    EXPECT_EQ(Int(0.7 * 100), 70);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(2.9999), 2);
    EXPECT_EQ(Int(100 * 110 * 0.7 / 1000 * 10), 77);
}

TEST(NumberText, NumbersAreWrittenShortestWithoutLeadingBlank)
{
    struct Case { double x; const char *text; };
    const Case cases[] = {
        {7, "7"}, {8.09, "8.09"}, {0.85, "0.85"}, {-0.5, "-0.5"}, {0, "0"}, {-0.0, "0"},
        {0.1 + 0.2, "0.3"}, {12.2, "12.2"}, {1e15, "1e+15"}, {123456789012, "123456789012"},
        {60.5, "60.5"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Str(c.x), QString::fromUtf8(c.text)) << c.x;
    EXPECT_EQ(StrSng(1.1 * 55), u"60.5");
    EXPECT_EQ(StrSng(1234.5678901), u"1234.568"); // 7 significant digits of the float
    EXPECT_EQ(StrSng(0.1), u"0.1");
    EXPECT_EQ(StrSng(123456789), u"1.234568e+08");
    EXPECT_EQ(Str(int16_t(-12)), u"-12");
}

TEST(TextCompare, IgnoresCaseAndWidth)
{
    struct Case { const char *a; const char *b; bool same; };
    const Case cases[] = {
        {"ｹｰﾌﾞﾙﾗｯｸ", "ケーブルラック", true},
        {"ＥＮＤ", "end", true},
        {"End", "END", true},
        {"cv5.5-3c", "CV5.5-3C", true},
        {"ＣＶ５．５－３Ｃ", "CV5.5-3C", true},
        {"ｶﾞ", "ガ", true},
        {"ENDS", "END", false},
        {"カ", "ガ", false},
        {"", "", true},
        {"", "END", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sameText(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.same) << c.a << " / " << c.b;
}

TEST(TextTrim, OnlyHalfWidthBlanksAtTheEndsGo)
{
    struct Case { const char *text; const char *both; const char *trailing; };
    const Case cases[] = {
        {"  CV 5.5  ", "CV 5.5", "  CV 5.5"},
        {"　耐火　", "　耐火　", "　耐火　"},
        {"   ", "", ""},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(trimBlanks(QString::fromUtf8(c.text)), QString::fromUtf8(c.both)) << c.text;
        EXPECT_EQ(trimTrailingBlanks(QString::fromUtf8(c.text)), QString::fromUtf8(c.trailing)) << c.text;
    }
}
