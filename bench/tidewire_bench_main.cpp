// tidewire_bench: the library's speed and memory against baselines measured
// in the same run.
//
//   tidewire_bench [--quick] [Google Benchmark flags]
//
// --quick runs every benchmark once on a small case (to keep them working);
// without it the large case is measured: 108,808 segments x 5 constituents,
// 305,627 flow paths x 3 constituents, 24 hourly moments.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "baseline_report.h"
#include "library_benchmarks.h"
#include "quick_flag.h"
#include "scratch_directory.h"

namespace {

bench::library_plan make_plan(bool quick, const std::filesystem::path& scratch)
{
    if (quick) return {{22, 18, 3, 4}, {22, 18, 3, 5}, 40, true, scratch};
    return {{202, 102, 6, 24}, {62, 52, 5, 10}, 1000, false, scratch};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--memory-child") == 0) return bench::run_memory_child(argc, argv);
    const bool quick = bench::take_quick_flag(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    try {
        const bench::scratch_directory scratch;
        // LOG.TXT, which every close appends to, goes to the scratch directory.
        if (::chdir(scratch.path().c_str()) != 0) throw std::runtime_error("cannot enter the scratch directory");
        const bench::library_plan plan = make_plan(quick, scratch.path());
        const bench::estuary_case io_case(plan.io_case);
        std::printf("Large case: %zu segments x %d, %zu flow paths x %d, %d moments, %.1f MB of frames per moment\n",
                    io_case.segments().size(), bench::estuary_case::segment_constituents, io_case.flow_paths().size(),
                    bench::estuary_case::flow_constituents, plan.io_case.moments, io_case.frame_bytes() / 1e6);

        bench::register_io_benchmarks(plan);
        bench::register_call_cost_benchmarks(plan);
        bench::register_memory_benchmarks(plan);
        bench::baseline_report report;
        benchmark::RunSpecifiedBenchmarks(&report);
        if (plan.quick) std::printf("\nQuick run: small cases, one iteration each; these figures mean nothing.");
        bench::report_library_ratios(report, plan);
        if (report.any_failed()) {
            std::fprintf(stderr, "%s: a benchmark failed\n", argv[0]);
            return 1;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tidewire_bench: %s\n", failure.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
