// torvautil against the bare work of the same run. Each case's working
// directory (grid input files and linkage file) is laid out untimed the first
// time it is needed; a run is timed from start to exit of the child process.
#include "converter_benchmarks.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <map>

#include "bare_frame_reader.h"
#include "child_process.h"
#include "converter_workdir.h"
#include "netcdf_baseline.h"
#include "netcdf_block_size.h"

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
        const std::string measures_file = (plan.scratch / "torvautil-measures.txt").string();
        const std::string console = (dir / "console.txt").string();
        for (auto _ : state) {
            const child_result result = run_child({own_program_path(), "--peak-of", measures_file, plan.torvautil},
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
        double cpu_seconds = 0.0;
        std::ifstream(measures_file) >> peak_kib >> cpu_seconds;
        state.counters["peak_MiB"] = static_cast<double>(peak_kib) / 1024.0;
        state.counters["cpu_s"] = cpu_seconds;
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

// One iteration of `work`, timed by wall clock and processor time.
void timed_once(benchmark::State& state, const std::function<void()>& work)
{
    for (auto _ : state) {
        const double cpu_start = own_cpu_seconds();
        const auto start = std::chrono::steady_clock::now();
        work();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.counters["cpu_s"] = own_cpu_seconds() - cpu_start;
    }
}

// What the baselines share: the case, its NetCDF writer, the linkage file of
// the speed run and a folder for the files.
struct bare_case {
    explicit bare_case(const converter_plan& plan)
        : estuary(plan.speed_case),
          netcdf(estuary),
          linkage((workdir_for(plan, plan.speed_case.moments) / linkage_file_name).string()),
          folder(plan.scratch / "bare-netcdf")
    {
        std::filesystem::create_directories(folder);
    }
    bare_frame_reader open_linkage() const
    {
        return bare_frame_reader(linkage, estuary.segments().size() * estuary_case::segment_constituents,
                                 estuary.flow_paths().size() * estuary_case::flow_constituents);
    }
    int moments() const { return estuary.size().moments; }

    estuary_case estuary;
    netcdf_baseline netcdf;
    std::string linkage;
    std::filesystem::path folder;
};

// Made the first time a baseline runs, and kept for the rounds after.
const bare_case& bare_case_for(const converter_plan& plan)
{
    static const bare_case bare(plan);
    return bare;
}

// Every frame read and inflated, then the ten files written: the reading
// before each record, as the converter does it.
void bare_work_run(benchmark::State& state, converter_plan plan)
{
    try {
        const bare_case& bare = bare_case_for(plan);
        timed_once(state, [&] {
            bare_frame_reader reader = bare.open_linkage();
            bare.netcdf.write(bare.folder, bare.moments(), [&] { reader.load_moment(); });
        });
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void bare_frame_reading_run(benchmark::State& state, converter_plan plan)
{
    try {
        const bare_case& bare = bare_case_for(plan);
        timed_once(state, [&] {
            bare_frame_reader reader = bare.open_linkage();
            for (int moment = 0; moment < bare.moments(); ++moment) reader.load_moment();
        });
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void bare_netcdf_writing_run(benchmark::State& state, converter_plan plan)
{
    try {
        const bare_case& bare = bare_case_for(plan);
        timed_once(state, [&] { bare.netcdf.write(bare.folder, bare.moments()); });
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void register_once(const std::string& name, const std::function<void(benchmark::State&)>& run)
{
    benchmark::RegisterBenchmark(name.c_str(), [run](benchmark::State& state) { run(state); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace

void register_converter_benchmarks(const converter_plan& plan)
{
    // The memory run comes first; then the speed run and the baselines take
    // turns, so that a spell of load on the machine falls on all of them.
    register_once(run_name(plan.memory_moments),
                  [plan](benchmark::State& state) { torvautil_run(state, plan, plan.memory_moments); });
    for (int round = 0; round < plan.rounds; ++round) {
        register_once(run_name(plan.speed_case.moments),
                      [plan](benchmark::State& state) { torvautil_run(state, plan, plan.speed_case.moments); });
        register_once("bare_work", [plan](benchmark::State& state) { bare_work_run(state, plan); });
        register_once("bare_frame_reading", [plan](benchmark::State& state) { bare_frame_reading_run(state, plan); });
        register_once("bare_netcdf_writing", [plan](benchmark::State& state) { bare_netcdf_writing_run(state, plan); });
    }
}

void report_converter_ratios(baseline_report& report, const converter_plan& plan)
{
    std::printf("\nAgainst the baselines of this run (medians of %d rounds):\n", plan.rounds);
    report.counter_ratio("torvautil peak, " + std::to_string(plan.speed_case.moments) + "/" +
                             std::to_string(plan.memory_moments) + " moments",
                         "peak_MiB", run_name(plan.speed_case.moments), run_name(plan.memory_moments), 1.1);
    const std::size_t cells = static_cast<std::size_t>(plan.speed_case.im) * plan.speed_case.jm * plan.speed_case.km;
    std::printf("(one grid array of %dx%dx%d 4-byte values is %.1f MiB)\n", plan.speed_case.im, plan.speed_case.jm,
                plan.speed_case.km, static_cast<double>(cells) * 4 / (1024.0 * 1024.0));
    std::printf("The bare work: frames read with read() and uncompress, NetCDF files written in %zu KiB blocks.\n",
                netcdf_block_size_hint / 1024);
    report.time_part("  its frame reading", "bare_frame_reading", "bare_work");
    report.time_part("  its NetCDF writing", "bare_netcdf_writing", "bare_work");
    // The figure this program is for, last.
    report.time_ratio("torvautil / bare work", run_name(plan.speed_case.moments), "bare_work", 1.4);
}

}  // namespace bench
