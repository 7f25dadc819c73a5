// A text file written line by line, each line followed by the line end. The
// open result is a status for `iostatus` (0 on success, the system's error
// number otherwise); a failed write ends the run naming the file (status 2),
// so no output is ever lost silently.
//
// Two ways to open:
//   replace - an existing file is emptied at once, a missing one created
//             (the BENTHA files);
//   keep    - created when missing, left as it is when nothing is written;
//             the first line written replaces what the file held (the report
//             files: hydrofile.out, SegmentError.txt, removedCells.txt).
//
//   text_output_file report;
//   bentha_input.iostatus = report.open(path, text_output_file::mode::replace);
//   io_error();
//   report.write(formatted_line().text("mask"));
//   report.close();
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "formatted_line.h"
#include "freeform_line.h"
#include "precmod.h"

class text_output_file {
public:
    enum class mode { replace, keep };

    text_output_file() = default;
    text_output_file(const text_output_file&) = delete;
    text_output_file& operator=(const text_output_file&) = delete;
    ~text_output_file();

    int4 open(const std::string& path, mode how);
    bool is_open() const { return open_; }
    const std::string& path() const { return path_; }

    void write(const freeform_line& line);
    void write(const formatted_line& line);
    // A line that is already rendered.
    void write_line(std::string_view text);

    void close();

private:
    void start_writing();

    std::string path_;
    std::FILE* stream_ = nullptr;
    bool open_ = false;
};
