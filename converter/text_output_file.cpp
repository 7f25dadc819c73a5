#include "text_output_file.h"

#include <cerrno>
#include <cstdio>

#include "line_end.h"
#include "run_stop.h"

namespace {

int4 open_error_status()
{
    return errno != 0 ? errno : EIO;
}

[[noreturn]] void write_failed(const std::string& path)
{
    std::fprintf(stderr, "Error: cannot write file %s\n", path.c_str());
    stop_run(2);
}

}  // namespace

text_output_file::~text_output_file()
{
    if (stream_ != nullptr) std::fclose(stream_);
}

int4 text_output_file::open(const std::string& path, mode how)
{
    close();
    path_ = path;
    errno = 0;
    if (how == mode::replace) {
        stream_ = std::fopen(path.c_str(), "wb");
        if (stream_ == nullptr) return open_error_status();
    } else {
        // Created when missing, but not emptied until the first line is written.
        std::FILE* probe = std::fopen(path.c_str(), "ab");
        if (probe == nullptr) return open_error_status();
        std::fclose(probe);
    }
    open_ = true;
    return 0;
}

void text_output_file::start_writing()
{
    if (!open_) write_failed(path_);
    if (stream_ != nullptr) return;
    stream_ = std::fopen(path_.c_str(), "wb");
    if (stream_ == nullptr) write_failed(path_);
}

void text_output_file::write(const freeform_line& line)
{
    write_line(line.text());
}

void text_output_file::write(const formatted_line& line)
{
    write_line(line.text());
}

void text_output_file::write_line(std::string_view text)
{
    start_writing();
    if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size() || std::fputs(file_line_end, stream_) == EOF)
        write_failed(path_);
}

void text_output_file::close()
{
    if (stream_ != nullptr) {
        const bool failed = std::fclose(stream_) != 0;
        stream_ = nullptr;
        if (failed) write_failed(path_);
    }
    open_ = false;
}
