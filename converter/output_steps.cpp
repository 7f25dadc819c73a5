#include "output_steps.h"

#include <cmath>
#include <cstdint>

int4 count_output_steps(int4 num_moments, int4 stepsize)
{
    if (num_moments < 1 || stepsize < 1) return 0;
    return (num_moments - 1) / stepsize + 1;
}

bool is_output_step(int4 moment, int4 stepsize)
{
    return (moment - 1) % stepsize == 0;
}

int4 wrapping_product(int4 a, int4 b)
{
    return static_cast<int4>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

int4 wrapping_difference(int4 a, int4 b)
{
    return static_cast<int4>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

bool progress_due(int4 moment, int4 num_moments)
{
    const int4 divisor = num_moments / 20;
    return divisor == 0 || moment % divisor == 0;
}

int4 progress_percentage(int4 moment, int4 num_moments)
{
    if (num_moments == 0) return 0;
    const float share = static_cast<float>(static_cast<double>(moment) * 100.0 / num_moments);
    return static_cast<int4>(std::lround(share));
}
