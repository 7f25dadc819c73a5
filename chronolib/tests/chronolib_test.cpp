#include <gtest/gtest.h>

#include <cstdint>

#include "chronolib.h"

namespace {

std::int32_t stamp_of(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute,
                      std::int32_t second)
{
    std::int32_t unused = 12345;
    std::int32_t stamp = 0;
    converttotimestamp(&year, &month, &day, &hour, &minute, &second, &unused, &stamp);
    EXPECT_EQ(unused, 12345) << "the seventh integer is left alone";
    return stamp;
}

}  // namespace

TEST(Converttotimestamp, CountsSecondsSinceTheEpoch)
{
    EXPECT_EQ(stamp_of(1970, 1, 1, 0, 0, 0), 0);
    EXPECT_EQ(stamp_of(1970, 1, 2, 0, 0, 1), 86401);
    EXPECT_EQ(stamp_of(2000, 3, 1, 0, 0, 0), 951868800);
    EXPECT_EQ(stamp_of(2024, 1, 1, 0, 0, 0), 1704067200);
    EXPECT_EQ(stamp_of(1969, 12, 31, 23, 59, 59), -1);
    EXPECT_EQ(stamp_of(2038, 1, 19, 3, 14, 7), INT32_MAX);
    EXPECT_EQ(stamp_of(1901, 12, 13, 20, 45, 52), INT32_MIN);
}

TEST(Converttotimestamp, DifferenceIsTheTimeBetweenMoments)
{
    EXPECT_EQ(stamp_of(2010, 5, 3, 1, 0, 0) - stamp_of(2010, 5, 3, 0, 0, 0), 3600);
    // Across a leap day, and across a century year that is not a leap year.
    EXPECT_EQ(stamp_of(2012, 3, 1, 0, 0, 0) - stamp_of(2012, 2, 28, 0, 0, 0), 2 * 86400);
    EXPECT_EQ(stamp_of(1900, 3, 1, 0, 0, 0) - stamp_of(1900, 2, 28, 0, 0, 0), 86400);
    EXPECT_EQ(stamp_of(2000, 3, 1, 0, 0, 0) - stamp_of(2000, 2, 28, 0, 0, 0), 2 * 86400);
}

TEST(Converttotimestamp, FieldsBeyondTheirRangesCarryOver)
{
    EXPECT_EQ(stamp_of(2009, 13, 1, 0, 0, 0), stamp_of(2010, 1, 1, 0, 0, 0));
    EXPECT_EQ(stamp_of(2010, 0, 1, 0, 0, 0), stamp_of(2009, 12, 1, 0, 0, 0));
    EXPECT_EQ(stamp_of(2010, 1, 1, 0, 0, 60), stamp_of(2010, 1, 1, 0, 1, 0));
    EXPECT_EQ(stamp_of(2010, 1, 0, 0, 0, 0), stamp_of(2009, 12, 31, 0, 0, 0));
}

TEST(Converttotimestamp, MomentsPast2038WrapButKeepTheirDifference)
{
    const std::int32_t before = stamp_of(2038, 1, 19, 3, 14, 7);
    const std::int32_t after = stamp_of(2038, 1, 19, 3, 14, 8);
    EXPECT_EQ(after, INT32_MIN);
    EXPECT_EQ(static_cast<std::uint32_t>(after) - static_cast<std::uint32_t>(before), 1u);
}

TEST(Converttotimestamp, ExtremeFieldsDoNotOverflow)
{
    // Any int32 fields give some stamp; the sanitizer build checks the arithmetic.
    stamp_of(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
    stamp_of(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN);
}
