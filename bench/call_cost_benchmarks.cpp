// One cheap export with its call timer running, against the dataset
// operation it hands its work to, called directly.
#include <benchmark/benchmark.h>

#include <exception>
#include <string>

#include "export_writer.h"
#include "library_benchmarks.h"
#include "tidewire.h"
#include "tidewiredata.h"

namespace bench {

namespace {

constexpr int32_t segment_count = 1000;

void twgetnumsegments_export(benchmark::State& state, std::string path)
{
    const int32_t write_mode = 1;
    int32_t handle = 0, error = 0, count = 0;
    try {
        _twopen(path.c_str(), &write_mode, &handle, &error);
        check_export(error, "_twopen");
        _twsetnumsegments(&handle, &segment_count, &error);
        check_export(error, "_twsetnumsegments");
        for (auto _ : state) {
            _twgetnumsegments(&handle, &count, &error);
            benchmark::DoNotOptimize(count);
        }
        check_export(error, "_twgetnumsegments");
        if (count != segment_count) state.SkipWithError("_twgetnumsegments gave the wrong count");
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
    _twclose(&handle, &error);
}

void getnumsegments_direct(benchmark::State& state, std::string path)
{
    try {
        tidewire_data dataset(path, 1);
        dataset.setnumsegments(segment_count);
        int32_t count = 0;
        for (auto _ : state) {
            dataset.getnumsegments(count);
            benchmark::DoNotOptimize(count);
        }
        if (count != segment_count) state.SkipWithError("getnumsegments gave the wrong count");
        dataset.write_header();
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

}  // namespace

void register_call_cost_benchmarks(const library_plan& plan)
{
    const std::string path = (plan.scratch / "call-cost.twl").string();
    for (int round = 0; round < (plan.quick ? 1 : 2); ++round) {
        benchmark::RegisterBenchmark("twgetnumsegments_export", twgetnumsegments_export, path);
        benchmark::RegisterBenchmark("getnumsegments_direct", getnumsegments_direct, path);
    }
}

}  // namespace bench
