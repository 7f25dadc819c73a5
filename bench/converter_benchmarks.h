// The converter's benchmarks:
//   torvautil_<n>_moments   torvautil run on a case of n moments (a child
//                           process under the peak-measuring launcher)
//   bare_work               the least work that the same run needs: read()
//                           and uncompress of every frame of the linkage file,
//                           and the same ten NetCDF files written with the
//                           converter's block size, record by record
//   bare_frame_reading      its first part alone
//   bare_netcdf_writing     its second part alone
// Each reports its processor seconds (counter cpu_s) beside its wall time.
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
    int rounds;            // of the speed run and the baselines, taking turns
    std::filesystem::path scratch;
    std::string torvautil;  // the program's path
};

void register_converter_benchmarks(const converter_plan& plan);
void report_converter_ratios(baseline_report& report, const converter_plan& plan);

}  // namespace bench

#endif
