// The formatted line: the field layouts of the BENTHA files.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fixed_text.h"
#include "formatted_line.h"

namespace {

// One grid row: each value in its field, separated by one blank.
template <typename Field>
std::string row(int count, Field field)
{
    formatted_line line;
    for (int i = 0; i < count; ++i) {
        if (i > 0) line.blanks(1);
        field(line, i);
    }
    return line.text();
}

}  // namespace

TEST(FormattedLine, IntegerFields)
{
    const int mask[] = {1, 5, 5, 0};
    EXPECT_EQ(row(4, [&](formatted_line& l, int i) { l.integer(mask[i], 1); }), "1 5 5 0");
    const int layers[] = {5, 5, 0, 5};
    EXPECT_EQ(row(4, [&](formatted_line& l, int i) { l.integer(layers[i], 2); }), " 5  5  0  5");
    EXPECT_EQ(formatted_line().integer(100, 2).text(), "**");
    EXPECT_EQ(formatted_line().integer(-10, 2).text(), "**");
    EXPECT_EQ(formatted_line().integer(-9, 2).text(), "-9");
    EXPECT_EQ(formatted_line().integer(120).text("  !INTEGER, PARAMETER :: IM").text(),
              "120  !INTEGER, PARAMETER :: IM");
    EXPECT_EQ(formatted_line().integer(-3).text(), "-3");
}

TEST(FormattedLine, FixedPointFields)
{
    EXPECT_EQ(formatted_line().fixed(0.0, 10, 3).text(), "     0.000");
    EXPECT_EQ(formatted_line().fixed(12.3456, 10, 3).text(), "    12.346");
    EXPECT_EQ(formatted_line().fixed(std::sqrt(5.0f), 10, 8).text(), "2.23606801");
    EXPECT_EQ(formatted_line().fixed(2.23606798, 10, 8).text(), "2.23606798");
    EXPECT_EQ(formatted_line().fixed(10.0, 10, 8).text(), "**********");
    EXPECT_EQ(formatted_line().fixed(-9999.0f, 14, 8).text(), "-9999.00000000");
    EXPECT_EQ(formatted_line().fixed(0.25, 10, 5).text(), "   0.25000");
    // An exact tie goes to the even digit; a value of 300 digits fits nowhere.
    EXPECT_EQ(formatted_line().fixed(0.125, 5, 2).text(), " 0.12");
    EXPECT_EQ(formatted_line().fixed(-1e300, 14, 8).text(), "**************");
}

TEST(FormattedLine, LeadingZeroOnlyWhenThereIsRoom)
{
    EXPECT_EQ(formatted_line().fixed(0.12345678, 10, 8).text(), "0.12345678");
    EXPECT_EQ(formatted_line().fixed(-0.12345678, 10, 8).text(), "-.12345678");
    EXPECT_EQ(formatted_line().fixed(-0.5, 5, 3).text(), "-.500");
    EXPECT_EQ(formatted_line().fixed(-0.5, 6, 3).text(), "-0.500");
    EXPECT_EQ(formatted_line().fixed(-0.5, 4, 3).text(), "****");
}

TEST(FormattedLine, NotANumberIsRightAligned)
{
    EXPECT_EQ(formatted_line().fixed(std::sqrt(-1.0), 10, 8).text(), "       NaN");
    EXPECT_EQ(formatted_line().fixed(std::nan(""), 14, 8).text(), "           NaN");
    EXPECT_EQ(formatted_line().fixed(HUGE_VAL, 10, 3).text(), "  Infinity");
    EXPECT_EQ(formatted_line().fixed(-HUGE_VAL, 5, 3).text(), " -Inf");
    // Huge finite values never fit, whatever their digits.
    EXPECT_EQ(formatted_line().fixed(1.0e300, 14, 8).text(), "**************");
}

TEST(FormattedLine, BlanksOnlyBetweenFields)
{
    EXPECT_EQ(formatted_line().text("a").blanks(3).text("b").blanks(5).text(), "a   b");
    EXPECT_EQ(formatted_line().integer(0).blanks(4).text("!Number of rivers").text(), "0    !Number of rivers");
    // A text field keeps its declared length, trailing blanks included.
    const fixed_text<30> date("1/2/2010 0:00:00");
    EXPECT_EQ(formatted_line().text(date).text().size(), 30u);
}
