// Which moments are output steps, and when the progress line comes.
#include "output_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int4> output_moments(int4 num_moments, int4 stepsize)
{
    std::vector<int4> moments;
    for (int4 n = 1; n <= num_moments; ++n)
        if (is_output_step(n, stepsize)) moments.push_back(n);
    return moments;
}

// Moments at which an output step writes a progress line.
std::vector<int4> progress_moments(int4 num_moments, int4 stepsize)
{
    std::vector<int4> moments;
    for (int4 n : output_moments(num_moments, stepsize))
        if (progress_due(n, num_moments)) moments.push_back(n);
    return moments;
}

TEST(OutputSteps, EveryStepsizeThMomentFromTheFirstIsOutput)
{
    EXPECT_EQ(output_moments(10, 3), (std::vector<int4>{1, 4, 7, 10}));
    EXPECT_EQ(count_output_steps(10, 3), 4);
    EXPECT_EQ(count_output_steps(10, 1), 10);
    EXPECT_EQ(count_output_steps(9, 3), 3);
    EXPECT_EQ(count_output_steps(1, 5), 1);
    EXPECT_EQ(count_output_steps(5, 100), 1);
    for (int4 moments : {1, 2, 7, 20, 101})
        for (int4 step : {1, 2, 3, 7})
            EXPECT_EQ(count_output_steps(moments, step), static_cast<int4>(output_moments(moments, step).size()));
}

TEST(OutputSteps, NoMomentsOrAMultipleBelowOneGiveNoSteps)
{
    EXPECT_EQ(count_output_steps(0, 1), 0);
    EXPECT_EQ(count_output_steps(-3, 1), 0);
    EXPECT_EQ(count_output_steps(10, 0), 0);
    EXPECT_EQ(count_output_steps(10, -2), 0);
}

TEST(OutputSteps, ProgressComesEveryTwentiethOfTheRunAtOutputSteps)
{
    std::vector<int4> every_fifth;
    for (int4 n = 5; n <= 100; n += 5) every_fifth.push_back(n);
    EXPECT_EQ(progress_moments(100, 1), every_fifth);
    std::vector<int4> every_second;
    for (int4 n = 2; n <= 50; n += 2) every_second.push_back(n);
    EXPECT_EQ(progress_moments(50, 1), every_second);
    EXPECT_EQ(progress_moments(100, 3), (std::vector<int4>{10, 25, 40, 55, 70, 85, 100}));
}

TEST(OutputSteps, FewerThanTwentyMomentsGiveProgressAtEveryOutputStep)
{
    EXPECT_EQ(progress_moments(19, 1).size(), 19u);
    EXPECT_EQ(progress_moments(10, 3), (std::vector<int4>{1, 4, 7, 10}));
    EXPECT_EQ(progress_moments(1, 1), (std::vector<int4>{1}));
}

TEST(OutputSteps, PercentageIsRoundedHalfAwayFromZero)
{
    EXPECT_EQ(progress_percentage(5, 100), 5);
    EXPECT_EQ(progress_percentage(100, 100), 100);
    EXPECT_EQ(progress_percentage(1, 3), 33);
    EXPECT_EQ(progress_percentage(2, 3), 67);
    EXPECT_EQ(progress_percentage(1, 8), 13) << "12.5 rounds up";
    EXPECT_EQ(progress_percentage(3, 8), 38) << "37.5 rounds up";
    EXPECT_EQ(progress_percentage(1, 200), 1) << "0.5 rounds up";
    EXPECT_EQ(progress_percentage(2000000000, 2000000000), 100) << "no 32-bit overflow of n x 100";
}

TEST(OutputSteps, TimeStampArithmeticWrapsLikeThe32BitStamps)
{
    EXPECT_EQ(wrapping_difference(1704070800, 1704067200), 3600);
    EXPECT_EQ(wrapping_product(4, 3600), 14400);
    EXPECT_EQ(wrapping_difference(INT32_MIN, INT32_MAX), 1);
    EXPECT_EQ(wrapping_product(65536, 65536), 0);
}

}  // namespace
