// Working directories near the 200-character path fields: one sound run in a
// working directory of every length from 170 to 210 characters. Up to 192
// characters every file is read and written under its whole name; beyond, the
// run stops at the start with its message and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "linkage_file_builder.h"
#include "scratch_workdir.h"
#include "standard_grid.h"
#include "torvautil_process.h"

namespace fs = std::filesystem;

namespace {

const std::set<std::string> whole_outputs = {
    "Ev.nc",      "LayerDepth.nc", "Model_dim.txt", "Salt.nc",  "SurfaceElev.nc",   "Temp.nc",         "Time.dat",
    "UFlow.nc",   "VFlow.nc",      "Volume.nc",     "WFlow.nc", "WaterDepth.nc",    "d.dat",           "dxdy.dat",
    "latlon.dat", "lxly.dat",      "mask.dat",      "nz.dat",   "removedCells.txt", "SegmentError.txt"};
const std::set<std::string> working_directory_entries = {"LOG.TXT", "hydrofile.out", "input", "output", "run.lnk"};

std::set<std::string> names_in(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// The parameter is the length of the working directory's path.
class deep_workdir_test : public ::testing::TestWithParam<std::size_t> {};

TEST_P(deep_workdir_test, every_path_is_used_whole_or_the_run_stops_at_the_start)
{
    // The sound files are written in a scratch directory and copied into the
    // deep working directory made below it.
    scratch_workdir scratch;
    write_standard_grid(scratch, 2, 2, 1);
    linkage_file_content content;
    content.segment_names = names_of_every_cell(2, 2, 1);
    content.flow_paths = {{{1, 2, 1}}, {{3, 4, 1}}, {{1, 3, 2}}, {{2, 4, 2}}};
    write_linkage_file((scratch.path() / "run.lnk").string(), content);

    const std::size_t length = GetParam();
    const fs::path base = fs::canonical(scratch.path());
    const fs::path deep = base / std::string(length - base.string().size() - 1, 'd');
    ASSERT_EQ(deep.string().size(), length);
    fs::create_directories(deep / "output");
    fs::copy(scratch.input(), deep / "input");
    fs::copy_file(scratch.path() / "run.lnk", deep / "run.lnk");

    const torvautil_run run = run_torvautil(deep, {"Y", "run.lnk", "y", "1", ""});
    ASSERT_TRUE(run.exited) << run.errors;
    EXPECT_EQ(run.exit_status, 0) << run.console << run.errors;
    if (length <= 192) {
        EXPECT_NE(run.console.find("Writing Model_dim"), std::string::npos) << run.console;
        EXPECT_EQ(names_in(deep / "output"), whole_outputs);
        EXPECT_EQ(names_in(deep), working_directory_entries);
    } else {
        EXPECT_NE(run.console.find("longer than 192 characters"), std::string::npos) << run.console;
        EXPECT_TRUE(names_in(deep / "output").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(converter, deep_workdir_test, ::testing::Range<std::size_t>(170, 211),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return "length_" + std::to_string(info.param);
                         });

}  // namespace
