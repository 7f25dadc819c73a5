// The header block of a case's linkage file, encoded for the bare baseline
// writer: the same fields and tables, in the same little-endian layout, that
// the library appends at close, so that the baseline writes as many bytes.
#ifndef BENCH_HEADER_BLOCK_H
#define BENCH_HEADER_BLOCK_H

#include <vector>

#include "estuary_case.h"

namespace bench {

std::vector<unsigned char> encode_header_block(const estuary_case& estuary, int moments, float end_time);

// The end time of `moments` steps of `step` days, summed as a writer sums them.
float end_time_of(int moments, float step);

}  // namespace bench

#endif
