// A fresh directory of a test's own, current while the test runs: LOG.TXT
// and the linkage files of one test never meet those of another.
#ifndef TIDEWIRE_WINDOWS_SCRATCH_DIRECTORY_H
#define TIDEWIRE_WINDOWS_SCRATCH_DIRECTORY_H

#include <filesystem>
#include <string>

// Makes a fresh directory under the system's temporary directory, makes it
// current, and on destruction returns to the former directory and removes it.
class scratch_directory {
public:
    scratch_directory();
    ~scratch_directory();
    scratch_directory(const scratch_directory&) = delete;
    scratch_directory& operator=(const scratch_directory&) = delete;

private:
    std::filesystem::path previous;
    std::filesystem::path path;
};

// The whole file, byte for byte; empty when it does not exist.
std::string read_file_bytes(const std::string& name);
bool file_exists(const std::string& name);
void write_file_bytes(const std::string& name, const std::string& bytes);

#endif
