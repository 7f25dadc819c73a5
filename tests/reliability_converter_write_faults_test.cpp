// Write faults in the converter: with the file-size limit lowered (SIGXFSZ
// ignored, both inherited by torvautil), a run that cannot write one of its
// files whole must not end with exit status 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "linkage_file_builder.h"
#include "scratch_workdir.h"
#include "standard_grid.h"
#include "torvautil_process.h"

namespace {

const std::vector<std::string> kDialogue = {"Y", "run.lnk", "y", "1", ""};

void prepare(const scratch_workdir& dir)
{
    write_standard_grid(dir, 3, 2, 2);
    linkage_file_content content;
    content.segment_names = names_of_every_cell(3, 2, 2);
    content.flow_paths = {{{1, 2, 1}}, {{2, 3, 1}}, {{1, 4, 2}}, {{1, 7, 3}}};
    content.moments = 3;
    write_linkage_file((dir.path() / "run.lnk").string(), content);
}

// The largest file that a run writes (LOG.TXT aside: the library drops its
// log silently when it cannot be written).
std::uintmax_t largest_output(const scratch_workdir& dir)
{
    std::uintmax_t largest = std::filesystem::file_size(dir.path() / "hydrofile.out");
    for (const auto& entry : std::filesystem::directory_iterator(dir.output()))
        largest = std::max(largest, entry.file_size());
    return largest;
}

// Runs torvautil with every file it writes limited to `limit` bytes.
torvautil_run run_with_file_size_limit(const scratch_workdir& dir, rlim_t limit)
{
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lowered = {limit, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
    torvautil_run run = run_torvautil(dir.path(), kDialogue);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, saved_handler);
    return run;
}

TEST(converter_write_fault_test, a_file_cut_short_never_ends_the_run_with_status_0)
{
    std::uintmax_t largest = 0;
    {
        scratch_workdir reference;
        prepare(reference);
        torvautil_run run = run_torvautil(reference.path(), kDialogue);
        ASSERT_TRUE(run.exited && run.exit_status == 0) << run.console << run.errors;
        largest = largest_output(reference);
    }
    ASSERT_GT(largest, 1000u);
    for (std::uintmax_t limit : {std::uintmax_t{0}, std::uintmax_t{10}, std::uintmax_t{100}, std::uintmax_t{400},
                                 std::uintmax_t{1000}, std::uintmax_t{4000}, largest / 2, largest - 1}) {
        if (limit >= largest) continue;
        SCOPED_TRACE("file-size limit " + std::to_string(limit) + " of " + std::to_string(largest));
        scratch_workdir dir;
        prepare(dir);
        torvautil_run run = run_with_file_size_limit(dir, static_cast<rlim_t>(limit));
        ASSERT_TRUE(run.exited) << "torvautil ended on signal " << run.signal << "\n" << run.errors;
        EXPECT_NE(run.exit_status, 0) << "a run that lost output reported success\n" << run.console << run.errors;
    }
}

TEST(converter_write_fault_test, a_limit_above_every_file_changes_nothing)
{
    scratch_workdir dir;
    prepare(dir);
    torvautil_run run = run_with_file_size_limit(dir, 64u * 1024 * 1024);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exit_status, 0) << run.console << run.errors;
}

}  // namespace
