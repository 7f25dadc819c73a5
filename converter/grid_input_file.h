// One grid input file of the input folder (cell.inp, GVCLAYER.INP,
// dxdy.inp, lxly.inp), opened for its record loop: the path goes to
// bentha_input.filepath, a failed open or a missing header line ends the run
// through io_error, and the 4 header lines are skipped.
//
//   grid_input_file input(bentha_input.depthinpfile);
//   int4 i = 0, j = 0; real4 dx = 0, dy = 0, depth = 0;
//   while (input.next_record(i, j, dx, dy, depth)) { ... }
#pragma once

#include <fstream>
#include <string>

#include "bentha_input.h"
#include "fixed_text.h"
#include "freeform_reader.h"

class grid_input_file {
public:
    explicit grid_input_file(const fixed_text<30>& name);
    grid_input_file(const grid_input_file&) = delete;
    grid_input_file& operator=(const grid_input_file&) = delete;

    // Reads the next record with the free-form value reader.  False at the
    // end of the file; a record that cannot be read ends the run (io_error).
    template <typename... Targets>
    bool next_record(Targets&... targets)
    {
        bentha_input.iostatus = reader_.read(targets...);
        return record_read();
    }

    // The next line as it stands, for the fixed columns of cell.inp.  False
    // at the end of the file.
    bool next_line(std::string& line);

    const std::string& path() const { return path_; }
    freeform_reader& reader() { return reader_; }

private:
    bool record_read();

    std::ifstream stream_;  // before path_: opening it yields the path
    std::string path_;
    freeform_reader reader_;
};
