// The BENTHA grid files, written in process from grid input files built here.
#include <cmath>

#include <gtest/gtest.h>

#include "gridfiles_fixture.h"
#include "run_steps.h"

namespace {

using lines = std::vector<std::string>;

TEST_F(grid_files_test, MaskRowsRunFromJOneAndMarkOpenWaterWithoutSegments)
{
    use_grid(4, 3, 1);
    mark_valid_columns({{2, 2}});
    dir.write_cell_inp({"    31111", "    21550", "    10101"});
    maskdata();
    EXPECT_EQ(output_lines("mask.dat"), (lines{"mask", "0 1 0 1", "1 5 5 0", "1 1 1 1"}));
    // A 5 in a column with a valid cell is not invalid; one without is.
    EXPECT_EQ(vars.invalidcolumn(2, 2), 0);
    EXPECT_EQ(vars.invalidcolumn(3, 2), 1);
    EXPECT_EQ(vars.invalidcolumn(1, 2), 0);
}

TEST_F(grid_files_test, MaskRowsNotInCellInpHoldZeroAndShortRecordsReadAsBlanks)
{
    use_grid(4, 3, 1);
    dir.write_cell_inp({"    3 9", "    25"});
    maskdata();
    EXPECT_EQ(output_lines("mask.dat"), (lines{"mask", "0 0 0 0", "5 0 0 0", "0 9 0 0"}));
    EXPECT_EQ(vars.invalidcolumn(1, 2), 1);
}

TEST_F(grid_files_test, MaskStopsWithAReadErrorOnALetterInTheCellColumns)
{
    use_grid(4, 1, 1);
    dir.write_cell_inp({"    11x11"});
    EXPECT_EXIT(maskdata(), testing::ExitedWithCode(2), "cell\\.inp");
}

TEST_F(grid_files_test, MissingCellInpIsReportedWithItsPath)
{
    use_grid(2, 2, 1);
    EXPECT_EXIT((console_to_stderr(), maskdata()), testing::ExitedWithCode(0),
                "Error: IO STATUS +2\r?\n +with file: .*/input/cell\\.inp");
}

TEST_F(grid_files_test, LayersDefaultToKmForColumnsOfLxlyWhenGvclayerIsMissing)
{
    use_grid(4, 1, 5);
    dir.write_cell_inp({"    5555"});
    mark_valid_columns({{1, 1}, {2, 1}, {4, 1}});
    dir.write_grid_input("lxly.inp", {"1 1", "2 1", "3 1", "4 1", "5 1"});
    maskdata();  // column 3 is open water without a segment: invalid
    testing::internal::CaptureStdout();
    layerdata();
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_NE(console.find(" GVCLAYER input does not exist.  Assuming number of layers =            5\r\n"),
              std::string::npos);
    EXPECT_NE(console.find("Record outside the grid skipped in file: "), std::string::npos);
    EXPECT_EQ(output_lines("nz.dat"), (lines{"nz", " 5  5  0  5"}));
}

TEST_F(grid_files_test, LayerCountsFromGvclayerOverflowToAsterisksAndLaterRecordsWin)
{
    use_grid(3, 2, 5);
    dir.write_cell_inp({"    111", "    111"});
    maskdata();
    dir.write_grid_input("GVCLAYER.INP", {"1 1 3", "2 1 100", "3 2 4", "3 2 7", "1 2 -5"});
    layerdata();
    EXPECT_EQ(output_lines("nz.dat"), (lines{"nz", " 3 **  0", "-5  0  7"}));
}

TEST_F(grid_files_test, RecordsOutsideTheGridAreSkippedWithAMessageInEveryReader)
{
    use_grid(2, 2, 1);
    mark_valid_columns({{1, 1}});
    dir.write_cell_inp({"    11", "    11"});
    dir.write_grid_input("GVCLAYER.INP", {"0 1 3", "1 3 3", "1 1 2"});
    dir.write_grid_input("dxdy.inp", {"3 1 10 20 5", "1 -1 10 20 5", "1 1 10 20 5"});
    dir.write_grid_input("lxly.inp",
                         {"1e30 1 0 0 1 0 0 1", "-0.5 1 0 0 1 0 0 1", "1 2.5 0 0 1 0 0 1", "1 1 500000 0 4 0 0 1"});
    testing::internal::CaptureStdout();
    maskdata();
    layerdata();
    depthdata();
    shapedata();
    const std::string console = testing::internal::GetCapturedStdout();
    std::size_t skipped = 0;
    for (std::size_t at = console.find("Record outside the grid skipped in file: "); at != std::string::npos;
         at = console.find("Record outside the grid skipped in file: ", at + 1))
        ++skipped;
    EXPECT_EQ(skipped, 6u) << console;
    EXPECT_NE(console.find("input/dxdy.inp"), std::string::npos);
    EXPECT_EQ(output_lines("nz.dat"), (lines{"nz", " 2  0", " 0  0"}));
    EXPECT_EQ(output_lines("d.dat"), (lines{"depth", "     5.000      0.000", "     0.000      0.000"}));
    EXPECT_EQ(output_lines("lxly.dat"), (lines{"mask", "2.00000000 0.00000000", "0.00000000 0.00000000"}));
}

TEST_F(grid_files_test, DepthsAndCellSizesOnlyForValidColumns)
{
    use_grid(2, 1, 2);
    vars.validcell(2, 1, 2) = 1;  // a segment in the second layer makes the column valid
    dir.write_cell_inp({"    11"});
    dir.write_grid_input("dxdy.inp", {"1 1 100.0 200.0 7.25", "2 1 123.456789 0.5 12.3456"});
    maskdata();
    depthdata();
    EXPECT_EQ(output_lines("d.dat"), (lines{"depth", "     0.000     12.346"}));
    EXPECT_EQ(output_lines("dxdy.dat"), (lines{"dx", "   0.00000  123.45679", "dy", "   0.00000    0.50000"}));
    EXPECT_FLOAT_EQ(vars.darray(2, 1), 12.3456f);
    EXPECT_EQ(vars.darray(1, 1), 0.0f);
}

TEST_F(grid_files_test, MetricFactorKeepsFourByteRoundingAndShowsOverflowAndNaN)
{
    use_grid(5, 1, 1);
    mark_valid_columns({{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    dir.write_cell_inp({"    11111"});
    dir.write_grid_input("lxly.inp",
                         {"1 1 500000 3500000 2 1 1 3", "2.9 1 500000 3500000 100 0 0 1", "3 1 500000 3500000 -1 0 0 1",
                          "4 1 500000 3500000 0.1524157875 0 0 0.1", "5 1 500000 3500000 1 0 0 1"});
    maskdata();
    shapedata();
    // 2.9 is cut to column 2; column 5 has no segment and keeps 0.
    EXPECT_EQ(output_lines("lxly.dat"),
              (lines{"mask", "2.23606801 ********** " + std::string("       NaN 0.12345679 0.00000000")}));
}

TEST_F(grid_files_test, LatitudeAndLongitudeOfColumnsWithCoordinatesOnly)
{
    use_grid(2, 1, 1);
    mark_valid_columns({{1, 1}});
    dir.write_cell_inp({"    11"});
    dir.write_grid_input("lxly.inp", {"1 1 500000 0 1 0 0 1"});
    maskdata();
    shapedata();
    EXPECT_EQ(output_lines("latlon.dat"),
              (lines{"lat", "    0.00000000 -9999.00000000", "lon", "  -87.00000000 -9999.00000000"}));
}

TEST_F(grid_files_test, InputFilesWithOnlyTheirHeaderGiveDefaultRows)
{
    use_grid(2, 1, 3);
    dir.write_cell_inp({});
    dir.write_grid_input("GVCLAYER.INP", {});
    dir.write_grid_input("dxdy.inp", {});
    dir.write_grid_input("lxly.inp", {});
    maskdata();
    layerdata();
    depthdata();
    shapedata();
    EXPECT_EQ(output_lines("mask.dat"), (lines{"mask", "0 0"}));
    EXPECT_EQ(output_lines("nz.dat"), (lines{"nz", " 0  0"}));
    EXPECT_EQ(output_lines("d.dat"), (lines{"depth", "     0.000      0.000"}));
    EXPECT_EQ(output_lines("latlon.dat"),
              (lines{"lat", "-9999.00000000 -9999.00000000", "lon", "-9999.00000000 -9999.00000000"}));
}

TEST_F(grid_files_test, AFileEndingInsideItsHeaderIsReported)
{
    use_grid(2, 1, 1);
    dir.write("input/dxdy.inp", "only\ntwo lines\n");
    EXPECT_EXIT((console_to_stderr(), depthdata()), testing::ExitedWithCode(0),
                "Error: IO STATUS +-1\r?\n +with file: .*/input/dxdy\\.inp");
}

TEST_F(grid_files_test, ANonNumericRecordIsReportedThroughTheIoStatus)
{
    use_grid(2, 1, 1);
    mark_valid_columns({{1, 1}});
    dir.write_grid_input("dxdy.inp", {"1 1 abc 2 3"});
    EXPECT_EXIT((console_to_stderr(), depthdata()), testing::ExitedWithCode(0),
                "Error: IO STATUS +[1-9][0-9]*\r?\n +with file: .*/input/dxdy\\.inp");
}

}  // namespace
