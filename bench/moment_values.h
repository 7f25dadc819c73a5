// The values of one moment of a case, one array per constituent, as a model
// holds them before it hands them to the library (or to the bare baseline).
#ifndef BENCH_MOMENT_VALUES_H
#define BENCH_MOMENT_VALUES_H

#include <array>
#include <vector>

#include "estuary_case.h"

namespace bench {

struct moment_values {
    explicit moment_values(const estuary_case& estuary);

    // The case's values at `moment` (from 0), and its time step in days.
    void fill(const estuary_case& estuary, int moment);

    float time_step = 1.0f / 24.0f;
    std::array<std::vector<float>, estuary_case::segment_constituents> segment;
    std::array<std::vector<float>, estuary_case::flow_constituents> flow;
};

}  // namespace bench

#endif
