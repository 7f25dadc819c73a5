// moment: Julian-calendar day numbers, weekdays and the normalising of seconds.
#include "moment.h"

#include <gtest/gtest.h>

namespace {

// year/month/day hour:minute:second
void expect_moment(const moment& value, std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute, std::int32_t second)
{
    EXPECT_EQ(value.year, year);
    EXPECT_EQ(value.month, month);
    EXPECT_EQ(value.day, day);
    EXPECT_EQ(value.hour, hour);
    EXPECT_EQ(value.minute, minute);
    EXPECT_EQ(value.second, second);
    EXPECT_EQ(value.second_of_day, hour * 3600 + minute * 60 + second);
    EXPECT_EQ(value.weekday, value.day_number % 7);
}

std::int32_t day_number(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return moment(year, month, day, 0, 0, 0).day_number;
}

TEST(MomentDate, DefaultIsAllZero)
{
    const moment zero;
    expect_moment(zero, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(zero.day_number, 0);
    EXPECT_EQ(zero.weekday, 0);
}

TEST(MomentDate, DayNumberIsTheJulianDayNumberOfAJulianDate)
{
    const moment new_year(2000, 1, 1, 0, 0, 0);
    EXPECT_EQ(new_year.day_number, 2451558);  // 13 days after the Gregorian 1 January 2000
    EXPECT_EQ(new_year.weekday, 4);           // Friday
    EXPECT_EQ(day_number(-4713, 1, 2), 1);
    EXPECT_EQ(moment(-4713, 1, 2, 0, 0, 0).weekday, 1);
}

TEST(MomentDate, EveryFourthYearIsALeapYear)
{
    for (std::int32_t year : {1900, 2000, 2100, 2008}) {
        EXPECT_EQ(day_number(year, 2, 29), day_number(year, 2, 28) + 1) << year;
        EXPECT_EQ(day_number(year, 3, 1), day_number(year, 2, 29) + 1) << year;
    }
    EXPECT_EQ(day_number(2009, 3, 1), day_number(2009, 2, 28) + 1);
}

TEST(MomentDate, ThereIsNoYearZero)
{
    EXPECT_EQ(day_number(1, 1, 1), day_number(-1, 12, 31) + 1);
    moment first_day;
    first_day.set_day_number(day_number(1, 1, 1) - 1);
    EXPECT_EQ(first_day.year, -1);
    EXPECT_EQ(first_day.month, 12);
    EXPECT_EQ(first_day.day, 31);
}

TEST(MomentDate, InvalidDatesHaveDayNumberZeroAndKeepTheirFields)
{
    struct date {
        std::int32_t year, month, day;
    };
    for (const date& invalid : {date{-4713, 1, 1}, date{0, 6, 1}, date{-4714, 6, 1}, date{2000, 13, 1},
                                date{2000, 0, 1}, date{2000, 1, 32}, date{2000, 1, 0}}) {
        const moment value(invalid.year, invalid.month, invalid.day, 0, 0, 0);
        EXPECT_EQ(value.day_number, 0);
        EXPECT_EQ(value.weekday, 0);
        EXPECT_EQ(value.year, invalid.year);
        EXPECT_EQ(value.month, invalid.month);
        EXPECT_EQ(value.day, invalid.day);
    }
}

TEST(MomentDate, DayNumbersAndDatesAreInverse)
{
    for (std::int32_t n : {1, 2, 59, 60, 61, 365, 366, 1721057, 1721058, 1721424, 2451558, 2454893, 5000000}) {
        moment value;
        value.set_day_number(n);
        EXPECT_EQ(day_number(value.year, value.month, value.day), n) << n;
        EXPECT_EQ(value.weekday, n % 7);
    }
    moment none;
    none.set_day_number(-5);
    EXPECT_EQ(none.year, 0);
    EXPECT_EQ(none.month, 0);
    EXPECT_EQ(none.day, 0);
    EXPECT_EQ(none.weekday, -5);
}

TEST(MomentDate, ADayPastTheEndOfItsMonthCountsIntoTheNext)
{
    const moment past_end(2009, 2, 31, 0, 0, 0);
    EXPECT_EQ(past_end.day_number, day_number(2009, 3, 3));
    EXPECT_EQ(past_end.month, 2);
    EXPECT_EQ(past_end.day, 31);
    expect_moment(past_end.plus_seconds(0), 2009, 2, 31, 0, 0, 0);
    expect_moment(past_end.plus_seconds(86400), 2009, 3, 4, 0, 0, 0);
}

TEST(MomentSeconds, AddingCarriesIntoTheDate)
{
    expect_moment(moment(2009, 2, 28, 12, 0, 0).plus_seconds(86400), 2009, 3, 1, 12, 0, 0);
    expect_moment(moment(2008, 2, 28, 12, 0, 0).plus_seconds(86400), 2008, 2, 29, 12, 0, 0);
    expect_moment(moment(2000, 3, 5, 6, 4, 9).plus_seconds(2 * 86400 + 3600 + 60 + 1), 2000, 3, 7, 7, 5, 10);
    expect_moment(moment(1999, 12, 31, 23, 59, 59).plus_seconds(1), 2000, 1, 1, 0, 0, 0);
}

TEST(MomentSeconds, SubtractingBorrowsFromTheDate)
{
    const moment start(2000, 1, 1, 0, 0, 0);
    expect_moment(start.plus_seconds(-10), 1999, 12, 31, 23, 59, 50);
    expect_moment(start.plus_seconds(-86400), 1999, 12, 31, 0, 0, 0);
    expect_moment(start.plus_seconds(-86401), 1999, 12, 30, 23, 59, 59);
}

TEST(MomentSeconds, PlusSecondsLeavesTheOriginalAlone)
{
    const moment start(2000, 1, 1, 10, 0, 0);
    const moment later = start.plus_seconds(100000);
    expect_moment(start, 2000, 1, 1, 10, 0, 0);
    EXPECT_EQ(later.day_number, start.day_number + 1);
}

TEST(MomentSeconds, TimeIsStoredUncheckedUntilNormalised)
{
    const moment late(2000, 1, 1, 25, 0, 0);
    EXPECT_EQ(late.hour, 25);
    EXPECT_EQ(late.second_of_day, 90000);
    expect_moment(late.plus_seconds(0), 2000, 1, 2, 1, 0, 0);
}

TEST(MomentSeconds, SetSecondOfDayNormalises)
{
    moment value(2000, 1, 1, 0, 0, 0);
    value.set_second_of_day(3 * 86400 + 7);
    expect_moment(value, 2000, 1, 4, 0, 0, 7);
    value.set_second_of_day(-1);
    expect_moment(value, 2000, 1, 3, 23, 59, 59);
    value.set_second_of_day(43200);
    expect_moment(value, 2000, 1, 3, 12, 0, 0);
}

TEST(MomentSeconds, TheLargestOffsetsDoNotOverflow)
{
    const moment start(2000, 1, 1, 23, 59, 59);
    const moment forward = start.plus_seconds(INT32_MAX);
    EXPECT_EQ(std::int64_t{forward.day_number} * 86400 + forward.second_of_day,
              std::int64_t{start.day_number} * 86400 + start.second_of_day + INT32_MAX);
    const moment backward = start.plus_seconds(INT32_MIN);
    EXPECT_EQ(std::int64_t{backward.day_number} * 86400 + backward.second_of_day,
              std::int64_t{start.day_number} * 86400 + start.second_of_day + INT32_MIN);
}

}  // namespace
