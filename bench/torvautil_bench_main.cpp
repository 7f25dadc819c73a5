// torvautil_bench: the converter's speed and memory against the bare work of
// the same run (frames read and inflated, NetCDF files written), measured in
// the same run.
//
//   torvautil_bench [--quick] [Google Benchmark flags]
//
// --quick runs every benchmark once on a small grid; without it the grid is
// 100 x 100 x 10 with a segment in most cells and 100 hourly moments.
// Run as "torvautil_bench --peak-of <file> <program>" it is the launcher that
// measures a child's peak memory (see child_process.h).
// "torvautil_bench [--quick] --workdir <folder>" only lays out the case's
// working directory in the folder (answers: Y, estuary.hyd, y, 1, Enter),
// for profiling torvautil on it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "baseline_report.h"
#include "child_process.h"
#include "converter_benchmarks.h"
#include "converter_workdir.h"
#include "quick_flag.h"
#include "scratch_directory.h"

#ifndef TORVAUTIL_PROGRAM
#error "TORVAUTIL_PROGRAM names the converter to measure"
#endif

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--peak-of") == 0)
        return bench::run_measuring_peak(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    const bool quick = bench::take_quick_flag(argc, argv);
    const bench::case_size speed_case = quick ? bench::case_size{24, 20, 4, 20} : bench::case_size{100, 100, 10, 100};
    if (argc == 3 && std::strcmp(argv[1], "--workdir") == 0) {
        try {
            bench::lay_out_workdir(bench::estuary_case(speed_case), argv[2]);
            return 0;
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "torvautil_bench: %s\n", failure.what());
            return 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    try {
        const bench::scratch_directory scratch;
        const bench::converter_plan plan{speed_case, 10, quick ? 1 : 7, scratch.path(), TORVAUTIL_PROGRAM};
        const bench::estuary_case estuary(plan.speed_case);
        std::printf(
            "Converter case: %d x %d x %d grid, %zu segments (%.0f%% of the cells), %zu flow paths, %d moments\n",
            plan.speed_case.im, plan.speed_case.jm, plan.speed_case.km, estuary.segments().size(),
            100.0 * estuary.segments().size() / (plan.speed_case.im * plan.speed_case.jm * plan.speed_case.km),
            estuary.flow_paths().size(), plan.speed_case.moments);

        bench::register_converter_benchmarks(plan);
        bench::baseline_report report;
        benchmark::RunSpecifiedBenchmarks(&report);
        if (quick) std::printf("\nQuick run: small cases, one iteration each; these figures mean nothing.");
        bench::report_converter_ratios(report, plan);
        if (report.any_failed()) {
            std::fprintf(stderr, "%s: a benchmark failed\n", argv[0]);
            return 1;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "torvautil_bench: %s\n", failure.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
