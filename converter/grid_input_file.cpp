#include "grid_input_file.h"

#include "grid_paths.h"
#include "input_file.h"

namespace {

constexpr int header_lines = 4;

std::string opened_path(const fixed_text<30>& name, std::ifstream& stream)
{
    const std::string path = input_file_path(name);
    bentha_input.filepath = path;
    bentha_input.iostatus = open_input_file(stream, path);
    io_error();
    return path;
}

}  // namespace

grid_input_file::grid_input_file(const fixed_text<30>& name)
    : stream_(), path_(opened_path(name, stream_)), reader_(stream_, path_)
{
    // A file that ends inside its header has no records at all; it is
    // reported like any other failed read of the file.
    for (int line = 0; line < header_lines; ++line) {
        bentha_input.iostatus = reader_.skip_record();
        io_error();
    }
}

bool grid_input_file::next_line(std::string& line)
{
    bentha_input.iostatus = reader_.read_line(line);
    return record_read();
}

bool grid_input_file::record_read()
{
    if (bentha_input.iostatus == freeform_reader::end_of_file_status) return false;
    io_error();
    return true;
}
