// The run driver's first steps as a process: answers on standard input, the
// console, and the exit status, in a fresh working directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_workdir.h"
#include "support/torvautil_process.h"

namespace fs = std::filesystem;

namespace {

std::string padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// The console split after each line feed, every line with its CR LF.
std::vector<std::string> console_lines_as_written(const torvautil_run& run)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < run.console.size()) {
        const std::size_t end = run.console.find('\n', start);
        const std::size_t next = end == std::string::npos ? run.console.size() : end + 1;
        lines.push_back(run.console.substr(start, next - start));
        start = next;
    }
    return lines;
}

// The console up to the line that first contains `marker` (excluded).
std::vector<std::string> lines_before(const torvautil_run& run, const std::string& marker)
{
    std::vector<std::string> lines;
    for (const std::string& line : console_lines_as_written(run)) {
        if (line.find(marker) != std::string::npos) break;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST(Driver, FirstQuestionThenControlFileThenFirstPass)
{
    scratch_workdir work;
    work.write_control(12, 20, 5);
    const torvautil_run run = run_torvautil(work.path(), {"y"});
    const std::string base = fs::canonical(work.path()).string();
    const std::vector<std::string> expected = {
        " Using input path: \r\n",
        "     " + padded(base + "/input/", 200) + "\r\n",
        " Using output path: \r\n",
        "     " + padded(base + "/output/", 200) + "\r\n",
        " Files in the output path will be overwritten without prompting.\r\n",
        " Enter 'Y' or 'y' to continue\r\n",
        " Reading control file\r\n",
        " " + padded(base + "/input/control.dat", 200) + "\r\n",
    };
    EXPECT_EQ(lines_before(run, "calling getHydGridData"), expected);
    EXPECT_TRUE(run.printed("calling getHydGridData")) << run.console << run.errors;
}

TEST(Driver, YesAnswersGoOn)
{
    scratch_workdir work;
    work.write_control(2, 2, 1);
    for (const char* answer : {"Y", "y", "yes", "Yonder"}) {
        const torvautil_run run = run_torvautil(work.path(), {answer});
        EXPECT_TRUE(run.printed("Reading control file")) << answer;
    }
    // An empty or all-blank line is skipped; the question waits for the next.
    const torvautil_run run = run_torvautil(work.path(), {"", "   ", "y"});
    EXPECT_TRUE(run.printed("Reading control file"));
}

TEST(Driver, RefusalEndsTheRunQuietlyWithStatusZero)
{
    scratch_workdir work;
    work.write_control(2, 2, 1);
    for (const char* answer : {"n", "N", "x"}) {
        const torvautil_run run = run_torvautil(work.path(), {answer});
        ASSERT_TRUE(run.exited) << answer;
        EXPECT_EQ(run.exit_status, 0) << answer;
        ASSERT_FALSE(run.console_lines().empty());
        EXPECT_EQ(trim_blanks(run.console_lines().back()), "Enter 'Y' or 'y' to continue");
        EXPECT_EQ(run.errors, "");
    }
}

TEST(Driver, EndOfConsoleInputIsAReadError)
{
    scratch_workdir work;
    const torvautil_run run = run_torvautil(work.path(), {});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_NE(run.errors.find("stdin"), std::string::npos) << run.errors;
}

TEST(Driver, MissingControlFileIsReportedWithStatusZero)
{
    scratch_workdir work;
    const torvautil_run run = run_torvautil(work.path(), {"y"});
    const std::string control = fs::canonical(work.path()).string() + "/input/control.dat";
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exit_status, 0);
    const std::vector<std::string> lines = console_lines_as_written(run);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], " Error: IO STATUS            2\r\n");
    EXPECT_EQ(lines.back(), "    with file: " + padded(control, 200) + "\r\n");
    EXPECT_FALSE(run.printed("calling getHydGridData"));
}

TEST(Driver, MalformedControlFileIsAReadErrorWithStatusTwo)
{
    scratch_workdir work;
    work.write("input/control.dat", "title\n12\n20\n");
    torvautil_run run = run_torvautil(work.path(), {"y"});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_NE(run.errors.find("control.dat"), std::string::npos) << run.errors;

    work.write("input/control.dat", "title\n12\n20.5\n5\n");
    run = run_torvautil(work.path(), {"y"});
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_NE(run.errors.find("control.dat"), std::string::npos) << run.errors;
}

TEST(Driver, WorkingDirectoryTooLongForThePathsStopsWithAMessage)
{
    scratch_workdir work;
    // 193 characters: "/input/" would still fit, "/output/" would not.
    const fs::path base = fs::canonical(work.path());
    const fs::path deep = base / std::string(193 - base.string().size() - 1, 'x');
    ASSERT_EQ(deep.string().size(), 193u);
    fs::create_directories(deep / "input");
    const torvautil_run run = run_torvautil(deep, {"y"});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_NE(run.console.find("longer than 192 characters"), std::string::npos) << run.console;
    EXPECT_FALSE(run.printed("Reading control file"));
    EXPECT_EQ(run.console.find("Using input path"), std::string::npos);
}

TEST(Driver, WorkingDirectoryOf192CharactersStillWorks)
{
    scratch_workdir work;
    const fs::path base = fs::canonical(work.path());
    const fs::path deep = base / std::string(192 - base.string().size() - 1, 'x');
    ASSERT_EQ(deep.string().size(), 192u);
    fs::create_directories(deep / "input");
    const torvautil_run run = run_torvautil(deep, {"y"});
    EXPECT_TRUE(run.printed("Reading control file"));
    EXPECT_NE(run.console.find(deep.string() + "/output/"), std::string::npos);
}
