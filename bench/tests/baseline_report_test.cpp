// The comparisons printed after a run: which way round each ratio is taken,
// the median over the rounds of a name, and what happens to failed runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "baseline_report.h"

namespace bench {
namespace {

using benchmark_run = benchmark::BenchmarkReporter::Run;

benchmark_run iteration_run(const std::string& name, double seconds, int64_t iterations, double frame_mb = 0.0)
{
    benchmark_run run;
    run.run_name.function_name = name;
    run.run_type = benchmark_run::RT_Iteration;
    run.iterations = iterations;
    run.real_accumulated_time = seconds;
    run.time_unit = benchmark::kMillisecond;
    if (frame_mb > 0.0) run.counters["frame_MB"] = benchmark::Counter(frame_mb);
    return run;
}

// The report of the runs, then the lines of `compare`.
template <class Compare>
std::string comparison(const std::vector<benchmark_run>& runs, Compare compare)
{
    baseline_report report;
    testing::internal::CaptureStdout();
    report.ReportRuns(runs);
    testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    compare(report);
    return testing::internal::GetCapturedStdout();
}

TEST(BaselineReport, AThroughputRatioIsTheBaselinesTimeOverTheSubjects)
{
    const std::string text =
        comparison({iteration_run("subject", 4.0, 2, 100.0), iteration_run("baseline", 1.9, 2, 100.0)},
                   [](baseline_report& report) { report.throughput_ratio("write", "subject", "baseline", 0.97); });
    EXPECT_NE(text.find("library    50.0 MB/s, baseline   105.3 MB/s"), std::string::npos) << text;
    EXPECT_NE(text.find("ratio  0.475"), std::string::npos) << text;
    EXPECT_NE(text.find("MISSED"), std::string::npos) << text;
}

TEST(BaselineReport, ATimeRatioIsTheSubjectsMedianRoundOverTheBaselinesWithProcessorTimes)
{
    const auto round = [](const std::string& name, double seconds, double cpu_seconds) {
        benchmark_run run = iteration_run(name, seconds, 1);
        run.counters["cpu_s"] = benchmark::Counter(cpu_seconds);
        return run;
    };
    baseline_report report;
    testing::internal::CaptureStdout();
    // Three rounds of the subject, one disturbed: 1 s, 9 s and 2 s, a median of 2 s.
    report.ReportRuns({round("subject", 1.0, 0.9)});
    report.ReportRuns({round("baseline", 1.6, 1.5)});
    report.ReportRuns({round("subject", 9.0, 1.2)});
    report.ReportRuns({round("subject", 2.0, 1.0)});
    testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    report.time_ratio("converter", "subject", "baseline", 1.3);
    const std::string text = testing::internal::GetCapturedStdout();
    EXPECT_NE(text.find("2.000 s against the baseline's 1.600 s"), std::string::npos) << text;
    EXPECT_NE(text.find("ratio  1.250"), std::string::npos) << text;
    EXPECT_NE(text.find(" met"), std::string::npos) << text;
    EXPECT_NE(text.find("processor time 1.000 s against 1.500 s, ratio  0.667"), std::string::npos) << text;
    EXPECT_TRUE(report.all_met());
}

TEST(BaselineReport, AFailedRunIsNotMeasuredAndCounted)
{
    benchmark_run failed = iteration_run("subject", 1.0, 1);
    failed.error_occurred = true;
    failed.error_message = "child failed";
    baseline_report report;
    testing::internal::CaptureStdout();
    report.ReportRuns({failed, iteration_run("baseline", 1.0, 1)});
    report.time_ratio("converter", "subject", "baseline", 1.3);
    const std::string text = testing::internal::GetCapturedStdout();
    EXPECT_NE(text.find("not measured"), std::string::npos) << text;
    EXPECT_TRUE(report.any_failed());
}

TEST(BaselineReport, ACounterRatioComparesTheLargerCaseWithTheSmaller)
{
    benchmark_run many = iteration_run("many", 1.0, 1), few = iteration_run("few", 1.0, 1);
    many.counters["peak_MiB"] = benchmark::Counter(12.0);
    few.counters["peak_MiB"] = benchmark::Counter(10.0);
    const std::string text = comparison(
        {many, few}, [](baseline_report& report) { report.counter_ratio("peak", "peak_MiB", "many", "few", 1.05); });
    EXPECT_NE(text.find("ratio  1.200"), std::string::npos) << text;
    EXPECT_NE(text.find("MISSED"), std::string::npos) << text;
}

}  // namespace
}  // namespace bench
