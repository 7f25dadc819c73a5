// The console report of a benchmark run, followed by each measurement set
// against its baseline from the same run: a ratio, its target, and whether
// the target is met.
//
// A benchmark's figure is the median over the rounds of the run (a name
// registered several times, library and baseline taking turns), each round's
// figure being the mean of its iterations: one round disturbed by the other
// work of a shared machine moves it little. Counters are taken the same way.
#ifndef BENCH_BASELINE_REPORT_H
#define BENCH_BASELINE_REPORT_H

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

class baseline_report : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal.
    baseline_report();
    void ReportRuns(const std::vector<Run>& runs) override;

    // Throughput of `subject` over that of `baseline` (both process the same
    // bytes per iteration): at least `target`.
    void throughput_ratio(const std::string& title, const std::string& subject, const std::string& baseline,
                          double target);
    // Wall time of `subject` over that of `baseline`: at most `target`. When
    // both have the counter "cpu_s" (processor seconds, user and system), that
    // ratio follows for comparison: it moves less with the machine's load.
    void time_ratio(const std::string& title, const std::string& subject, const std::string& baseline, double target);
    // Nanoseconds per iteration of `subject` (at most `target_ns`), with the
    // baseline's for comparison.
    void call_cost(const std::string& title, const std::string& subject, const std::string& baseline, double target_ns);
    // The wall time of `part` and its share of that of `whole`, for the
    // record (no target).
    void time_part(const std::string& title, const std::string& part, const std::string& whole);
    // A counter of `larger` over the same counter of `smaller`: at most
    // `target`.
    void counter_ratio(const std::string& title, const std::string& counter, const std::string& larger,
                       const std::string& smaller, double target);

    // Whether every comparison printed so far met its target.
    bool all_met() const { return met; }
    // Whether some benchmark reported an error (its figures are missing).
    bool any_failed() const { return failed_runs > 0; }

private:
    struct figure {
        double seconds = 0.0;  // per iteration, median of the rounds
        std::map<std::string, double> counters;
        bool failed = false;
    };
    struct rounds {
        std::vector<double> seconds;
        std::map<std::string, std::vector<double>> counters;
        bool failed = false;
    };
    std::optional<figure> find(const std::string& name) const;
    void verdict(const std::string& title, const std::string& figures, double ratio, bool ok, const char* target);

    std::map<std::string, rounds> measured;
    bool met = true;
    int failed_runs = 0;
};

}  // namespace bench

#endif
