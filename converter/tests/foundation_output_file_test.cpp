// Text files written by the converter: CR LF line ends, and the two ways of
// opening (replace for the BENTHA files, keep for the reports).
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "formatted_line.h"
#include "freeform_line.h"
#include "support/scratch_workdir.h"
#include "text_output_file.h"

namespace fs = std::filesystem;

namespace {

class OutputFile : public testing::Test {
protected:
    std::string path(const char* name) const { return (workdir_.path() / name).string(); }
    static void put(const std::string& file, const std::string& content)
    {
        std::ofstream(file, std::ios::binary) << content;
    }
    static std::string get(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    scratch_workdir workdir_;
};

}  // namespace

TEST_F(OutputFile, LinesEndWithCarriageReturnAndLineFeed)
{
    text_output_file file;
    ASSERT_EQ(file.open(path("mask.dat"), text_output_file::mode::replace), 0);
    file.write(formatted_line().text("mask"));
    file.write(freeform_line() << "cellnum=" << 3);
    file.close();
    EXPECT_EQ(get(path("mask.dat")), "mask\r\n cellnum=           3\r\n");
}

TEST_F(OutputFile, ReplaceEmptiesAnExistingFileAtOnce)
{
    put(path("d.dat"), "old content\r\n");
    text_output_file file;
    ASSERT_EQ(file.open(path("d.dat"), text_output_file::mode::replace), 0);
    file.close();
    EXPECT_EQ(get(path("d.dat")), "");
}

TEST_F(OutputFile, KeepLeavesTheFileWhenNothingIsWritten)
{
    put(path("SegmentError.txt"), "earlier run\r\n");
    text_output_file file;
    ASSERT_EQ(file.open(path("SegmentError.txt"), text_output_file::mode::keep), 0);
    file.close();
    EXPECT_EQ(get(path("SegmentError.txt")), "earlier run\r\n");

    ASSERT_EQ(file.open(path("missing.txt"), text_output_file::mode::keep), 0);
    file.close();
    EXPECT_TRUE(fs::exists(path("missing.txt")));
    EXPECT_EQ(get(path("missing.txt")), "");
}

TEST_F(OutputFile, KeepReplacesTheContentWithTheFirstLine)
{
    put(path("hydrofile.out"), "a much longer earlier content\r\nsecond\r\n");
    text_output_file file;
    ASSERT_EQ(file.open(path("hydrofile.out"), text_output_file::mode::keep), 0);
    file.write_line("new");
    file.write_line("lines");
    file.close();
    EXPECT_EQ(get(path("hydrofile.out")), "new\r\nlines\r\n");
}

TEST_F(OutputFile, OpenFailureGivesTheSystemStatus)
{
    text_output_file file;
    EXPECT_EQ(file.open(path("no-such-folder/mask.dat"), text_output_file::mode::replace), ENOENT);
    EXPECT_EQ(file.open(path("no-such-folder/a.txt"), text_output_file::mode::keep), ENOENT);
    EXPECT_FALSE(file.is_open());
}

TEST_F(OutputFile, WriteFailureEndsTheRunNamingTheFile)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    text_output_file file;
    ASSERT_EQ(file.open("/dev/full", text_output_file::mode::replace), 0);
    EXPECT_EXIT(
        {
            for (int i = 0; i < 100000; ++i) file.write_line("a line that fills the buffer");
            file.close();
        },
        testing::ExitedWithCode(2), "/dev/full");
}
