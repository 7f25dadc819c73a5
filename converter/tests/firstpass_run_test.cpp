// The first pass as the user meets it: naming the linkage file, opening it,
// the reports it leaves, and the grid files written after it.
#include "failure_text.h"
#include "firstpass_run_fixture.h"

namespace {

using lines = std::vector<std::string>;

// A 256-character field as the converter prints it: the name (or the
// library's text), a NUL, blanks.
std::string name_field(const std::string& name)
{
    std::string field = name + std::string(1, '\0');
    field.resize(256, ' ');
    return field;
}

class first_pass_test : public torvautil_run_test {
protected:
    void SetUp() override
    {
        write_standard_grid(dir, 2, 2, 1);
        content.segment_names = names_of_every_cell(2, 2, 1);
        content.flow_paths = {{1, 2, 1}, {2, 0, 1}};
    }
};

TEST_F(first_pass_test, AMissingFileIsNamedAndEndsTheRun)
{
    const torvautil_run result = run({"nosuch.hyd"});
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 0);
    const lines console = result.console_lines();
    ASSERT_FALSE(console.empty());
    EXPECT_EQ(console.back(), " Error could not locate hyd file: " + name_field("nosuch.hyd"));
}

TEST_F(first_pass_test, ANameWithABlankIsCutUnlessQuoted)
{
    write_linkage("my run.hyd");
    const torvautil_run cut = run({"my run.hyd"});
    EXPECT_EQ(cut.console_lines().back(), " Error could not locate hyd file: " + name_field("my"));

    const torvautil_run quoted = run({"'my run.hyd'"});
    EXPECT_TRUE(quoted.printed(std::string("Selected hydrofile: ") + "my run.hyd")) << quoted.console;
    EXPECT_TRUE(quoted.printed("Writing mask data"));
}

TEST_F(first_pass_test, OpeningPrintsTheDialogueAndStartsHydrofileOut)
{
    write_linkage();
    const torvautil_run result = run({"run.hyd"});
    const lines console = result.console_lines();
    const lines expected{" Enter Name of HYD File to Inspect:",
                         " Selected hydrofile: " + name_field("run.hyd"),
                         " Itw_mode =            0",
                         " Itw_handle =            0",
                         " ierror =            0",
                         " Opened hydrofile for getHydGridData: " + name_field("run.hyd"),
                         " ierror =            0"};
    const auto first = std::find(console.begin(), console.end(), expected.front());
    ASSERT_NE(first, console.end()) << result.console;
    ASSERT_GE(console.end() - first, static_cast<long>(expected.size()));
    EXPECT_EQ(lines(first, first + static_cast<long>(expected.size())), expected);
    EXPECT_TRUE(result.printed("Itw_handle:           1"));
    EXPECT_TRUE(dir.exists("hydrofile.out"));
}

TEST_F(first_pass_test, AFileTheLibraryCannotReadIsReportedWithItsText)
{
    dir.write("broken.hyd", "short");
    const torvautil_run result = run({"broken.hyd"});
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 0);
    const lines console = result.console_lines();
    ASSERT_FALSE(console.empty());
    EXPECT_EQ(console.back(),
              " Error opening hydrofile:" +
                  name_field(failure_text(unit::dataset, 59, "tidewire_data::tidewire_data",
                                          "Not a linkage file: shorter than its 8-byte header offset")));
}

TEST_F(first_pass_test, SegmentErrorKeepsItsOldContentWhenNoNameFails)
{
    write_linkage();
    dir.write("output/SegmentError.txt", "from an earlier run\r\n");
    run({"run.hyd"});
    EXPECT_EQ(dir.read("output/SegmentError.txt"), "from an earlier run\r\n");
}

TEST_F(first_pass_test, SegmentErrorIsCreatedEmptyWhenMissing)
{
    write_linkage();
    run({"run.hyd"});
    ASSERT_TRUE(dir.exists("output/SegmentError.txt"));
    EXPECT_EQ(dir.read("output/SegmentError.txt"), "");
}

TEST_F(first_pass_test, TheGridFilesFollowTheFirstPass)
{
    write_linkage();
    const torvautil_run result = run({"run.hyd"});
    ASSERT_TRUE(result.exited) << result.errors;
    EXPECT_EQ(crlf_lines(dir.read("output/mask.dat")), (lines{"mask", "5 5", "5 5"}));
    EXPECT_EQ(crlf_lines(dir.read("output/nz.dat")), (lines{"nz", " 1  1", " 1  1"}));
    EXPECT_EQ(crlf_lines(dir.read("output/d.dat")), (lines{"depth", "    10.000     10.000", "    10.000     10.000"}));
    EXPECT_EQ(crlf_lines(dir.read("output/dxdy.dat")), (lines{"dx", " 100.00000  100.00000", " 100.00000  100.00000",
                                                              "dy", " 200.00000  200.00000", " 200.00000  200.00000"}));
    EXPECT_EQ(crlf_lines(dir.read("output/lxly.dat")),
              (lines{"mask", "1.00000000 1.00000000", "1.00000000 1.00000000"}));
    EXPECT_EQ(crlf_lines(dir.read("output/latlon.dat")).size(), 6u);
    EXPECT_TRUE(result.printed("Finished convertInput"));
}

TEST_F(first_pass_test, ColumnsWithoutSegmentsGetNoDepthAndOpenWaterThereIsRemoved)
{
    content.segment_names = {cell_name(1, 1, 1), cell_name(2, 2, 1)};
    write_linkage();
    run({"run.hyd"});
    EXPECT_EQ(crlf_lines(dir.read("output/d.dat")), (lines{"depth", "    10.000      0.000", "     0.000     10.000"}));
    // Invalid columns get no layers.
    EXPECT_EQ(crlf_lines(dir.read("output/nz.dat")), (lines{"nz", " 1  0", " 0  1"}));
}

}  // namespace
