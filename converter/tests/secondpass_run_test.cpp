// The second pass as the user meets it: the header lines, the summary, the
// time-step dialogue, the progress lines, hydrofile.out, Time.dat and the ten
// NetCDF files record by record.
#include "secondpass_run_fixture.h"

namespace {

using lines = std::vector<std::string>;

constexpr double first_stamp = 1577836800.0;  // 1/1/2020 0:00:00
constexpr float missing = -9999.0f;

// 0-based position of the cell (i, j, k) in a grid of im x jm columns, which
// is also the segment (0-based) that names it in names_of_every_cell.
int cell(int i, int j, int k, int im, int jm)
{
    return (i - 1) + im * (j - 1) + im * jm * (k - 1);
}

// A free-form line of a label and a 32-bit integer.
std::string labelled(const std::string& label, int value)
{
    return " " + label + " " + integer_item(value);
}

class complete_run : public second_pass_run {
protected:
    static constexpr int im = 3, jm = 2, km = 2, moments = 3;

    void SetUp() override
    {
        write_standard_grid(dir, im, jm, km);
        content.layers = km;
        content.moments = moments;
        content.segment_names = names_of_every_cell(im, jm, km);
        content.segment_constituent_types = {1, 2, 3, 4, 5};
        content.descriptions = {{1, "Bay run"}, {2, std::string(100, 'd')}};
        // Receiving segment first (a TORVA file), segments counted from 1.
        content.flow_paths = {{2, 1, 1},  {4, 1, 2}, {7, 1, 3}, {3, 0, 1}, {0, 5, 2},
                              {5, 99, 1}, {2, 3, 1}, {6, 1, 9}, {4, 2, 3}};
        write_linkage();
    }

    // Value of a segment (0-based) or flow path (0-based) at a moment (0-based).
    static float segment(int constituent, int s, int moment) { return 1000.0f * constituent + 10 * s + moment; }
    static float flow(int constituent, int p, int moment) { return -1000.0f * constituent - 10 * p - moment; }
};

TEST_F(complete_run, ConsoleShowsHeaderSummaryCountsTimeStepAndProgress)
{
    const torvautil_run result = run_with({"y", "1", ""});
    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.exit_status, 0) << result.console << result.errors;
    const lines console = result.console_lines();

    EXPECT_EQ(lines_from(console, " File Created by: TORVA", 3),
              (lines{" File Created by: TORVA", " " + field("Bay run", 80), " " + std::string(80, 'd')}));
    const lines summary{
        std::string(40, '='),
        "   Start Date and Time of HYD File: " + field("1/1/2020 0:00:00", 30),
        "     End Date and Time of HYD File: " + field("1/1/2020 2:00:00", 30),
        labelled("               Number of Segments: ", 12),
        labelled("                  Number of Flows: ", 9),
        "       Hydrodynami! Model Timestep:    3600.00000    ",
        labelled("Number of HYD Timesteps to Writes: ", 1),
        " Update Interval for HYD File Read:    3600.00000    ",
        labelled("    Number of Time Moments Stored: ", 3),
        labelled("                 Number of Layers: ", 2),
        labelled("   Number of Segment Constituents: ", 5),
        labelled("      Number of Flow Constituents: ", 3),
        std::string(40, '='),
        "          Check Flow Path Information                 ",
        std::string(40, '='),
        " Invalid segments in hyd file: " + integer_item(0),
        " Total valid segments in hyd file: " + integer_item(12),
        " Number of cells from flowgrid: " + integer_item(12),
        " Size of timestep in secs:  " + integer_item(3600),
        " Enter multiple of timestep to output data (1 for every timestep)",
        " Output step (seconds) will be: " + integer_item(3600),
        " Press enter to continue",
        " processing...",
    };
    EXPECT_EQ(lines_from(console, summary.front(), summary.size()), summary);

    // Fewer than 20 moments: a progress line at every output step.
    EXPECT_EQ(lines_from(console, " processing...", 4),
              (lines{" processing...",
                     " " + integer_item(33) + " % Complete,   step " + integer_item(1) + "  of  " + integer_item(3) +
                         "      1/1/2020 0:00:00      " + integer_item(1577836800),
                     " " + integer_item(67) + " % Complete,   step " + integer_item(2) + "  of  " + integer_item(3) +
                         "      1/1/2020 1:00:00      " + integer_item(1577840400),
                     " " + integer_item(100) + " % Complete,   step " + integer_item(3) + "  of  " + integer_item(3) +
                         "      1/1/2020 2:00:00      " + integer_item(1577844000)}));

    // hydrofile.out: the open line, the creator and descriptions, the summary.
    const lines report = crlf_lines(dir.read("hydrofile.out"));
    ASSERT_EQ(report.size(), 19u);
    EXPECT_EQ(report[0], " Opened hydrofile for Tidewire_Read: " + field(std::string("run.hyd") + '\0', 256));
    EXPECT_EQ(lines(report.begin() + 1, report.begin() + 4), lines_from(console, " File Created by: TORVA", 3));
    EXPECT_EQ(lines(report.begin() + 4, report.end()), lines(summary.begin(), summary.begin() + 15));

    EXPECT_EQ(crlf_lines(dir.read("output/Time.dat")),
              (lines{field("1/1/2020 0:00:00", 30), field("1/1/2020 1:00:00", 30), field("1/1/2020 2:00:00", 30)}));
}

TEST_F(complete_run, NetcdfRecordsHoldEveryMomentsGrids)
{
    ASSERT_EQ(run_with({"y", "1", ""}).exit_status, 0);
    const int cells = im * jm * km, columns = im * jm;

    for (const char* name :
         {"Volume", "LayerDepth", "Temp", "Salt", "WaterDepth", "SurfaceElev", "Ev", "UFlow", "VFlow", "WFlow"}) {
        const netcdf_file file(output(std::string(name) + ".nc"));
        ASSERT_EQ(file.status(), NC_NOERR) << name;
        EXPECT_EQ(file.variable_name(4), name);
        EXPECT_EQ(file.dimension_length(file.variable_dimensions(4).size() == 4 ? 3 : 2), 3u) << name;
        EXPECT_EQ(file.doubles(3), (std::vector<double>{first_stamp, first_stamp + 3600, first_stamp + 7200})) << name;
    }

    const int constituent_of[] = {1, 2, 4, 5};
    const char* segment_files[] = {"Volume", "LayerDepth", "Temp", "Salt"};
    for (int f = 0; f < 4; ++f) {
        const std::vector<float> values = values_of(segment_files[f]);
        ASSERT_EQ(values.size(), static_cast<std::size_t>(moments * cells));
        for (int m = 0; m < moments; ++m)
            for (int s = 0; s < cells; ++s)
                EXPECT_EQ(values[m * cells + s], segment(constituent_of[f], s, m)) << segment_files[f] << m << "," << s;
    }

    const std::vector<float> water = values_of("WaterDepth"), surface = values_of("SurfaceElev");
    for (int m = 0; m < moments; ++m)
        for (int c = 0; c < columns; ++c) {
            const float total = segment(2, c, m) + segment(2, c + columns, m);
            EXPECT_EQ(water[m * columns + c], total);
            EXPECT_EQ(surface[m * columns + c], total - 10.0f) << "less the bottom depth of dxdy.inp";
        }

    // Paths: 1 and 7 into segment 2 in I (7 overwrites), 2 into segment 4 in J
    // and 9 into it in K (9 overwrites the dispersion only), 3 into segment 7
    // in K, 8 into segment 6 with no known direction; the boundary paths and
    // the one to a segment beyond the count place nothing.
    const std::vector<float> ev = values_of("Ev"), u = values_of("UFlow"), v = values_of("VFlow"),
                             w = values_of("WFlow");
    for (int m = 0; m < moments; ++m) {
        std::vector<float> want_ev(cells, missing), want_u(cells, 0.0f), want_v(cells, 0.0f), want_w(cells, 0.0f);
        want_ev[1] = flow(3, 6, m), want_u[1] = flow(1, 6, m);
        want_ev[3] = flow(3, 8, m), want_v[3] = flow(1, 1, m), want_w[3] = flow(1, 8, m);
        want_ev[6] = flow(3, 2, m), want_w[6] = flow(1, 2, m);
        want_ev[5] = flow(3, 7, m);
        const auto record = [&](const std::vector<float>& all) {
            return std::vector<float>(all.begin() + m * cells, all.begin() + (m + 1) * cells);
        };
        EXPECT_EQ(record(ev), want_ev) << m;
        EXPECT_EQ(record(u), want_u) << m;
        EXPECT_EQ(record(v), want_v) << m;
        EXPECT_EQ(record(w), want_w) << m;
    }
}

class output_multiple : public second_pass_run {
protected:
    void SetUp() override
    {
        write_standard_grid(dir, 2, 1, 1);
        content.moments = 10;
        content.segment_names = names_of_every_cell(2, 1, 1);
        content.flow_paths = {{2, 1, 1}};
        write_linkage();  // constituent types 1, 2, 3: no temperature or salinity
    }
};

TEST_F(output_multiple, EveryThirdMomentIsWrittenAfterAMultipleBelowOneIsRefused)
{
    const torvautil_run result = run_with({"y", "0", "3", ""});
    ASSERT_EQ(result.exit_status, 0) << result.console << result.errors;
    EXPECT_TRUE(result.printed("The multiple must be 1 or more: " + integer_item(0)));
    EXPECT_TRUE(result.printed("Output step (seconds) will be: " + integer_item(10800)));

    int progress_lines = 0;
    for (const std::string& line : result.console_lines())
        if (line.find("% Complete,") != std::string::npos) ++progress_lines;
    EXPECT_EQ(progress_lines, 4) << "moments 1, 4, 7, 10";

    EXPECT_EQ(times_of("Volume"), (std::vector<double>{first_stamp, first_stamp + 3 * 3600, first_stamp + 6 * 3600,
                                                       first_stamp + 9 * 3600}));
    // Segment 1 of moments 1, 4, 7 and 10 (0-based 0, 3, 6, 9).
    const std::vector<float> volume = values_of("Volume");
    ASSERT_EQ(volume.size(), 8u);
    EXPECT_EQ(volume, (std::vector<float>{1000, 1010, 1003, 1013, 1006, 1016, 1009, 1019}));
    EXPECT_EQ(values_of("Temp"), std::vector<float>(8, missing));
    EXPECT_EQ(values_of("Salt"), std::vector<float>(8, missing));
    EXPECT_EQ(crlf_lines(dir.read("output/Time.dat")),
              (lines{field("1/1/2020 0:00:00", 30), field("1/1/2020 3:00:00", 30), field("1/1/2020 6:00:00", 30),
                     field("1/1/2020 9:00:00", 30)}));
}

TEST_F(output_multiple, ANonIntegerMultipleOrNoEnterEndsTheRunWithStatus2)
{
    EXPECT_EQ(run_with({"y", "x"}).exit_status, 2);
    EXPECT_EQ(run_with({"y", "2"}).exit_status, 2) << "the input ends before Enter";
}

// Reversal against KM in every column: a full column, a column of 2 layers
// whose segments use the two upper layers of the file's bottom-up order, and
// a column whose layer count exceeds KM, taken as KM.
TEST_F(second_pass_run, LayerReversalKeepsEverySegmentWithItsMark)
{
    write_standard_grid(dir, 3, 1, 3);
    dir.write_grid_input("GVCLAYER.INP", {"1 1 3", "2 1 2", "3 1 4"});
    content.segment_names = {cell_name(1, 1, 1), cell_name(1, 1, 2), cell_name(1, 1, 3), cell_name(2, 1, 2),
                             cell_name(2, 1, 3), cell_name(3, 1, 1), cell_name(3, 1, 2), cell_name(3, 1, 3)};
    content.flow_paths = {{1, 2, 3}};
    content.moments = 1;
    write_linkage();

    const torvautil_run result = run_with({"n", "1", ""});
    ASSERT_EQ(result.exit_status, 0) << result.console << result.errors;
    EXPECT_EQ(crlf_lines(dir.read("output/removedCells.txt")),
              (lines{" Columns to be removed at:", " Cells to be removed at:"}));
    EXPECT_TRUE(result.printed("Number of cells from flowgrid: " + integer_item(8)));
    // Volume of segment s (0-based) is 1000 + 10 s; layers from the surface.
    EXPECT_EQ(values_of("Volume"), (std::vector<float>{1020, 1040, 1070, 1010, 1030, 1060, 1000, missing, 1050}));
    const std::vector<float> w = values_of("WFlow");
    EXPECT_EQ(w[6], -1000.0f) << "path into segment 1, now at layer 3";
}

// A creator beyond the named ones (the library accepts 21) prints as unknown.
TEST_F(second_pass_run, AFileOfAnotherCreatorReceivesAtItsSecondSegment)
{
    write_standard_grid(dir, 2, 1, 1);
    content.segment_names = names_of_every_cell(2, 1, 1);
    content.flow_paths = {{1, 2, 1}};
    content.moments = 1;
    for (const auto& [creator, line] :
         {std::pair<int, const char*>{3, "File Created by: MORRA"}, {21, "File Created by: Unknown Creator"}}) {
        content.creator = creator;
        write_linkage();
        const torvautil_run result = run_with({"y", "1", ""});
        ASSERT_EQ(result.exit_status, 0) << creator;
        EXPECT_TRUE(result.printed(line)) << result.console;
        EXPECT_EQ(crlf_lines(dir.read("hydrofile.out"))[1], std::string(" ") + line);
        EXPECT_EQ(values_of("UFlow"), (std::vector<float>{0.0f, -1000.0f})) << creator;
    }
}

// The library keeps a start time as it was given, so its date text can be
// longer than the 30-character field; the field keeps the first 30.
TEST_F(second_pass_run, ALongStartDateTextKeepsItsFirst30Characters)
{
    write_standard_grid(dir, 1, 1, 1);
    content.seed_moment = {12, 31, 2019, 500000, 500000, 500000};
    content.segment_names = names_of_every_cell(1, 1, 1);
    content.flow_paths = {{1, 0, 1}};
    write_linkage();
    const torvautil_run result = run_with({"y", "1", ""});
    EXPECT_EQ(result.exit_status, 0) << result.console << result.errors;
    EXPECT_TRUE(result.printed("Start Date and Time of HYD File: 12/31/2019 500000:500000:50000")) << result.console;
}

}  // namespace
