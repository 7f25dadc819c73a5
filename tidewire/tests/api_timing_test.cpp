// The call timing summary that every _twclose appends to LOG.TXT, and the
// life of LOG.TXT itself.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "api_test_support.h"

namespace {

struct summary_line {
    std::string name;
    uint32_t ms;
    std::string runtime_share;
    std::string library_share;
};

struct summary {
    uint32_t runtime = 0;
    uint32_t library = 0;
    std::vector<summary_line> calls;
};

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The summaries in a log, in order, each checked for its fixed texts and for
// the empty line that ends it.
std::vector<summary> summaries_of(const std::string& log)
{
    static const std::regex runtime_line(R"(Total elapsed ms from first tidewire call \(total runtime\): (\d+) ms)");
    static const std::regex library_line(R"(Total elapsed ms in tidewire calls \(tidewire library time\): (\d+) ms)");
    static const std::regex call_line(
        R"(([a-z]+): (\d+) ms total \((\S+)% of total runtime, (\S+)% of tidewire library time\))");
    std::vector<summary> found;
    const std::vector<std::string> lines = lines_of(log);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::smatch match;
        if (!std::regex_match(lines[i], match, runtime_line)) continue;
        summary next;
        next.runtime = static_cast<uint32_t>(std::stoul(match[1]));
        EXPECT_LT(i + 1, lines.size());
        if (i + 1 >= lines.size() || !std::regex_match(lines[i + 1], match, library_line)) {
            ADD_FAILURE() << "no library line after the runtime line";
            break;
        }
        next.library = static_cast<uint32_t>(std::stoul(match[1]));
        std::size_t j = i + 2;
        for (; j < lines.size() && std::regex_match(lines[j], match, call_line); ++j)
            next.calls.push_back({match[1], static_cast<uint32_t>(std::stoul(match[2])), match[3], match[4]});
        EXPECT_LT(j, lines.size());
        if (j < lines.size()) EXPECT_EQ(lines[j], "") << "a summary ends with an empty line";
        found.push_back(next);
        i = j;
    }
    return found;
}

std::vector<std::string> names_of(const summary& block)
{
    std::vector<std::string> names;
    for (const summary_line& call : block.calls) names.push_back(call.name);
    return names;
}

class api_timing : public api_test {
protected:
    int32_t error = -1;
};

TEST_F(api_timing, summary_lists_every_name_in_order_and_its_sums_add_up)
{
    const int32_t handle = open_ok("a.lnk", 1);
    int32_t count = 0;
    _twgetnumsegments(&handle, &count, &error);
    close_ok(handle);

    const std::vector<summary> blocks = summaries_of(log_text());
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(names_of(blocks[0]), (std::vector<std::string>{"twclose", "twgetnumsegments", "twopen"}));
    uint32_t sum = 0;
    for (const summary_line& call : blocks[0].calls) sum += call.ms;
    EXPECT_EQ(sum, blocks[0].library);
    EXPECT_LE(blocks[0].library, blocks[0].runtime);
}

TEST_F(api_timing, debug_switches_are_timed_and_a_second_close_covers_only_later_calls)
{
    int32_t flag = 0;
    _twsetdebug(&flag);
    _twgetdebug(&flag);
    const int32_t handle = open_ok("a.lnk", 1);
    close_ok(handle);
    int32_t count = 0;
    _twgetnumsegments(&handle, &count, &error);
    int32_t closed = handle;
    _twclose(&closed, &error);
    EXPECT_EQ(error, 513);

    const std::vector<summary> blocks = summaries_of(log_text());
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(names_of(blocks[0]), (std::vector<std::string>{"twclose", "twgetdebug", "twopen", "twsetdebug"}));
    EXPECT_EQ(names_of(blocks[1]), (std::vector<std::string>{"twclose", "twgetnumsegments"}));
}

TEST_F(api_timing, a_second_period_counts_its_runtime_from_its_own_first_call)
{
    int32_t flag = 0;
    _twgetdebug(&flag);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    int32_t handle = 1;
    _twclose(&handle, &error);
    _twclose(&handle, &error);

    const std::vector<summary> blocks = summaries_of(log_text());
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_GE(blocks[0].runtime, 100u);
    EXPECT_LT(blocks[1].runtime, 100u);
}

TEST_F(api_timing, shares_print_zero_when_nothing_took_a_millisecond)
{
    // A close with no other call takes well under a millisecond; a rare tick
    // in between is waited out by closing again.
    for (int attempt = 0; attempt < 200; ++attempt) {
        int32_t handle = 1;
        _twclose(&handle, &error);
        const std::vector<summary> blocks = summaries_of(log_text());
        ASSERT_FALSE(blocks.empty());
        const summary& last = blocks.back();
        if (last.runtime != 0) continue;
        ASSERT_EQ(last.calls.size(), 1u);
        EXPECT_EQ(last.calls[0].ms, 0u);
        EXPECT_EQ(last.calls[0].runtime_share, "0");
        EXPECT_EQ(last.calls[0].library_share, "0");
        return;
    }
    FAIL() << "no close ran within one tick";
}

TEST_F(api_timing, shares_of_library_time_print_zero_when_the_calls_took_no_time)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        int32_t flag = 0;
        _twgetdebug(&flag);
        // The tick counter may step by up to 16 ms: 20 ms always show.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        int32_t handle = 1;
        _twclose(&handle, &error);
        const summary last = summaries_of(log_text()).back();
        if (last.library != 0) continue;
        EXPECT_GE(last.runtime, 4u);
        for (const summary_line& call : last.calls) {
            EXPECT_EQ(call.runtime_share, "0");
            EXPECT_EQ(call.library_share, "0");
        }
        return;
    }
    FAIL() << "the calls never ran within one tick";
}

TEST_F(api_timing, one_export_that_takes_all_the_time_has_a_share_of_1e02)
{
    // Compressing a frame of 1 MB of varied values takes milliseconds and
    // leaves nothing to release; the close after it, of a handle that is not
    // open, takes none.
    const int32_t handle = open_ok("big.lnk", 1);
    fill_a_large_frame(handle);
    // Failed opens raise the open count too, so that the closes below keep
    // the session.
    for (int32_t mode = 2; mode < 40; ++mode) {
        int32_t unused = 0;
        _twopen("x", &mode, &unused, &error);
    }
    int32_t unknown = 99;
    _twclose(&unknown, &error);

    for (int attempt = 0; attempt < 30; ++attempt) {
        _twmomentcomplete(&handle, &error);
        ASSERT_EQ(error, 0);
        _twclose(&unknown, &error);
        const summary last = summaries_of(log_text()).back();
        ASSERT_EQ(names_of(last), (std::vector<std::string>{"twclose", "twmomentcomplete"}));
        if (last.calls[0].ms != 0 || last.calls[1].ms == 0) continue;
        EXPECT_EQ(last.calls[1].library_share, "1e+02");
        return;
    }
    FAIL() << "no attempt had the close take under a millisecond";
}

TEST_F(api_timing, log_is_emptied_by_the_first_write_of_the_process_not_before)
{
    write_file("LOG.TXT", "left by an earlier process\n");
    const int32_t handle = open_ok("a.lnk", 1);
    int32_t count = 0;
    _twgetnumsegments(&handle, &count, &error);
    EXPECT_EQ(log_text(), "left by an earlier process\n") << "no write yet: the old log is untouched";

    close_ok(handle);
    const std::string log = log_text();
    EXPECT_EQ(log.find("left by"), std::string::npos);
    EXPECT_EQ(log.rfind("Total elapsed ms from first tidewire call", 0), 0u);
}

TEST_F(api_timing, the_log_stays_where_it_was_first_written)
{
    int32_t handle = 1;
    _twclose(&handle, &error);
    ASSERT_TRUE(std::filesystem::create_directory("elsewhere"));
    std::filesystem::current_path("elsewhere");
    _twclose(&handle, &error);
    EXPECT_FALSE(file_exists("LOG.TXT"));
    std::filesystem::current_path("..");
    EXPECT_EQ(summaries_of(log_text()).size(), 2u);
}

// A LOG.TXT that cannot be opened (here a directory of that name, which stops
// even a privileged user) or that fails on write loses the log silently;
// every export goes on working.
void exports_work_without_a_log()
{
    int32_t flag = 1;
    _twsetdebug(&flag);
    sample_run::write("run.lnk");
    const int32_t handle = api_test::open_ok("run.lnk", 0);
    int32_t count = 0, error = -1;
    _twgetnumsegments(&handle, &count, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(count, sample_run::segments);
    api_test::close_ok(handle);
}

TEST_F(api_timing, exports_work_when_the_log_cannot_be_opened)
{
    ASSERT_TRUE(std::filesystem::create_directory("LOG.TXT"));
    exports_work_without_a_log();
}

TEST_F(api_timing, exports_work_when_writing_the_log_fails)
{
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
    std::filesystem::create_symlink("/dev/full", "LOG.TXT");
    exports_work_without_a_log();
}

}  // namespace
