// Segment names of a real linkage file, read by a torvautil run: which names
// give cells, and how those that do not are reported and asked about.
#include "firstpass_run_fixture.h"

namespace {

using lines = std::vector<std::string>;

const std::string long_tail(300, 'x');

class segment_names_test : public torvautil_run_test {
protected:
    void SetUp() override
    {
        write_standard_grid(dir, 2, 2, 12);
        content.segment_names = {
            // Names that give a cell.
            "I = 1 J = 1 K = 1",
            " I=2\tJ=1 K=2 ",
            "I=+1 J=+2 K=3",
            "I=1 J=1 K=4)",
            "I=1 J=2 K=12x",
            "I=2 J=2 K=3 and then a tail that runs past thirty characters",
            "I=2 J=2 K=2" + long_tail,
            // Names that do not (segments 8 to 15).
            "I=1 J=1 K=-1",
            "I=1x J=1 K=1",
            "I=1 J=? K=1",
            "I=0 J=1 K=1",
            "I=1 J=1 K=",
            "I=1 J=1 K=123456",
            "I=-1 J=1 K=1",
            "SEGMENT NUMBER 0001 OF THE BAY I=1 J=1 K=1",
        };
        content.flow_paths = {{1, 2, 1}};
        write_linkage();
    }

    static std::string error_line(const std::string& heading, const std::string& name)
    {
        return " " + heading + " " + integer_item(15) + "  with segment name:" + field30(name);
    }
};

TEST_F(segment_names_test, BadNamesAreListedInSegmentErrorAndSkippedOnYes)
{
    const torvautil_run result = run({"run.hyd", "y", "Y", "y", "yes", "y", "y", "y", "y"});
    ASSERT_TRUE(result.exited) << "signal " << result.signal << "\n" << result.errors;
    EXPECT_EQ(crlf_lines(dir.read("output/SegmentError.txt")),
              (lines{error_line("K index parsing failed for numseg=", "I=1 J=1 K=-1"),
                     error_line("I index parsing failed for numseg=", "I=1x J=1 K=1"),
                     error_line("J index parsing failed for numseg=", "I=1 J=? K=1"),
                     error_line("Index out of bounds for numseg=", "I=0J=1K=1"),
                     error_line("Index out of bounds for numseg=", "I=1J=1K="),
                     error_line("Index out of bounds for numseg=", "I=1J=1K=123456"),
                     error_line("Index out of bounds for numseg=", "I=-1J=1K=1"),
                     error_line("K index parsing failed for numseg=", "SEGMENT NUMBER 0001 OF THE BAY")}));
    // The run went on to the grid files.
    EXPECT_TRUE(result.printed("Writing mask data")) << result.console;
}

TEST_F(segment_names_test, TheConsoleShowsTheReturnedNameForParseFailuresAndThePackedOneForBounds)
{
    const torvautil_run result = run({"run.hyd", "y", "y", "y", "y", "y", "y", "y", "y"});
    const lines console = result.console_lines();
    const auto shown = [&](const std::string& line) {
        return std::find(console.begin(), console.end(), line) != console.end();
    };
    EXPECT_TRUE(shown(" K index parsing failed for numseg= " + integer_item(15))) << result.console;
    EXPECT_TRUE(shown(" " + std::string("    segment name is: ") + "I=1 J=1 K=-1" + std::string(1, '\0') +
                      std::string(17, ' ')));
    EXPECT_TRUE(shown(" Index out of bounds for numseg= " + integer_item(15)));
    EXPECT_TRUE(shown(" " + std::string("    segment name is: ") + field30("I=1J=1K=123456")));
    EXPECT_TRUE(shown(" Enter 'Y' or 'y' to ignore this segment and continue"));
}

TEST_F(segment_names_test, AnyOtherAnswerEndsTheRunWithoutAMessage)
{
    const torvautil_run result = run({"run.hyd", "y", "n"});
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(crlf_lines(dir.read("output/SegmentError.txt")).size(), 2u);
    const lines console = result.console_lines();
    ASSERT_FALSE(console.empty());
    EXPECT_EQ(console.back(), " Enter 'Y' or 'y' to ignore this segment and continue");
    EXPECT_FALSE(dir.exists("output/mask.dat"));
}

TEST_F(segment_names_test, TheEndOfConsoleInputAtTheQuestionIsAReadError)
{
    const torvautil_run result = run_torvautil(dir.path(), {"Y", "run.hyd", "y"});
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_NE(result.errors.find("stdin"), std::string::npos) << result.errors;
}

}  // namespace
