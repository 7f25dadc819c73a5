// Single-precision sine, cosine, tangent and whole powers that give the same
// bits in every build. The C runtimes' sinf, cosf, tanf and powf differ in the
// last bit for some arguments (glibc's, MinGW's and the Windows runtime's are
// different code), and a latitude in latlon.dat shows that bit. These work in
// double precision with nothing but IEEE arithmetic, which every build does
// alike, and round once to float: correctly rounded but for results within
// about 1e-16 of a rounding boundary, and never different between builds.
// Square roots need none of this: IEEE arithmetic rounds them correctly.
//
//   real4 s = portable_math::sin(2.0f * mu);
//   real4 d6 = portable_math::power(d, 6);   // D to the 6th
#pragma once

#include "precmod.h"

namespace portable_math {

real4 sin(real4 x);
real4 cos(real4 x);
real4 tan(real4 x);
// base to a whole, non-negative exponent (0 gives 1).
real4 power(real4 base, unsigned exponent);

}  // namespace portable_math
