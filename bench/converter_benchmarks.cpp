// torvautil against its NetCDF writes. Each case's working directory (grid
// input files and linkage file) is laid out untimed the first time it is
// needed; a run is timed from start to exit of the child process.
#include "converter_benchmarks.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <exception>
#include <fstream>
#include <map>
#include <memory>

#include "bare_frame_reader.h"
#include "child_process.h"
#include "converter_workdir.h"
#include "netcdf_baseline.h"

namespace bench {

namespace {

std::string run_name(int moments)
{
    return "torvautil_" + std::to_string(moments) + "_moments";
}

// Working directories by number of moments.
std::map<int, std::filesystem::path> workdirs;

const std::filesystem::path& workdir_for(const converter_plan& plan, int moments)
{
    auto found = workdirs.find(moments);
    if (found != workdirs.end()) return found->second;
    const std::filesystem::path dir = plan.scratch / ("converter-" + std::to_string(moments));
    case_size size = plan.speed_case;
    size.moments = moments;
    lay_out_workdir(estuary_case(size), dir);
    return workdirs.emplace(moments, dir).first->second;
}

void torvautil_run(benchmark::State& state, converter_plan plan, int moments)
{
    try {
        const std::filesystem::path& dir = workdir_for(plan, moments);
        const std::string peak_file = (plan.scratch / "torvautil-peak.txt").string();
        const std::string console = (dir / "console.txt").string();
        for (auto _ : state) {
            const child_result result = run_child({own_program_path(), "--peak-of", peak_file, plan.torvautil},
                                                  dir.string(), converter_answers(), console);
            state.SetIterationTime(result.wall_seconds);
            // A run that stops early would look fast: it must end normally and
            // leave its last file.
            if (!result.exited_normally || result.exit_status != 0 ||
                !std::filesystem::exists(dir / "output" / "Model_dim.txt")) {
                state.SkipWithError(("torvautil did not finish; see " + console).c_str());
                return;
            }
            std::filesystem::remove(dir / "output" / "Model_dim.txt");
        }
        long peak_kib = 0;
        std::ifstream(peak_file) >> peak_kib;
        state.counters["peak_MiB"] = static_cast<double>(peak_kib) / 1024.0;
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void netcdf_baseline_run(benchmark::State& state, converter_plan plan)
{
    try {
        const estuary_case estuary(plan.speed_case);
        const netcdf_baseline baseline(estuary);
        const std::filesystem::path folder = plan.scratch / "netcdf-baseline";
        std::filesystem::create_directories(folder);
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            baseline.write(folder, plan.speed_case.moments);
            state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

// The NetCDF writes together with the bare reading of the linkage file
// (read() and uncompress of every frame): the work a converter cannot avoid.
void netcdf_with_bare_read_run(benchmark::State& state, converter_plan plan)
{
    try {
        const estuary_case estuary(plan.speed_case);
        const netcdf_baseline baseline(estuary);
        const std::string linkage = (workdir_for(plan, plan.speed_case.moments) / linkage_file_name).string();
        const std::filesystem::path folder = plan.scratch / "netcdf-baseline";
        std::filesystem::create_directories(folder);
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            bare_frame_reader reader(linkage, estuary.segments().size() * estuary_case::segment_constituents,
                                     estuary.flow_paths().size() * estuary_case::flow_constituents);
            baseline.write(folder, plan.speed_case.moments, [&] { reader.load_moment(); });
            state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

}  // namespace

void register_converter_benchmarks(const converter_plan& plan)
{
    // The memory run comes first: the speed runs then take turns with the
    // baseline.
    benchmark::RegisterBenchmark(run_name(plan.memory_moments).c_str(), torvautil_run, plan, plan.memory_moments)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    for (int round = 0; round < (plan.quick ? 1 : 3); ++round) {
        benchmark::RegisterBenchmark(run_name(plan.speed_case.moments).c_str(), torvautil_run, plan,
                                     plan.speed_case.moments)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
        benchmark::RegisterBenchmark("netcdf_baseline", netcdf_baseline_run, plan)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
        benchmark::RegisterBenchmark("netcdf_with_bare_read", netcdf_with_bare_read_run, plan)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
}

void report_converter_ratios(baseline_report& report, const converter_plan& plan)
{
    std::printf("\nAgainst the baselines of this run:\n");
    report.time_ratio("torvautil/NetCDF writes", run_name(plan.speed_case.moments), "netcdf_baseline", 1.3);
    // For the record: against the writes plus the reading no converter avoids.
    report.time_ratio("torvautil/writes+bare read", run_name(plan.speed_case.moments), "netcdf_with_bare_read", 1.3);
    report.counter_ratio("torvautil peak, " + std::to_string(plan.speed_case.moments) + "/" +
                             std::to_string(plan.memory_moments) + " moments",
                         "peak_MiB", run_name(plan.speed_case.moments), run_name(plan.memory_moments), 1.1);
    const std::size_t cells = static_cast<std::size_t>(plan.speed_case.im) * plan.speed_case.jm * plan.speed_case.km;
    std::printf("(one grid array of %dx%dx%d 4-byte values is %.1f MiB)\n", plan.speed_case.im, plan.speed_case.jm,
                plan.speed_case.km, static_cast<double>(cells) * 4 / (1024.0 * 1024.0));
}

}  // namespace bench
