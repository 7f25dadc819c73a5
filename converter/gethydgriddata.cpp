// The first pass over the linkage file: every segment's name gives its grid
// cell (I, J, K); names that do not parse or point outside the grid are
// reported, and the user decides whether to skip each or stop.
#include <cstdio>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "bentha_input.h"
#include "console.h"
#include "flowgrid.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "run_stop.h"
#include "returned_text.h"
#include "segment_cell.h"
#include "segment_name_field.h"
#include "stringmod.h"
#include "text_output_file.h"
#include "tidewire.h"
#include "vars.h"

namespace {

constexpr int4 read_mode = 0;
constexpr int4 first_index_is_one = 1;

// The name as typed, without the NUL and blanks of the field.
std::string typed_file_name()
{
    const std::string_view field = vars.hydrofil.view();
    return std::string(field.substr(0, field.find('\0')));
}

void ask_for_linkage_file()
{
    console::write(freeform_line() << "Enter Name of HYD File to Inspect:");
    freeform_reader::console().read_or_stop(vars.hydrofil);
    const std::size_t length = vars.hydrofil.content_length();
    // A name that fills all 256 characters keeps no NUL in the field; the
    // library is always handed a terminated copy (typed_file_name).
    if (length < vars.hydrofil.length) vars.hydrofil[length] = '\0';

    std::error_code ignored;
    if (!std::filesystem::exists(typed_file_name(), ignored)) {
        console::write(freeform_line() << "Error could not locate hyd file: " << vars.hydrofil);
        stop_run();
    }
}

void open_report(text_output_file& report, const std::string& path)
{
    bentha_input.filepath = path;
    bentha_input.iostatus = report.open(path, text_output_file::mode::keep);
    io_error();
}

int4 open_linkage_file(text_output_file& hydrofile_out)
{
    const int4 mode = read_mode;
    int4 handle = 0;
    int4 ierror = 0;
    console::write(freeform_line() << "Selected hydrofile: " << vars.hydrofil);
    console::write(freeform_line() << "Itw_mode = " << mode);
    console::write(freeform_line() << "Itw_handle = " << handle);
    console::write(freeform_line() << "ierror = " << ierror);

    const std::string name = typed_file_name();
    _twopen(name.c_str(), &mode, &handle, &ierror);
    const freeform_line opened = freeform_line() << "Opened hydrofile for getHydGridData: " << vars.hydrofil;
    console::write(opened);
    hydrofile_out.write(opened);
    console::write(freeform_line() << "ierror = " << ierror);
    if (ierror > 0) {
        const fixed_text<256> text = library_error_text();
        console::write(freeform_line() << "Error opening hydrofile:" << text);
        stop_run();
    }
    const int4 language = first_index_is_one;
    _twsetlanguage(&handle, &language, &ierror);
    stop_on_library_error(ierror);
    return handle;
}

void allocate_segment_state()
{
    vars.validcell.allocate(vars.im, vars.jm, vars.km);
    vars.validcell.fill(0);
    for (auto* index : {&vars.i_ind, &vars.j_ind, &vars.k_ind, &vars.validseg}) index->allocate(vars.numseg);
    vars.validseg.fill(1);
}

// Reports one segment that cannot be placed and asks whether to skip it.
void reject_segment(text_output_file& segment_errors, int4 iseg, const char* heading, const fixed_text<30>& shown_name)
{
    console::write(freeform_line() << heading << vars.numseg);
    console::write(freeform_line() << "    segment name is: " << shown_name);
    segment_errors.write(freeform_line() << heading << vars.numseg << " with segment name:" << removenuls(shown_name));
    vars.validseg(iseg) = 0;
    console::write(freeform_line() << "Enter 'Y' or 'y' to ignore this segment and continue");
    char answer = ' ';
    freeform_reader::console().read_or_stop(answer);
    if (answer != 'Y' && answer != 'y') stop_run();
}

const char* parse_failure_heading(segment_parse_failure failure)
{
    switch (failure) {
        case segment_parse_failure::i_index:
            return "I index parsing failed for numseg=";
        case segment_parse_failure::j_index:
            return "J index parsing failed for numseg=";
        case segment_parse_failure::k_index:
            return "K index parsing failed for numseg=";
        case segment_parse_failure::none:
            break;
    }
    return "";
}

bool cell_inside_grid(const segment_cell& cell)
{
    return cell.i >= 1 && cell.i <= vars.im && cell.j >= 1 && cell.j <= vars.jm && cell.k >= 1 && cell.k <= vars.km;
}

void map_segment(segment_name_field& names, int4 handle, int4 iseg, text_output_file& segment_errors)
{
    stop_on_library_error(names.fetch(handle, iseg));
    const fixed_text<30> returned(names.field());
    fixed_text<30> packed = returned;
    removesp(packed);

    const segment_cell cell = parse_segment_cell(std::string(packed.view()));
    if (cell.failure != segment_parse_failure::none) {
        reject_segment(segment_errors, iseg, parse_failure_heading(cell.failure), returned);
    } else if (!cell_inside_grid(cell)) {
        reject_segment(segment_errors, iseg, "Index out of bounds for numseg=", packed);
    } else {
        vars.i_ind(iseg) = cell.i;
        vars.j_ind(iseg) = cell.j;
        vars.k_ind(iseg) = cell.k;
        vars.validcell(cell.i, cell.j, cell.k) = 1;
    }
}

// The name buffer is sized from the file; a file too large for memory is
// reported by name rather than left to fail somewhere inside the library.
segment_name_field name_field_for(const std::string& linkage_file)
{
    try {
        return segment_name_field(linkage_file);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "Error: not enough memory to read the segment names of %s\n", linkage_file.c_str());
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "Error: %s\n", error.what());
    }
    stop_run(2);
}

}  // namespace

void gethydgriddata()
{
    const std::string segment_error_path = std::string(vars.basepath.trimmed()) + "/output/SegmentError.txt";
    text_output_file hydrofile_out;
    open_report(hydrofile_out, "hydrofile.out");

    ask_for_linkage_file();
    const int4 handle = open_linkage_file(hydrofile_out);
    int4 ierror = 0;
    _twgetnumsegments(&handle, &vars.numseg, &ierror);
    stop_on_library_error(ierror);
    allocate_segment_state();

    text_output_file segment_errors;
    open_report(segment_errors, segment_error_path);
    segment_name_field names = name_field_for(typed_file_name());
    for (int4 iseg = 1; iseg <= vars.numseg; ++iseg) map_segment(names, handle, iseg, segment_errors);

    console::write(freeform_line() << "Itw_handle:" << handle);
    _twclose(&handle, &ierror);
    stop_on_library_error(ierror);
    hydrofile_out.close();
    segment_errors.close();
}
