// Writing and reading a large case through the exports, against the bare
// zlib work on the same frames. Only the moments and the close are timed
// (manual time): opening, the header and the tables are set up untimed, and
// each moment's values are computed untimed before they are handed over.
#include <benchmark/benchmark.h>

#include <chrono>
#include <exception>
#include <memory>
#include <string>

#include "bare_frame_reader.h"
#include "bare_frame_writer.h"
#include "export_reader.h"
#include "export_writer.h"
#include "header_block.h"
#include "library_benchmarks.h"
#include "moment_values.h"

namespace bench {

namespace {

using clock_type = std::chrono::steady_clock;

double seconds_since(clock_type::time_point start)
{
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

// The case, its header block for the baseline, and the file that the read
// benchmarks share (written the first time one of them runs).
struct io_fixture {
    io_fixture(const case_size& size, const std::filesystem::path& scratch)
        : estuary(size),
          header(encode_header_block(estuary, size.moments, end_time_of(size.moments, 1.0f / 24.0f))),
          write_path((scratch / "write.twl").string()),
          bare_write_path((scratch / "write-bare.twl").string()),
          read_path((scratch / "read.twl").string())
    {
    }

    const std::string& file_to_read()
    {
        if (!read_file_written) {
            write_case_file(estuary, read_path);
            read_file_written = true;
        }
        return read_path;
    }
    std::size_t segment_values() const { return estuary.segments().size() * estuary_case::segment_constituents; }
    std::size_t flow_values() const { return estuary.flow_paths().size() * estuary_case::flow_constituents; }
    double frame_megabytes() const { return static_cast<double>(estuary.frame_bytes()) * estuary.size().moments / 1e6; }

    estuary_case estuary;
    std::vector<unsigned char> header;
    std::string write_path, bare_write_path, read_path;
    bool read_file_written = false;
};

std::unique_ptr<io_fixture> fixture;

void count_frames(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fixture->estuary.frame_bytes()) * fixture->estuary.size().moments);
    state.counters["frame_MB"] = fixture->frame_megabytes();
}

void write_through_exports(benchmark::State& state)
{
    try {
        moment_values values(fixture->estuary);
        for (auto _ : state) {
            export_writer writer(fixture->estuary, fixture->write_path);
            double seconds = 0.0;
            for (int moment = 0; moment < fixture->estuary.size().moments; ++moment) {
                values.fill(fixture->estuary, moment);
                const auto start = clock_type::now();
                writer.complete_moment(values);
                seconds += seconds_since(start);
            }
            const auto start = clock_type::now();
            writer.close();
            state.SetIterationTime(seconds + seconds_since(start));
        }
        count_frames(state);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void write_bare_zlib(benchmark::State& state)
{
    try {
        moment_values values(fixture->estuary);
        for (auto _ : state) {
            bare_frame_writer writer(fixture->bare_write_path, fixture->segment_values(), fixture->flow_values(), 6);
            double seconds = 0.0;
            for (int moment = 0; moment < fixture->estuary.size().moments; ++moment) {
                values.fill(fixture->estuary, moment);
                const auto start = clock_type::now();
                writer.write_moment(values);
                seconds += seconds_since(start);
            }
            const auto start = clock_type::now();
            writer.finish(fixture->header);
            state.SetIterationTime(seconds + seconds_since(start));
        }
        count_frames(state);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void read_through_exports(benchmark::State& state)
{
    try {
        const std::string& path = fixture->file_to_read();
        moment_values values(fixture->estuary);
        // Where the time goes: opening (header block and first frame), copying
        // the values out, loading the later frames.
        double open_seconds = 0.0, copy_seconds = 0.0, load_seconds = 0.0;
        for (auto _ : state) {
            const auto start = clock_type::now();
            export_reader reader(path);
            open_seconds += seconds_since(start);
            for (int32_t moment = 0; moment < reader.moments(); ++moment) {
                const auto copy_start = clock_type::now();
                reader.read_moment(values);
                const auto load_start = clock_type::now();
                reader.next_moment();
                copy_seconds += std::chrono::duration<double>(load_start - copy_start).count();
                load_seconds += seconds_since(load_start);
            }
            reader.close();
            state.SetIterationTime(seconds_since(start));
            benchmark::DoNotOptimize(values.segment[0].data());
        }
        count_frames(state);
        const auto per_iteration_ms = [&](double seconds) {
            return benchmark::Counter(seconds * 1e3 / static_cast<double>(state.iterations()));
        };
        state.counters["open_ms"] = per_iteration_ms(open_seconds);
        state.counters["copy_ms"] = per_iteration_ms(copy_seconds);
        state.counters["load_ms"] = per_iteration_ms(load_seconds);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void read_bare_zlib(benchmark::State& state)
{
    try {
        const std::string& path = fixture->file_to_read();
        for (auto _ : state) {
            const auto start = clock_type::now();
            bare_frame_reader reader(path, fixture->segment_values(), fixture->flow_values());
            for (int moment = 0; moment < fixture->estuary.size().moments; ++moment) reader.load_moment();
            benchmark::DoNotOptimize(reader.segment_frame().data());
            state.SetIterationTime(seconds_since(start));
        }
        count_frames(state);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

}  // namespace

void register_io_benchmarks(const library_plan& plan)
{
    fixture = std::make_unique<io_fixture>(plan.io_case, plan.scratch);
    // Library and baseline take turns, so that a slow spell of the machine
    // falls on both.
    const int rounds = plan.quick ? 1 : 3;
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [name, function] :
             {std::pair{"write_through_exports", write_through_exports}, std::pair{"write_bare_zlib", write_bare_zlib},
              std::pair{"read_through_exports", read_through_exports}, std::pair{"read_bare_zlib", read_bare_zlib}}) {
            benchmark::RegisterBenchmark(name, function)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(plan.quick ? 1 : 2);
        }
    }
}

}  // namespace bench
