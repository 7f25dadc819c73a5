// The second pass's stops: the count check and its question, a library
// failure in the moment loop, and a NetCDF file that cannot be created.
#include "failure_text.h"
#include "secondpass_run_fixture.h"

namespace {

using lines = std::vector<std::string>;

// Column (1, 1) of 2 layers holds one valid segment; a second segment lies
// outside the grid and is skipped; column (2, 1) has no segment at all. A
// path into the skipped segment places nothing.
class fewer_segments_than_cells : public second_pass_run {
protected:
    void SetUp() override
    {
        write_standard_grid(dir, 2, 1, 2);
        content.segment_names = {cell_name(1, 1, 1), cell_name(9, 1, 1)};
        content.flow_paths = {{2, 1, 1}};
        content.moments = 1;
        write_linkage();
    }
};

TEST_F(fewer_segments_than_cells, CountCheckWarnsAndAsks)
{
    const torvautil_run result = run_with({"Y", "y", "Y", "1", ""});
    ASSERT_EQ(result.exit_status, 0) << result.console << result.errors;
    const lines expected{" Invalid segments in hyd file: " + integer_item(1),
                         " Total valid segments in hyd file: " + integer_item(1),
                         " Number of cells from flowgrid: " + integer_item(2),
                         " Warning: number of cells from flowgrid do not match number of segments in hyd file",
                         " " + integer_item(1) + "  cells will be removed",
                         " This includes full columns:  " + integer_item(1),
                         " Enter 'Y' or 'y' to continue",
                         " Size of timestep in secs:  " + integer_item(3600)};
    EXPECT_EQ(lines_from(result.console_lines(), expected.front(), expected.size()), expected);
    EXPECT_EQ(values_of("UFlow"), std::vector<float>(4, 0.0f));
    EXPECT_EQ(values_of("Volume"), (std::vector<float>{1000.0f, -9999.0f, -9999.0f, -9999.0f}));
    // Missing layer depths add nothing: column (1, 1) sums its one layer, and
    // the column without segments has water depth 0 and, as an invalid column,
    // no bottom depth either.
    EXPECT_EQ(values_of("WaterDepth"), (std::vector<float>{2000.0f, 0.0f}));
    EXPECT_EQ(values_of("SurfaceElev"), (std::vector<float>{1990.0f, 0.0f}));
}

TEST_F(fewer_segments_than_cells, RefusalEndsTheRunWithoutAMessage)
{
    const torvautil_run result = run_with({"Y", "y", "no"});
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.console_lines().back(), " Enter 'Y' or 'y' to continue");
    EXPECT_FALSE(dir.exists("output/Volume.nc"));
}

TEST_F(second_pass_run, MoreValidSegmentsThanCellsStops)
{
    write_standard_grid(dir, 1, 1, 1);
    content.segment_names = {cell_name(1, 1, 1), cell_name(1, 1, 1)};
    content.flow_paths = {{1, 2, 1}};
    write_linkage();
    const torvautil_run result = run_with({"y"});
    EXPECT_EQ(result.exit_status, 0);
    const lines console = result.console_lines();
    ASSERT_GE(console.size(), 3u);
    EXPECT_EQ(lines(console.end() - 3, console.end()),
              (lines{" Number of cells from flowgrid: " + integer_item(1),
                     " Warning: number of cells from flowgrid is less than number of segments in hyd file",
                     " Execution will stop"}));
}

TEST_F(second_pass_run, ALibraryFailureInTheMomentLoopPrintsItsTextAndStops)
{
    write_standard_grid(dir, 1, 1, 1);
    content.segment_names = names_of_every_cell(1, 1, 1);
    content.flow_paths = {{1, 0, 1}};
    content.flow_constituent_types = {1, 2};  // the third, the dispersion, is missing
    write_linkage();
    const torvautil_run result = run_with({"y", "1", ""});
    EXPECT_EQ(result.exit_status, 0);
    // The library's text in the converter's 256-character field: the text, a NUL, blanks.
    const std::string text =
        failure_text(unit::dataset, 489, "tidewire_data::getflowinfo", "Index out of range") + '\0';
    EXPECT_EQ(result.console_lines().back(), " " + field(text, 256));
}

TEST_F(second_pass_run, ANetcdfFileThatCannotBeCreatedStopsWithStatus2)
{
    write_standard_grid(dir, 1, 1, 1);
    content.segment_names = names_of_every_cell(1, 1, 1);
    content.flow_paths = {{1, 0, 1}};
    write_linkage();
    std::filesystem::create_directory(dir.output() / "Temp.nc");
    const torvautil_run result = run_with({"y", "1", ""});
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_EQ(result.errors, "STOP 2\n");
    EXPECT_EQ(result.console_lines().back().rfind(" Error: ", 0), 0u) << result.console;
    EXPECT_TRUE(dir.exists("output/LayerDepth.nc")) << "the files before it stay";
}

}  // namespace
