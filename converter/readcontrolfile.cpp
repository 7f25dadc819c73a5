#include <fstream>
#include <string>

#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "input_file.h"
#include "vars.h"

void readcontrolfile()
{
    console::write(freeform_line() << "Reading control file");
    const path_field control_path(std::string(vars.inputpath.adjusted_left_trimmed()) +
                                  std::string(vars.controlfile.adjusted_left_trimmed()));
    console::write(freeform_line() << control_path);

    const std::string path(control_path.trimmed());
    bentha_input.filepath = control_path;
    std::ifstream control;
    bentha_input.iostatus = open_input_file(control, path);
    io_error();

    // A header line, then IM, JM and KM, each the first value of its line.
    freeform_reader reader(control, path);
    reader.skip_record_or_stop();
    reader.read_or_stop(vars.im);
    reader.read_or_stop(vars.jm);
    reader.read_or_stop(vars.km);
}
