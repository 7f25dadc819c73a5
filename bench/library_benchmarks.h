// The library's benchmarks, each beside its baseline:
//   write_through_exports   / write_bare_zlib   a large case written
//   read_through_exports    / read_bare_zlib    the same file read back
//   twgetnumsegments_export / getnumsegments_direct   one cheap call
//   memory_{write,read}_<n>_moments             peak memory of a child
#ifndef BENCH_LIBRARY_BENCHMARKS_H
#define BENCH_LIBRARY_BENCHMARKS_H

#include <filesystem>

#include "baseline_report.h"
#include "estuary_case.h"

namespace bench {

struct library_plan {
    case_size io_case;      // writing and reading
    case_size memory_case;  // its moments are the smaller count
    int memory_moments_large;
    bool quick;
    std::filesystem::path scratch;
};

void register_io_benchmarks(const library_plan& plan);
void register_call_cost_benchmarks(const library_plan& plan);
void register_memory_benchmarks(const library_plan& plan);

// The comparisons, printed after the run.
void report_library_ratios(baseline_report& report, const library_plan& plan);

// The child of a memory benchmark: `arguments` are "write" or "read", IM,
// JM, KM, the number of moments and the file. Prints its peak memory in KiB.
int run_memory_child(int argc, char** argv);

}  // namespace bench

#endif
