// The run driver's steps in this process: io_error, readcontrolfile and
// setpath, with the console captured.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "bentha_input.h"
#include "support/scratch_workdir.h"
#include "vars.h"

namespace fs = std::filesystem;

namespace {

std::string padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// The console goes to the error stream, so that EXPECT_EXIT can match it.
void console_to_error_stream()
{
    dup2(2, 1);
}

class ControlFile : public testing::Test {
protected:
    void SetUp() override { vars.inputpath = workdir_.path().string() + "/input/"; }
    void write_control(const std::string& content) const { workdir_.write("input/control.dat", content); }
    std::string control_path() const { return workdir_.path().string() + "/input/control.dat"; }

    scratch_workdir workdir_;
};

// setpath takes the working directory, whose path must leave room in the
// 200-character path fields: the tests run in a scratch folder, not in a build
// tree of any depth.
class Setpath : public testing::Test {
protected:
    void SetUp() override { fs::current_path(workdir_.path()); }
    void TearDown() override { fs::current_path(previous_); }

    const fs::path previous_ = fs::current_path();
    scratch_workdir workdir_;
};

}  // namespace

TEST(IoError, ReturnsAtOnceOnStatusZero)
{
    bentha_input.iostatus = 0;
    testing::internal::CaptureStdout();
    io_error();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(IoError, ReportsStatusAndWholePathThenStops)
{
    // A path longer than its 200-character field prints whole.
    const std::string deep_path = "/" + std::string(220, 'd') + "/input/cell.inp";
    for (const std::string& path : {padded("/data/input/cell.inp", 200), deep_path}) {
        bentha_input.iostatus = 2;
        bentha_input.filepath = path;
        const std::string expected =
            " Error: IO STATUS            2\r\n"
            "    with file: " +
            path + "\r\n";
        EXPECT_EXIT(
            {
                console_to_error_stream();
                io_error();
            },
            testing::ExitedWithCode(0), "^" + expected + "$");
    }
}

TEST_F(ControlFile, ReadsTheThreeDimensions)
{
    write_control("Bay grid\r\n12\r\n20 cells in J\r\n5,\r\n");
    testing::internal::CaptureStdout();
    readcontrolfile();
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_EQ(vars.im, 12);
    EXPECT_EQ(vars.jm, 20);
    EXPECT_EQ(vars.km, 5);
    EXPECT_EQ(console, " Reading control file\r\n " + padded(control_path(), 200) + "\r\n");
}

TEST_F(ControlFile, MissingFileIsAnIoError)
{
    EXPECT_EXIT(
        {
            console_to_error_stream();
            readcontrolfile();
        },
        testing::ExitedWithCode(0), "Error: IO STATUS +2\r\n    with file: " + control_path());
}

TEST_F(ControlFile, LineWithoutAnIntegerIsAReadError)
{
    write_control("title\n12\ntwenty\n5\n");
    EXPECT_EXIT(readcontrolfile(), testing::ExitedWithCode(2), control_path() + ".*twenty");
}

TEST_F(ControlFile, ShortFileIsAReadError)
{
    write_control("title\n12\n20\n");
    EXPECT_EXIT(readcontrolfile(), testing::ExitedWithCode(2), control_path() + ".*end of file");
}

TEST_F(Setpath, BuildsThePathsAndGoesOnOnYes)
{
    const fs::path before = fs::current_path();
    std::istringstream answers("\n  yes\n");
    std::cin.rdbuf(answers.rdbuf());
    testing::internal::CaptureStdout();
    setpath();
    const std::string console = testing::internal::GetCapturedStdout();
    const std::string base = before.string();
    EXPECT_EQ(vars.basepath.trimmed(), base);
    EXPECT_EQ(vars.inputpath.trimmed(), base + "/input/");
    EXPECT_EQ(vars.outputpath.trimmed(), base + "/output/");
    EXPECT_EQ(console,
              " Using input path: \r\n"
              "     " +
                  padded(base + "/input/", 200) +
                  "\r\n"
                  " Using output path: \r\n"
                  "     " +
                  padded(base + "/output/", 200) +
                  "\r\n"
                  " Files in the output path will be overwritten without prompting.\r\n"
                  " Enter 'Y' or 'y' to continue\r\n");
}

TEST_F(Setpath, OtherAnswersEndTheRunWithoutAMessage)
{
    for (const char* answer : {"n\n", "N\n", "x\n", "'n'\n"}) {
        std::istringstream answers(answer);
        std::cin.rdbuf(answers.rdbuf());
        EXPECT_EXIT(
            {
                console_to_error_stream();
                setpath();
            },
            testing::ExitedWithCode(0), "continue\r\n$")
            << answer;
    }
}
