// The converter's benchmarks:
//   torvautil_<n>_moments   torvautil run on a case of n moments (a child
//                           process under the peak-measuring launcher)
//   netcdf_baseline         the same ten NetCDF files written and nothing else
//   netcdf_with_bare_read   the same, with read() and uncompress of every
//                           frame of the linkage file
#ifndef BENCH_CONVERTER_BENCHMARKS_H
#define BENCH_CONVERTER_BENCHMARKS_H

#include <filesystem>
#include <string>

#include "baseline_report.h"
#include "estuary_case.h"

namespace bench {

struct converter_plan {
    case_size speed_case;  // its moments: every one is an output step
    int memory_moments;    // a second run of the same grid with fewer moments
    bool quick;
    std::filesystem::path scratch;
    std::string torvautil;  // the program's path
};

void register_converter_benchmarks(const converter_plan& plan);
void report_converter_ratios(baseline_report& report, const converter_plan& plan);

}  // namespace bench

#endif
