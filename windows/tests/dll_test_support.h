// Helpers of the tests that run against TIDEWIRE.DLL under Wine. Each test
// runs in its own process (ctest starts one per test) and in a scratch
// directory of its own, because LOG.TXT goes to the current directory.
#ifndef TIDEWIRE_WINDOWS_DLL_TEST_SUPPORT_H
#define TIDEWIRE_WINDOWS_DLL_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "tidewire.h"

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

// The last-error text as _twgetlasterror gives it.
std::string last_error_text();

// _twopen and _twclose with plain values.
std::int32_t open_linkage(const std::string& name, std::int32_t mode, std::int32_t* error);
std::int32_t close_linkage(std::int32_t handle);

class dll_test : public ::testing::Test {
private:
    scratch_directory directory;
};

#endif
