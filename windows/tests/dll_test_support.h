// Helpers of the tests that call TIDEWIRE.DLL through its import library.
// Each test runs in its own process (ctest starts one per test) and in a
// scratch directory of its own, because LOG.TXT goes to the current directory.
#ifndef TIDEWIRE_WINDOWS_DLL_TEST_SUPPORT_H
#define TIDEWIRE_WINDOWS_DLL_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "scratch_directory.h"
#include "tidewire.h"

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
