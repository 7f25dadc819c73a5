// Numeric kinds of the converter's state: every integer is a signed 32-bit
// integer and every real a 4-byte IEEE float unless a field says 8-byte.
#pragma once

#include <cstdint>
#include <limits>

using real4 = float;
using real8 = double;
using int4 = std::int32_t;
using int8 = std::int64_t;

static_assert(sizeof(real4) == 4 && std::numeric_limits<real4>::is_iec559, "real4 must be an IEEE single");
static_assert(sizeof(real8) == 8 && std::numeric_limits<real8>::is_iec559, "real8 must be an IEEE double");
