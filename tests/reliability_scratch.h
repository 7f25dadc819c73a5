// A fresh directory per test, made the current directory for the test's
// process (the library writes LOG.TXT in the current directory) and removed
// with everything in it afterwards.
#ifndef TIDEWIRE_TESTS_RELIABILITY_SCRATCH_H
#define TIDEWIRE_TESTS_RELIABILITY_SCRATCH_H

#include <filesystem>
#include <string>

class reliability_scratch {
public:
    reliability_scratch();
    ~reliability_scratch();
    reliability_scratch(const reliability_scratch&) = delete;
    reliability_scratch& operator=(const reliability_scratch&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Whole-file helpers for tests.
std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);

#endif
