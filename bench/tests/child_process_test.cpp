// Child processes of the benchmarks: the answers reach the child's input, it
// runs in the directory given, its output lands in the file and its status
// comes back; and the peak memory reported follows what was touched.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "child_process.h"
#include "scratch_directory.h"

namespace bench {
namespace {

std::string file_text(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ChildProcess, RunsInTheDirectoryWithTheAnswersAndReportsItsStatus)
{
    const scratch_directory scratch;
    const std::filesystem::path output = scratch.path() / "out.txt";
    const child_result result = run_child({"/bin/sh", "-c", "read answer; echo \"$answer in $(pwd)\"; exit 3"},
                                          scratch.path().string(), "Y\n", output.string());
    EXPECT_TRUE(result.exited_normally);
    EXPECT_EQ(result.exit_status, 3);
    EXPECT_EQ(file_text(output), "Y in " + std::filesystem::canonical(scratch.path()).string() + "\n");
}

TEST(ChildProcess, AProgramThatCannotStartEndsWith127)
{
    const scratch_directory scratch;
    const child_result result =
        run_child({"/nonexistent/program"}, scratch.path().string(), "", (scratch.path() / "out.txt").string());
    EXPECT_EQ(result.exit_status, 127);
}

TEST(ChildProcess, TheLauncherPassesTheStatusAndWritesAPeak)
{
    const scratch_directory scratch;
    const std::string peak_file = (scratch.path() / "peak.txt").string();
    EXPECT_EQ(run_measuring_peak(peak_file, {"/bin/sh", "-c", "exit 4"}), 4);
    long peak = 0;
    std::ifstream(peak_file) >> peak;
    EXPECT_GT(peak, 0);
}

TEST(ChildProcess, OwnPeakFollowsTouchedMemory)
{
    const long before = own_peak_rss_kib();
    ASSERT_GT(before, 0);
    std::vector<char> touched(64 << 20, 1);
    volatile char sink = touched[touched.size() / 2];
    (void)sink;
    EXPECT_GE(own_peak_rss_kib(), before + 60 * 1024 - 1024);
}

}  // namespace
}  // namespace bench
