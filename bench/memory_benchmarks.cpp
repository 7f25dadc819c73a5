// Peak resident memory of the library while it writes and while it reads one
// case with few and with many moments, each in a fresh child process (this
// program run again as a memory child) that reports its own peak.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "export_reader.h"
#include "export_writer.h"
#include "library_benchmarks.h"
#include "moment_values.h"

namespace bench {

namespace {

// Memory does not depend on the level; level 1 keeps 1000 moments quick.
constexpr int32_t memory_compression_level = 1;

void memory_child(benchmark::State& state, library_plan plan, std::string activity, int moments)
{
    const std::string file = (plan.scratch / ("memory-" + std::to_string(moments) + ".twl")).string();
    const std::string report = (plan.scratch / "memory-child.txt").string();
    const case_size& size = plan.memory_case;
    const auto child = [&](const std::string& what) {
        return run_child({own_program_path(), "--memory-child", what, std::to_string(size.im), std::to_string(size.jm),
                          std::to_string(size.km), std::to_string(moments), file},
                         plan.scratch.string(), "", report);
    };
    try {
        // A reading child needs the file a writing child leaves; when the
        // writing benchmark did not run, the file is written here, untimed.
        if (activity == "read" && !std::filesystem::exists(file) && child("write").exit_status != 0) {
            state.SkipWithError("the memory child could not write its file");
            return;
        }
        for (auto _ : state) {
            const child_result result = child(activity);
            state.SetIterationTime(result.wall_seconds);
            if (!result.exited_normally || result.exit_status != 0) {
                state.SkipWithError(
                    ("the memory child failed with status " + std::to_string(result.exit_status)).c_str());
                return;
            }
        }
        long peak_kib = 0;
        std::ifstream(report) >> peak_kib;
        state.counters["peak_MiB"] = static_cast<double>(peak_kib) / 1024.0;
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

std::string memory_name(const char* activity, int moments)
{
    return std::string("memory_") + activity + "_" + std::to_string(moments) + "_moments";
}

}  // namespace

void register_memory_benchmarks(const library_plan& plan)
{
    // Writing comes first: the reading children read the files it leaves.
    for (const char* activity : {"write", "read"})
        for (int moments : {plan.memory_case.moments, plan.memory_moments_large})
            benchmark::RegisterBenchmark(memory_name(activity, moments).c_str(), memory_child, plan, activity, moments)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
}

int run_memory_child(int argc, char** argv)
{
    if (argc != 8) {
        std::fprintf(stderr, "usage: --memory-child write|read IM JM KM moments file\n");
        return 2;
    }
    try {
        const std::string activity = argv[2];
        const case_size size{std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
        const std::string file = argv[7];
        const estuary_case estuary(size);
        if (activity == "write") {
            write_case_file(estuary, file, memory_compression_level);
        } else {
            moment_values values(estuary);
            export_reader reader(file);
            if (reader.moments() != size.moments) throw std::runtime_error("the file has the wrong number of moments");
            for (int32_t moment = 0; moment < reader.moments(); ++moment) {
                reader.read_moment(values);
                reader.next_moment();
            }
            reader.close();
        }
        std::printf("%ld\n", own_peak_rss_kib());
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "memory child: %s\n", failure.what());
        return 1;
    }
}

void report_library_ratios(baseline_report& report, const library_plan& plan)
{
    std::printf("\nAgainst the baselines of this run:\n");
    report.throughput_ratio("write (exports/zlib)", "write_through_exports", "write_bare_zlib", 0.97);
    report.throughput_ratio("read (exports/zlib)", "read_through_exports", "read_bare_zlib", 0.97);
    report.call_cost("_twgetnumsegments", "twgetnumsegments_export", "getnumsegments_direct", 100.0);
    const std::string few = std::to_string(plan.memory_case.moments);
    const std::string many = std::to_string(plan.memory_moments_large);
    report.counter_ratio("write peak, " + many + "/" + few + " moments", "peak_MiB",
                         memory_name("write", plan.memory_moments_large),
                         memory_name("write", plan.memory_case.moments), 1.05);
    report.counter_ratio("read peak, " + many + "/" + few + " moments", "peak_MiB",
                         memory_name("read", plan.memory_moments_large), memory_name("read", plan.memory_case.moments),
                         1.05);
}

}  // namespace bench
