// The console report of a benchmark run, followed by each measurement set
// against its baseline from the same run: a ratio, its target, and whether
// the target is met.
//
// A benchmark's figure is the mean over all its iterations in the run: a
// name registered several times (library and baseline taking turns) counts
// every round.
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
    // Wall time of `subject` over that of `baseline`: at most `target`.
    void time_ratio(const std::string& title, const std::string& subject, const std::string& baseline, double target);
    // Nanoseconds per iteration of `subject` (at most `target_ns`), with the
    // baseline's for comparison.
    void call_cost(const std::string& title, const std::string& subject, const std::string& baseline, double target_ns);
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
        double seconds = 0.0;  // per iteration
        double total_seconds = 0.0;
        double iterations = 0.0;
        std::map<std::string, double> counters;
        bool failed = false;
    };
    std::optional<figure> find(const std::string& name) const;
    void verdict(const std::string& title, const std::string& figures, double ratio, bool ok, const char* target);

    std::map<std::string, figure> figures;
    bool met = true;
    int failed_runs = 0;
};

}  // namespace bench

#endif
