#include "grid_output_file.h"

#include "bentha_input.h"
#include "grid_paths.h"

void open_grid_output(text_output_file& file, const fixed_text<30>& name)
{
    const std::string path = output_file_path(name);
    bentha_input.filepath = path;
    bentha_input.iostatus = file.open(path, text_output_file::mode::replace);
    io_error();
}
