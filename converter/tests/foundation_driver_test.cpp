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

std::string padded(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

// The console up to the line that first contains `marker` (excluded).
std::vector<std::string> lines_before(const torvautil_run& run, const std::string& marker) {
  std::vector<std::string> lines;
  for (const std::string& line : run.console_lines()) {
    if (line.find(marker) != std::string::npos) break;
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

TEST(Driver, FirstQuestionThenControlFileThenFirstPass) {
  scratch_workdir work;
  work.write_control(12, 20, 5);
  const torvautil_run run = run_torvautil(work.path(), {"y"});
  const std::string base = fs::canonical(work.path()).string();
  const std::vector<std::string> expected = {
      " Using input path: \r",
      "     " + padded(base + "/input/", 200) + "\r",
      " Using output path: \r",
      "     " + padded(base + "/output/", 200) + "\r",
      " Files in the output path will be overwritten without prompting.\r",
      " Enter 'Y' or 'y' to continue\r",
      " Reading control file\r",
      " " + padded(base + "/input/control.dat", 200) + "\r",
  };
  EXPECT_EQ(lines_before(run, "calling getHydGridData"), expected);
  EXPECT_TRUE(run.printed("calling getHydGridData")) << run.console << run.errors;
}

TEST(Driver, YesAnswersGoOn) {
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

TEST(Driver, RefusalEndsTheRunQuietlyWithStatusZero) {
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

TEST(Driver, EndOfConsoleInputIsAReadError) {
  scratch_workdir work;
  const torvautil_run run = run_torvautil(work.path(), {});
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.exit_status, 2);
  EXPECT_NE(run.errors.find("stdin"), std::string::npos) << run.errors;
}

TEST(Driver, MissingControlFileIsReportedWithStatusZero) {
  scratch_workdir work;
  const torvautil_run run = run_torvautil(work.path(), {"y"});
  const std::string control = fs::canonical(work.path()).string() + "/input/control.dat";
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.exit_status, 0);
  const std::vector<std::string> lines = run.console_lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], " Error: IO STATUS            2\r");
  EXPECT_EQ(lines.back(), "    with file: " + padded(control, 200) + "\r");
  EXPECT_FALSE(run.printed("calling getHydGridData"));
}

TEST(Driver, MalformedControlFileIsAReadErrorWithStatusTwo) {
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

TEST(Driver, WorkingDirectoryTooLongForThePathsStopsWithAMessage) {
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

TEST(Driver, WorkingDirectoryOf192CharactersStillWorks) {
  scratch_workdir work;
  const fs::path base = fs::canonical(work.path());
  const fs::path deep = base / std::string(192 - base.string().size() - 1, 'x');
  ASSERT_EQ(deep.string().size(), 192u);
  fs::create_directories(deep / "input");
  const torvautil_run run = run_torvautil(deep, {"y"});
  EXPECT_TRUE(run.printed("Reading control file"));
  EXPECT_NE(run.console.find(deep.string() + "/output/"), std::string::npos);
}
