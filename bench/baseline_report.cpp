#include "baseline_report.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace bench {

baseline_report::baseline_report() : ConsoleReporter(::isatty(1) ? OO_ColorTabular : OO_Tabular) {}

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

void baseline_report::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        rounds& entry = measured[run.run_name.function_name];
        if (run.error_occurred) {
            entry.failed = true;
            ++failed_runs;
            continue;
        }
        if (run.run_type != Run::RT_Iteration || run.iterations <= 0) continue;
        entry.seconds.push_back(run.real_accumulated_time / static_cast<double>(run.iterations));
        for (const auto& counter : run.counters) entry.counters[counter.first].push_back(counter.second.value);
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<baseline_report::figure> baseline_report::find(const std::string& name) const
{
    const auto found = measured.find(name);
    if (found == measured.end() || found->second.failed || found->second.seconds.empty()) return std::nullopt;
    figure result;
    result.seconds = median(found->second.seconds);
    if (result.seconds <= 0.0) return std::nullopt;
    for (const auto& counter : found->second.counters) result.counters[counter.first] = median(counter.second);
    return result;
}

void baseline_report::verdict(const std::string& title, const std::string& figures_text, double ratio, bool ok,
                              const char* target)
{
    std::printf("%-26s %-58s ratio %6.3f  target %-8s %s\n", title.c_str(), figures_text.c_str(), ratio, target,
                ok ? "met" : "MISSED");
    met = met && ok;
}

void baseline_report::throughput_ratio(const std::string& title, const std::string& subject,
                                       const std::string& baseline, double target)
{
    const auto s = find(subject), b = find(baseline);
    if (!s || !b) {
        std::printf("%-26s not measured (%s or %s failed or was filtered out)\n", title.c_str(), subject.c_str(),
                    baseline.c_str());
        return;
    }
    const double bytes = s->counters.count("frame_MB") ? s->counters.at("frame_MB") : 0.0;
    char text[160];
    std::snprintf(text, sizeof text, "library %7.1f MB/s, baseline %7.1f MB/s", bytes / s->seconds, bytes / b->seconds);
    char target_text[16];
    std::snprintf(target_text, sizeof target_text, ">= %.2f", target);
    const double ratio = b->seconds / s->seconds;
    verdict(title, text, ratio, ratio >= target, target_text);
}

void baseline_report::time_ratio(const std::string& title, const std::string& subject, const std::string& baseline,
                                 double target)
{
    const auto s = find(subject), b = find(baseline);
    if (!s || !b) {
        std::printf("%-26s not measured (%s or %s failed or was filtered out)\n", title.c_str(), subject.c_str(),
                    baseline.c_str());
        return;
    }
    char text[160];
    std::snprintf(text, sizeof text, "%.3f s against the baseline's %.3f s", s->seconds, b->seconds);
    char target_text[16];
    std::snprintf(target_text, sizeof target_text, "<= %.2f", target);
    const double ratio = s->seconds / b->seconds;
    verdict(title, text, ratio, ratio <= target, target_text);
    const auto subject_cpu = s->counters.find("cpu_s"), baseline_cpu = b->counters.find("cpu_s");
    if (subject_cpu != s->counters.end() && baseline_cpu != b->counters.end() && baseline_cpu->second > 0.0)
        std::printf("%-26s processor time %.3f s against %.3f s, ratio %6.3f\n", "", subject_cpu->second,
                    baseline_cpu->second, subject_cpu->second / baseline_cpu->second);
}

void baseline_report::time_part(const std::string& title, const std::string& part, const std::string& whole)
{
    const auto p = find(part), w = find(whole);
    if (!p || !w) {
        std::printf("%-26s not measured (%s or %s failed or was filtered out)\n", title.c_str(), part.c_str(),
                    whole.c_str());
        return;
    }
    std::printf("%-26s %.3f s, %.0f%% of the %.3f s of %s\n", title.c_str(), p->seconds,
                100.0 * p->seconds / w->seconds, w->seconds, whole.c_str());
}

void baseline_report::call_cost(const std::string& title, const std::string& subject, const std::string& baseline,
                                double target_ns)
{
    const auto s = find(subject), b = find(baseline);
    if (!s || !b) {
        std::printf("%-26s not measured (%s or %s failed or was filtered out)\n", title.c_str(), subject.c_str(),
                    baseline.c_str());
        return;
    }
    const double subject_ns = s->seconds * 1e9, baseline_ns = b->seconds * 1e9;
    char text[160];
    std::snprintf(text, sizeof text, "%.1f ns per call, direct %.1f ns", subject_ns, baseline_ns);
    char target_text[16];
    std::snprintf(target_text, sizeof target_text, "< %.0f ns", target_ns);
    verdict(title, text, subject_ns / baseline_ns, subject_ns < target_ns, target_text);
}

void baseline_report::counter_ratio(const std::string& title, const std::string& counter, const std::string& larger,
                                    const std::string& smaller, double target)
{
    const auto l = find(larger), s = find(smaller);
    if (!l || !s || !l->counters.count(counter) || !s->counters.count(counter) || s->counters.at(counter) <= 0.0) {
        std::printf("%-26s not measured (%s or %s failed or was filtered out)\n", title.c_str(), larger.c_str(),
                    smaller.c_str());
        return;
    }
    const double big = l->counters.at(counter), small = s->counters.at(counter);
    char text[160];
    std::snprintf(text, sizeof text, "%s %.1f against %.1f", counter.c_str(), big, small);
    char target_text[16];
    std::snprintf(target_text, sizeof target_text, "<= %.2f", target);
    verdict(title, text, big / small, big / small <= target, target_text);
}

}  // namespace bench
