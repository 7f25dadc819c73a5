#include <filesystem>
#include <string>
#include <system_error>

#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "run_stop.h"
#include "vars.h"

namespace {

// The longer of the two folder names; the paths are held in 200 characters.
constexpr std::size_t longest_folder_suffix = sizeof("/output/") - 1;

std::string working_directory()
{
    std::error_code failure;
    const std::filesystem::path current = std::filesystem::current_path(failure);
    if (failure) {
        console::write(freeform_line() << "Error: cannot find the working directory: " << failure.message());
        stop_run();
    }
    return current.string();
}

}  // namespace

void setpath()
{
    const std::string base = working_directory();
    // A cut path would name other folders than the working directory's own.
    if (base.size() + longest_folder_suffix > vars.basepath.length) {
        console::write(freeform_line() << "Error: the path of the working directory is longer than "
                                       << std::to_string(vars.basepath.length - longest_folder_suffix)
                                       << " characters, too long for the input and output paths:");
        console::write(freeform_line() << "    " << base);
        stop_run();
    }
    vars.basepath = base;
    const std::string trimmed_base(vars.basepath.trimmed());
    vars.inputpath = trimmed_base + "/input/";
    vars.outputpath = trimmed_base + "/output/";

    console::write(freeform_line() << "Using input path: ");
    console::write(freeform_line() << "    " << vars.inputpath);
    console::write(freeform_line() << "Using output path: ");
    console::write(freeform_line() << "    " << vars.outputpath);
    console::write(freeform_line() << "Files in the output path will be overwritten without prompting.");
    console::write(freeform_line() << "Enter 'Y' or 'y' to continue");

    char answer = ' ';
    freeform_reader::console().read_or_stop(answer);
    if (answer != 'Y' && answer != 'y') stop_run();
}
