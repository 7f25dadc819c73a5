// Second pass, from its start to the number of moments: hydrofile.out, the
// open, the header values, the creator line and the descriptions.
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <system_error>

#include "array_fault.h"
#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "returned_text.h"
#include "run_stop.h"
#include "second_pass_steps.h"
#include "tidewire.h"
#include "vars.h"

namespace {

constexpr int4 language_from_one = 1;

// Each line to the console, then the same line to hydrofile.out.
void write_both(second_pass_state& pass, const freeform_line& line)
{
    console::write(line);
    pass.hydrofile.write(line);
}

void open_hydrofile_out(second_pass_state& pass)
{
    bentha_input.filepath = "hydrofile.out";
    bentha_input.iostatus = pass.hydrofile.open("hydrofile.out", text_output_file::mode::keep);
    io_error();
}

// hydrofil holds the name, a NUL and blanks; a name of 256 characters has
// lost its NUL, so the library gets a terminated copy either way.
std::string name_before_nul(const fixed_text<256>& field)
{
    return std::string(text_before_nul(field.data(), field.length));
}

void open_linkage_file(second_pass_state& pass)
{
    console::write(freeform_line() << "Selected hydrofile: " << vars.hydrofil);
    console::write(freeform_line() << "Itw_mode = " << pass.mode);
    console::write(freeform_line() << "Itw_handle = " << pass.handle);
    console::write(freeform_line() << "ierror = " << pass.ierror);

    pass.linkage_path = name_before_nul(vars.hydrofil);
    _twopen(pass.linkage_path.c_str(), &pass.mode, &pass.handle, &pass.ierror);
    // Written before the error code is looked at, so a failed open shows too.
    write_both(pass, freeform_line() << "Opened hydrofile for Tidewire_Read: " << vars.hydrofil);
    if (pass.ierror > 0) {
        const fixed_text<256> errstring = library_error_text();
        console::write(freeform_line() << "Hydrodynami! Interface File not Found" << vars.hydrofil);
        console::write(freeform_line() << errstring);
        stop_run(0);
    }

    std::error_code size_error;
    pass.linkage_file_size = std::filesystem::file_size(pass.linkage_path, size_error);
    if (size_error) {
        console::write(freeform_line() << "Error: cannot read the size of the hyd file: " << vars.hydrofil);
        stop_run(0);
    }
}

void read_start_moment(second_pass_state& pass)
{
    int4 month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    real4 rday = 0.0f;
    date_text_buffer text;
    _twgetseedmoment(&pass.handle, &month, &day, &year, &hour, &minute, &second, &rday, text.data(), &pass.ierror);
    stop_on_library_error(pass.ierror);
    pass.start_date = text.text();
    console::write(freeform_line() << "start year=" << year);
    console::write(freeform_line() << "start mon= " << month);
    console::write(freeform_line() << "start day= " << day);
    console::write(freeform_line() << "start_hour=" << hour);
    console::write(freeform_line() << "start_min= " << minute);
    console::write(freeform_line() << "start_sec= " << second);
    console::write(freeform_line() << "rday = " << rday);
}

void read_end_moment(second_pass_state& pass)
{
    int4 month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0;
    real4 days = 0.0f;
    date_text_buffer text;
    _twgetendmoment(&pass.handle, &month, &day, &year, &hour, &minute, &second, &days, text.data(), &pass.ierror);
    stop_on_library_error(pass.ierror);
    pass.end_date = text.text();
}

// One segment constituent of type code 4 switches on both temperature and
// salinity; nothing switches them off again.
void read_constituent_types(second_pass_state& pass)
{
    _twgetnumsegconsts(&pass.handle, &pass.inumsegconst, &pass.ierror);
    stop_on_library_error(pass.ierror);
    for (int4 i = 1; i <= pass.inumsegconst; ++i) {
        int4 type = 0;
        _twgetsegconsttype(&pass.handle, &i, &type, &pass.ierror);
        stop_on_library_error(pass.ierror);
        if (type == 4) {
            pass.temperature = true;
            pass.salinity = true;
        }
    }
}

void read_plain_header_values(second_pass_state& pass)
{
    _twgetnumfpconsts(&pass.handle, &pass.numflowconstants, &pass.ierror);
    stop_on_library_error(pass.ierror);
    _twgethydtimestep(&pass.handle, &pass.hdt, &pass.ierror);
    stop_on_library_error(pass.ierror);
    _twgetupdateint(&pass.handle, &pass.rinterval, &pass.ierror);
    stop_on_library_error(pass.ierror);
    _twgethydtokelvaratio(&pass.handle, &pass.numhstep, &pass.ierror);
    stop_on_library_error(pass.ierror);
    _twgetnumlayers(&pass.handle, &pass.num_lay, &pass.ierror);
    stop_on_library_error(pass.ierror);
}

void write_creator_line(second_pass_state& pass)
{
    static const char* const creators[] = {"KELVA", "TORVA", "BRANO", "MORRA", "VENTA", "PALUD", "GLENO"};
    if (pass.modtype < 0) return;  // a negative code writes no creator line
    const char* name = pass.modtype <= 6 ? creators[pass.modtype] : "Unknown Creator";
    write_both(pass, freeform_line() << std::string("File Created by: ") + name);
}

void read_descriptions(second_pass_state& pass)
{
    _twgetnumdescriptions(&pass.handle, &pass.num_desc, &pass.ierror);
    stop_on_library_error(pass.ierror);
    if (pass.num_desc <= 0) return;
    std::unique_ptr<file_text_buffer> buffer;
    try {
        buffer = std::make_unique<file_text_buffer>(pass.linkage_file_size);
    } catch (const std::bad_alloc&) {
        array_fault::allocation_failed("msg");
    }
    file_text_buffer& text = *buffer;
    for (int4 i = 1; i <= pass.num_desc; ++i) {
        int4 type = 0;
        _twgetdescription(&pass.handle, &i, &type, text.data(), &pass.ierror);
        stop_on_library_error(pass.ierror);
        // The 80-character description field: a longer text keeps its first 80.
        const fixed_text<80> msg(text.text());
        write_both(pass, freeform_line() << msg);
    }
}

}  // namespace

void read_linkage_header(second_pass_state& pass)
{
    open_hydrofile_out(pass);
    open_linkage_file(pass);

    _twsetlanguage(&pass.handle, &language_from_one, &pass.ierror);
    stop_on_library_error(pass.ierror);
    read_start_moment(pass);
    _twgetnumsegments(&pass.handle, &pass.noseg, &pass.ierror);
    stop_on_library_error(pass.ierror);
    read_end_moment(pass);
    _twgetnumflowpaths(&pass.handle, &pass.numflow, &pass.ierror);
    stop_on_library_error(pass.ierror);
    vars.nf = pass.numflow;
    read_constituent_types(pass);
    read_plain_header_values(pass);
    _twgetcreator(&pass.handle, &pass.modtype, &pass.ierror);
    stop_on_library_error(pass.ierror);
    write_creator_line(pass);
    read_descriptions(pass);
    _twgetnummoments(&pass.handle, &vars.num_moments, &pass.ierror);
    stop_on_library_error(pass.ierror);
}
