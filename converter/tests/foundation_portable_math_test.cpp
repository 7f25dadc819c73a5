// The runtime-independent sine, cosine, tangent and whole powers of the UTM
// conversion: within one float step of the double-precision functions rounded
// to float, far out included, and IEEE's answers at the edges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "portable_math.h"

namespace {

// True when a and b are the same float or neighbours.
bool within_one_step(float a, float b)
{
    return a == b || std::nextafter(a, b) == b;
}

}  // namespace

TEST(PortableMath, AgreeWithDoublePrecisionRoundedToFloat)
{
    const float arguments[] = {1e-8f,  0.5f,    1.0f,     1.5707964f, 2.1f,    3.1415927f, 4.2f,  -6.3f,    12.6f,
                               100.0f, -333.3f, 98765.4f, 3e6f,       -7.5e7f, 1048576.0f, 1e30f, -2.5e20f, 3.4e38f};
    for (const float x : arguments) {
        const double wide = x;
        EXPECT_PRED2(within_one_step, portable_math::sin(x), static_cast<float>(std::sin(wide))) << x;
        EXPECT_PRED2(within_one_step, portable_math::cos(x), static_cast<float>(std::cos(wide))) << x;
        EXPECT_PRED2(within_one_step, portable_math::tan(x), static_cast<float>(std::tan(wide))) << x;
    }
}

TEST(PortableMath, EdgesAndWholePowers)
{
    EXPECT_TRUE(std::signbit(portable_math::sin(-0.0f)));
    EXPECT_EQ(portable_math::cos(0.0f), 1.0f);
    for (const float odd : {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_TRUE(std::isnan(portable_math::sin(odd)));
        EXPECT_TRUE(std::isnan(portable_math::cos(-odd)));
        EXPECT_TRUE(std::isnan(portable_math::tan(odd)));
    }
    EXPECT_EQ(portable_math::power(1.5f, 6), 11.390625f);
    EXPECT_EQ(portable_math::power(-2.0f, 3), -8.0f);
    EXPECT_EQ(portable_math::power(7.0f, 0), 1.0f);
    EXPECT_EQ(portable_math::power(1e7f, 6), std::numeric_limits<float>::infinity());
    EXPECT_EQ(portable_math::power(-1e7f, 7), -std::numeric_limits<float>::infinity());
}
