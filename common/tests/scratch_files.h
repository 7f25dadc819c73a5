// Scratch files for the stream and record tests: a private directory that is
// removed with everything in it, and whole-file byte helpers.
#ifndef TIDEWIRE_COMMON_TESTS_SCRATCH_FILES_H
#define TIDEWIRE_COMMON_TESTS_SCRATCH_FILES_H

#include <cstdint>
#include <string>
#include <vector>

using bytes = std::vector<std::uint8_t>;

class scratch_directory {
public:
    scratch_directory();
    ~scratch_directory();
    scratch_directory(const scratch_directory&) = delete;
    scratch_directory& operator=(const scratch_directory&) = delete;

    std::string path(const std::string& name) const;

private:
    std::string root_;
};

void write_file_bytes(const std::string& path, const bytes& content);
bytes read_file_bytes(const std::string& path);
bool file_exists(const std::string& path);

#endif
