#include "portable_math.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace portable_math {
namespace {

// Sine and cosine of x as a reduced argument r in [-pi/4, pi/4] and the
// quadrant n (x = r + n pi/2).
struct reduced_angle {
    double r;
    long long quadrant;
};

// pi/2 in two parts: the first has 33 significant bits, so that its product
// with a quadrant number below 2^20 is exact (Cody and Waite).
constexpr double half_pi_high = 1.57079632673412561417e+00;
constexpr double half_pi_low = 6.07710050650619224932e-11;
constexpr double two_over_pi = 6.36619772367581382433e-01;
// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 to a whole number.
constexpr double round_to_whole = 6755399441055744.0;
// From here on the two-part reduction loses accuracy.
constexpr real4 large_argument = 1048576.0f;  // 2^20

reduced_angle reduce_small(real4 x)
{
    const double wide = x;
    const double n = (wide * two_over_pi + round_to_whole) - round_to_whole;
    return {(wide - n * half_pi_high) - n * half_pi_low, static_cast<long long>(n)};
}

// The first 256 bits of 2/pi after the binary point, enough for every float.
constexpr std::uint32_t two_over_pi_bits[8] = {0xa2f9836e, 0x4e441529, 0xfc2757d1, 0xf534ddc0,
                                               0xdb629599, 0x3c439041, 0xfe5163ab, 0xdebbc561};

// 32 bits of 2/pi from bit `first` on (1 is the first after the point; the
// bits before the point are 0).
std::uint64_t two_over_pi_word(int first)
{
    std::uint64_t word = 0;
    for (int k = first; k < first + 32; ++k) {
        const std::uint32_t bit = k < 1 ? 0u : (two_over_pi_bits[(k - 1) / 32] >> (31 - (k - 1) % 32)) & 1u;
        word = (word << 1) | bit;
    }
    return word;
}

// A float x is M * 2^e with a whole 24-bit M: x * 2/pi modulo 4 needs only the
// bits of 2/pi near position e, so it is taken exactly enough in integers
// (Payne and Hanek), as u = (x * 2/pi mod 4) * 2^62.
reduced_angle reduce_large(real4 x)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const std::uint64_t mantissa = (bits & 0x7fffffu) | 0x800000u;
    const int scale = static_cast<int>((bits >> 23) & 0xffu) - 150 + 62;
    const std::uint64_t u = ((mantissa * two_over_pi_word(scale - 63)) << 32) +
                            mantissa * two_over_pi_word(scale - 31) + ((mantissa * two_over_pi_word(scale + 1)) >> 32);
    std::uint64_t quadrant = (u + (std::uint64_t{1} << 61)) >> 62;
    // The rest, in [-2^61, 2^61) units of 2^-62 quarter turns.
    const std::uint64_t rest = u - (quadrant << 62);
    double fraction = rest < (std::uint64_t{1} << 63) ? static_cast<double>(static_cast<std::int64_t>(rest))
                                                      : -static_cast<double>(static_cast<std::int64_t>(~rest + 1));
    if ((bits >> 31) != 0) {
        quadrant = 4 - quadrant;
        fraction = -fraction;
    }
    constexpr double half_pi_per_unit = 1.57079632679489661923 / 4611686018427387904.0;  // 2^62
    return {fraction * half_pi_per_unit, static_cast<long long>(quadrant & 3)};
}

reduced_angle reduce(real4 x)
{
    return std::fabs(x) < large_argument ? reduce_small(x) : reduce_large(x);
}

// Minimax polynomials on [-pi/4, pi/4], accurate to about 1e-16: far more
// than the float results need, so that rounding once gives the same float in
// every build.
double sin_kernel(double r)
{
    const double z = r * r;
    const double p = -1.66666666666666324348e-01 +
                     z * (8.33333333332248946124e-03 +
                          z * (-1.98412698298579493134e-04 +
                               z * (2.75573137070700676789e-06 +
                                    z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10))));
    return r + r * z * p;
}

double cos_kernel(double r)
{
    const double z = r * r;
    const double p = 4.16666666666666019037e-02 +
                     z * (-1.38888888888741095749e-03 +
                          z * (2.48015872894767294178e-05 +
                               z * (-2.75573143513906633035e-07 +
                                    z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11))));
    return (1.0 - 0.5 * z) + z * z * p;
}

double sin_double(real4 x)
{
    const reduced_angle a = reduce(x);
    switch (a.quadrant & 3) {
        case 0:
            return sin_kernel(a.r);
        case 1:
            return cos_kernel(a.r);
        case 2:
            return -sin_kernel(a.r);
        default:
            return -cos_kernel(a.r);
    }
}

double cos_double(real4 x)
{
    const reduced_angle a = reduce(x);
    switch (a.quadrant & 3) {
        case 0:
            return cos_kernel(a.r);
        case 1:
            return -sin_kernel(a.r);
        case 2:
            return -cos_kernel(a.r);
        default:
            return sin_kernel(a.r);
    }
}

real4 not_a_number()
{
    return std::numeric_limits<real4>::quiet_NaN();
}

// Rounded to float; a magnitude that rounds beyond the largest float becomes
// infinity, as IEEE rounding makes it, rather than an out-of-range conversion.
real4 rounded(double value)
{
    constexpr double rounds_to_infinity = 0x1.ffffffp127;
    if (std::fabs(value) >= rounds_to_infinity) return std::copysign(std::numeric_limits<real4>::infinity(), value);
    return static_cast<real4>(value);
}

}  // namespace

real4 sin(real4 x)
{
    if (!std::isfinite(x)) return not_a_number();
    if (x == 0) return x;  // keeps the sign of a zero
    return rounded(sin_double(x));
}

real4 cos(real4 x)
{
    if (!std::isfinite(x)) return not_a_number();
    return rounded(cos_double(x));
}

real4 tan(real4 x)
{
    if (!std::isfinite(x)) return not_a_number();
    const reduced_angle a = reduce(x);
    const double s = sin_kernel(a.r);
    const double c = cos_kernel(a.r);
    return rounded((a.quadrant & 1) == 0 ? s / c : -c / s);
}

real4 power(real4 base, unsigned exponent)
{
    // Square and multiply, in double; a float's square is exact there.
    double result = 1.0;
    double factor = base;
    for (unsigned e = exponent; e > 0; e >>= 1) {
        if ((e & 1) != 0) result *= factor;
        factor *= factor;
    }
    return rounded(result);
}

}  // namespace portable_math
