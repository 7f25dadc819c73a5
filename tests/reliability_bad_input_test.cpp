// The converter against bad input: one row per case, each giving how a sound
// working directory is spoilt, the answers typed, the texts the console must
// show, the question at which the dialogue stopped (where that matters) and
// the exit status. torvautil runs as its own process, so a crash shows as a
// signal and fails the row; in the sanitizer build, so does any report.
//
// The sound directory: a 2 x 2 x 1 grid, four segments (one per cell), four
// flow paths, two moments an hour apart; the full dialogue is
// "Y", the file name, "y" (layer 1 is the surface), the multiple 1, Enter.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "failure_text.h"
#include "linkage_file_builder.h"
#include "scratch_workdir.h"
#include "torvautil_process.h"

namespace {

const char kLinkageName[] = "run.lnk";

// What a row starts from, and may change before the files are written.
struct run_setup {
    int im = 2, jm = 2, km = 1;
    bool write_control = true;
    std::vector<std::string> cell_rows = {"    2" + std::string("55"), "    1" + std::string("55")};
    std::vector<std::string> dxdy_records = {"1 1 100.0 100.0 5.0", "2 1 100.0 100.0 5.0", "1 2 100.0 100.0 5.0",
                                             "2 2 100.0 100.0 5.0"};
    std::vector<std::string> lxly_records = {
        "1 1 500000.0 4200000.0 1.0 0.0 0.0 1.0", "2 1 500100.0 4200000.0 1.0 0.0 0.0 1.0",
        "1 2 500000.0 4200100.0 1.0 0.0 0.0 1.0", "2 2 500100.0 4200100.0 1.0 0.0 0.0 1.0"};
    std::vector<std::string> gvclayer_records;  // empty: no GVCLAYER.INP
    linkage_file_content linkage = sound_linkage();
    // Last changes to the directory, after every file is written.
    std::function<void(const scratch_workdir&)> after_writing;

    static linkage_file_content sound_linkage()
    {
        linkage_file_content content;
        content.segment_names = {cell_name(1, 1, 1), cell_name(2, 1, 1), cell_name(1, 2, 1), cell_name(2, 2, 1)};
        content.flow_paths = {{{1, 2, 1}}, {{3, 4, 1}}, {{1, 3, 2}}, {{2, 4, 2}}};
        content.moments = 2;
        return content;
    }
};

// One row: `expected` texts must all show on the console (standard output
// or standard error); `last_line`, when given, is the last line of standard
// output, blanks trimmed: the question at which the input ran out.
struct bad_input_case {
    const char* name;
    std::function<void(run_setup&)> spoil;
    std::vector<std::string> answers;
    std::vector<std::string> expected;
    int exit_status;
    const char* last_line = nullptr;
};

void PrintTo(const bad_input_case& row, std::ostream* out)
{
    *out << row.name;
}

const std::vector<std::string> kFullDialogue = {"Y", kLinkageName, "y", "1", ""};

// The library's failure text as the converter prints it: in a field of 256
// characters, the text, a NUL, blanks.
std::string index_out_of_range(int line, const std::string& function)
{
    std::string field = failure_text(unit::dataset, line, function, "Index out of range") + '\0';
    field.resize(256, ' ');
    return field;
}

void prepare(const scratch_workdir& dir, const run_setup& setup)
{
    if (setup.write_control) dir.write_control(setup.im, setup.jm, setup.km);
    dir.write_cell_inp(setup.cell_rows);
    dir.write_grid_input("dxdy.inp", setup.dxdy_records);
    dir.write_grid_input("lxly.inp", setup.lxly_records);
    if (!setup.gvclayer_records.empty()) dir.write_grid_input("GVCLAYER.INP", setup.gvclayer_records);
    write_linkage_file((dir.path() / kLinkageName).string(), setup.linkage);
    if (setup.after_writing) setup.after_writing(dir);
}

void truncate_linkage(const scratch_workdir& dir, double kept_share)
{
    std::string bytes = dir.read(kLinkageName);
    dir.write(kLinkageName, bytes.substr(0, static_cast<std::size_t>(bytes.size() * kept_share)));
}

std::vector<bad_input_case> bad_input_cases()
{
    const std::string completed = "Writing Model_dim";
    const std::string input_ended = "Error: read error in stdin: end of input";
    const std::vector<std::string> multiple_then_1 = {"Y", kLinkageName, "y", "0", "1", ""};
    return {
        {"sound_run_completes", nullptr, kFullDialogue, {completed}, 0},

        // control.dat
        {"missing_control_dat",
         [](run_setup& s) { s.write_control = false; },
         kFullDialogue,
         {"Error: IO STATUS            2", "with file: ", "/input/control.dat"},
         0},
        {"empty_control_dat",
         [](run_setup& s) { s.after_writing = [](const scratch_workdir& d) { d.write("input/control.dat", ""); }; },
         kFullDialogue,
         {"Error: read error in ", "/input/control.dat: end of file"},
         2},
        // With no cell in I, every segment lies outside the grid; the second
        // question gets the answer "1", which ends the run.
        {"control_dat_im_0",
         [](run_setup& s) { s.im = 0; },
         kFullDialogue,
         {"Index out of bounds for numseg="},
         0,
         "Enter 'Y' or 'y' to ignore this segment and continue"},
        {"control_dat_im_negative",
         [](run_setup& s) { s.im = -3; },
         kFullDialogue,
         {"Index out of bounds for numseg="},
         0,
         "Enter 'Y' or 'y' to ignore this segment and continue"},
        {"control_dat_grid_too_large_to_allocate",
         [](run_setup& s) {
             s.im = 2000000000;
             s.jm = 2000000000;
             s.km = 2000000000;
         },
         kFullDialogue,
         {"Error: array validcell cannot be allocated"},
         2},
        {"control_dat_not_numeric",
         [](run_setup& s) {
             s.after_writing = [](const scratch_workdir& d) { d.write("input/control.dat", "grid\ntwo\n2\n1\n"); };
         },
         kFullDialogue,
         {"/input/control.dat: bad value \"two\""},
         2},

        // Grid input files
        {"missing_cell_inp",
         [](run_setup& s) { s.after_writing = [](const scratch_workdir& d) { d.remove("input/cell.inp"); }; },
         kFullDialogue,
         {"Error: IO STATUS", "/input/cell.inp"},
         0},
        {"missing_dxdy_inp",
         [](run_setup& s) { s.after_writing = [](const scratch_workdir& d) { d.remove("input/dxdy.inp"); }; },
         kFullDialogue,
         {"Error: IO STATUS", "/input/dxdy.inp"},
         0},
        {"missing_lxly_inp",
         [](run_setup& s) { s.after_writing = [](const scratch_workdir& d) { d.remove("input/lxly.inp"); }; },
         kFullDialogue,
         {"Error: IO STATUS", "/input/lxly.inp"},
         0},
        {"gvclayer_record_not_numeric",
         [](run_setup& s) {
             s.gvclayer_records = {"1 1 1", "2 one 1"};
         },
         kFullDialogue,
         {"Error: IO STATUS", "/input/GVCLAYER.INP"},
         0},
        {"lxly_record_not_numeric",
         [](run_setup& s) { s.lxly_records[2] = "1 2 east 4200100.0 1.0 0.0 0.0 1.0"; },
         kFullDialogue,
         {"Error: IO STATUS", "/input/lxly.inp"},
         0},
        {"dxdy_record_not_numeric",
         [](run_setup& s) { s.dxdy_records[1] = "2 1 abc 100.0 5.0"; },
         kFullDialogue,
         {"Error: IO STATUS", "/input/dxdy.inp"},
         0},
        {"cell_inp_letter_in_cell_column",
         [](run_setup& s) { s.cell_rows[0] = "    25x"; },
         kFullDialogue,
         {"/input/cell.inp: a cell column holds neither a digit nor a blank"},
         2},
        {"dxdy_record_outside_grid",
         [](run_setup& s) { s.dxdy_records.push_back("3 1 100.0 100.0 5.0"); },
         kFullDialogue,
         {completed},
         0},
        {"lxly_record_outside_grid",
         [](run_setup& s) { s.lxly_records.push_back("0 -4 1.0 1.0 1.0 0.0 0.0 1.0"); },
         kFullDialogue,
         {completed},
         0},
        {"gvclayer_record_outside_grid",
         [](run_setup& s) { s.gvclayer_records = {"1 1 1", "2 1 1", "1 2 1", "2 2 1", "9 9 1", "-1 0 1"}; },
         kFullDialogue,
         {completed},
         0},
        {"cell_inp_shorter_than_the_grid", [](run_setup& s) { s.cell_rows.pop_back(); }, kFullDialogue, {completed}, 0},
        {"more_layers_than_km_reversed",
         [](run_setup& s) {
             s.gvclayer_records = {"1 1 3", "2 1 1", "1 2 1", "2 2 1"};
         },
         {"Y", kLinkageName, "n", "1", ""},
         {completed},
         0},
        {"output_folder_missing",
         [](run_setup& s) {
             s.after_writing = [](const scratch_workdir& d) { std::filesystem::remove_all(d.output()); };
         },
         kFullDialogue,
         {"Error: IO STATUS            2", "/output/SegmentError.txt"},
         0},
        {"hydrofile_out_cannot_be_written",
         [](run_setup& s) {
             s.after_writing = [](const scratch_workdir& d) {
                 std::filesystem::create_directory(d.path() / "hydrofile.out");
             };
         },
         kFullDialogue,
         {"Error: IO STATUS", "with file: hydrofile.out"},
         0},
        {"nz_dat_cannot_be_written",
         [](run_setup& s) {
             s.after_writing = [](const scratch_workdir& d) {
                 std::filesystem::create_directory(d.output() / "nz.dat");
             };
         },
         kFullDialogue,
         {"Error: IO STATUS", "/output/nz.dat"},
         0},
        {"nz_dat_not_numeric_for_100_layers",
         [](run_setup& s) {
             s.gvclayer_records = {"1 1 100", "2 1 1", "1 2 1", "2 2 1"};
         },
         kFullDialogue,
         {"/output/nz.dat: bad value \"**\""},
         2},

        // The linkage file
        {"linkage_file_missing",
         [](run_setup& s) { s.after_writing = [](const scratch_workdir& d) { d.remove(kLinkageName); }; },
         kFullDialogue,
         {"Error could not locate hyd file: run.lnk"},
         0},
        {"linkage_file_truncated",
         [](run_setup& s) { s.after_writing = [](const scratch_workdir& d) { truncate_linkage(d, 0.6); }; },
         kFullDialogue,
         {"ierror =          512", "Error opening hydrofile:"},
         0},
        {"linkage_file_never_closed",
         [](run_setup& s) {
             s.after_writing = [](const scratch_workdir& d) {
                 std::string bytes = d.read(kLinkageName);
                 d.write(kLinkageName, std::string(8, '\0') + bytes.substr(8));
             };
         },
         kFullDialogue,
         {"ierror =          512", "Error opening hydrofile:"},
         0},
        {"segment_name_of_hundreds_of_characters",
         [](run_setup& s) { s.linkage.segment_names[1] = cell_name(2, 1, 1) + std::string(400, 'x'); },
         kFullDialogue,
         {completed},
         0},
        {"segment_name_with_cell_after_hundreds_of_characters",
         [](run_setup& s) { s.linkage.segment_names[1] = std::string(400, 'x') + cell_name(2, 1, 1); },
         {"Y", kLinkageName, "n"},
         {"K index parsing failed for numseg=", "segment name is: " + std::string(30, 'x')},
         0,
         "Enter 'Y' or 'y' to ignore this segment and continue"},
        {"fewer_segment_constituents_than_read",
         [](run_setup& s) {
             s.linkage.segment_constituent_types = {1, 2};
         },
         kFullDialogue,
         {index_out_of_range(511, "tidewire_data::getseginfo")},
         0},
        {"fewer_flow_constituents_than_read",
         [](run_setup& s) {
             s.linkage.flow_constituent_types = {1, 2};
         },
         kFullDialogue,
         {index_out_of_range(489, "tidewire_data::getflowinfo")},
         0},
        {"temperature_without_salinity_constituent",
         [](run_setup& s) {
             s.linkage.segment_constituent_types = {1, 2, 3, 4};
         },
         kFullDialogue,
         {index_out_of_range(511, "tidewire_data::getseginfo")},
         0},
        {"flow_path_to_segment_beyond_the_file",
         [](run_setup& s) {
             s.linkage.flow_paths.push_back({{99, 1, 1}});
         },
         kFullDialogue,
         {completed},
         0},
        {"flow_path_from_negative_segment",
         [](run_setup& s) {
             s.linkage.flow_paths.push_back({{2, -7, 3}});
         },
         kFullDialogue,
         {completed},
         0},
        {"flow_path_with_unknown_direction",
         [](run_setup& s) {
             s.linkage.flow_paths.push_back({{1, 2, 9}});
         },
         kFullDialogue,
         {completed},
         0},
        {"flow_path_to_skipped_segment",
         [](run_setup& s) {
             s.linkage.segment_names[1] = "no cell here";
             s.linkage.flow_paths.push_back({{2, 1, 1}});
         },
         {"Y", kLinkageName, "y", "y", "1", ""},
         {completed},
         0},
        {"description_of_hundreds_of_characters",
         [](run_setup& s) {
             s.linkage.descriptions = {{1, std::string(300, 'd')}};
         },
         kFullDialogue,
         {completed},
         0},
        {"start_moment_with_extreme_fields",
         [](run_setup& s) {
             s.linkage.seed_moment = {{-2147483647, -2147483647, -2147483647, -2147483647, -2147483647, -2147483647}};
         },
         kFullDialogue,
         {"Start Date and Time of HYD File: -2147483647/-2147483647/-21474", completed},
         0},
        {"creator_code_21",
         [](run_setup& s) { s.linkage.creator = 21; },
         kFullDialogue,
         {"File Created by: Unknown Creator", completed},
         0},
        {"zero_moments", [](run_setup& s) { s.linkage.moments = 0; }, kFullDialogue, {completed}, 0},
        {"one_moment", [](run_setup& s) { s.linkage.moments = 1; }, kFullDialogue, {completed}, 0},

        // Answers
        {"output_multiple_0_is_asked_again",
         nullptr,
         multiple_then_1,
         {"The multiple must be 1 or more:           0", completed},
         0},
        {"output_multiple_minus_1_is_asked_again",
         nullptr,
         {"Y", kLinkageName, "y", "-1", "1", ""},
         {"The multiple must be 1 or more:          -1", completed},
         0},
        {"output_multiple_not_an_integer",
         nullptr,
         {"Y", kLinkageName, "y", "1.5", ""},
         {"Error: read error in stdin: bad value \"1.5\""},
         2},
        {"input_ends_at_overwrite_question", nullptr, {}, {input_ended}, 2, "Enter 'Y' or 'y' to continue"},
        {"input_ends_at_file_name", nullptr, {"Y"}, {input_ended}, 2, "Enter Name of HYD File to Inspect:"},
        {"input_ends_at_ignore_segment_question",
         [](run_setup& s) { s.linkage.segment_names[1] = "no cell here"; },
         {"Y", kLinkageName},
         {input_ended},
         2,
         "Enter 'Y' or 'y' to ignore this segment and continue"},
        {"input_ends_at_surface_question",
         nullptr,
         {"Y", kLinkageName},
         {input_ended},
         2,
         "If 'n' the ordering of layers will be reversed"},
        // Two layers of cells and segments in the first only: cells are dropped.
        {"input_ends_at_cells_removed_question",
         [](run_setup& s) { s.km = 2; },
         {"Y", kLinkageName, "y"},
         {input_ended, "cells will be removed"},
         2,
         "Enter 'Y' or 'y' to continue"},
        {"input_ends_at_output_multiple",
         nullptr,
         {"Y", kLinkageName, "y"},
         {input_ended},
         2,
         "Enter multiple of timestep to output data (1 for every timestep)"},
        {"input_ends_at_press_enter",
         nullptr,
         {"Y", kLinkageName, "y", "1"},
         {input_ended},
         2,
         "Press enter to continue"},
    };
}

class bad_input_test : public ::testing::TestWithParam<bad_input_case> {};

TEST_P(bad_input_test, ends_cleanly_with_its_message_and_status)
{
    const bad_input_case& row = GetParam();
    run_setup setup;
    if (row.spoil) row.spoil(setup);
    scratch_workdir dir;
    prepare(dir, setup);

    torvautil_run run = run_torvautil(dir.path(), row.answers);

    ASSERT_TRUE(run.exited) << "torvautil ended on signal " << run.signal << "\n" << run.errors;
    EXPECT_EQ(run.exit_status, row.exit_status) << run.console << run.errors;
    const std::string everything = run.console + run.errors;
    for (const std::string& text : row.expected)
        EXPECT_NE(everything.find(text), std::string::npos) << "expected \"" << text << "\" in:\n" << everything;
    if (row.last_line) {
        std::vector<std::string> lines = run.console_lines();
        while (!lines.empty() && trim_blanks(lines.back()).empty()) lines.pop_back();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(trim_blanks(lines.back()), row.last_line);
    }
}

INSTANTIATE_TEST_SUITE_P(converter, bad_input_test, ::testing::ValuesIn(bad_input_cases()),
                         [](const ::testing::TestParamInfo<bad_input_case>& info) { return info.param.name; });

}  // namespace

namespace {

// Every linkage file of the reader's fuzz corpus (damaged in every way the
// fuzzer found worth keeping) in place of the sound one: the converter may
// refuse it or convert it, but ends on its own, with status 0 or 2.
TEST(converter_corpus_test, every_damaged_linkage_file_ends_the_run_cleanly)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(LINKAGE_CORPUS_DIR)) files.push_back(entry.path());
    ASSERT_FALSE(files.empty());
    std::vector<std::string> answers = {"Y", kLinkageName};
    answers.insert(answers.end(), 8, "y");  // ignore bad segments, layer 1 on top, drop cells
    answers.insert(answers.end(), {"1", ""});
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        scratch_workdir dir;
        prepare(dir, run_setup());
        std::filesystem::copy_file(file, dir.path() / kLinkageName, std::filesystem::copy_options::overwrite_existing);
        torvautil_run run = run_torvautil(dir.path(), answers);
        ASSERT_TRUE(run.exited) << "torvautil ended on signal " << run.signal << "\n" << run.errors;
        EXPECT_TRUE(run.exit_status == 0 || run.exit_status == 2) << run.exit_status << "\n" << run.errors;
        EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos) << run.errors;
        EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
    }
}

}  // namespace
