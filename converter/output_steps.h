// Arithmetic of the output steps, kept apart so that it can be tested alone.
#pragma once

#include "precmod.h"

// Moment numbers 1, 1 + stepsize, 1 + 2 stepsize, ... up to num_moments
// (stepsize of 1 or more).
int4 count_output_steps(int4 num_moments, int4 stepsize);

bool is_output_step(int4 moment, int4 stepsize);

// a x b and a - b in 32-bit wrapping arithmetic, as the time stamps are kept.
int4 wrapping_product(int4 a, int4 b);
int4 wrapping_difference(int4 a, int4 b);

// The progress line comes at every num_moments / 20-th moment; with fewer
// than 20 moments that divisor is 0, and every output step gets one.
bool progress_due(int4 moment, int4 num_moments);

// moment x 100 / num_moments in real arithmetic, rounded to a 4-byte real,
// then to the nearest integer with halves away from zero.
int4 progress_percentage(int4 moment, int4 num_moments);
