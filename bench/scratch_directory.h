// A fresh directory under the system's temporary folder for the files a
// benchmark run writes; removed with everything in it at the end of the run.
#ifndef BENCH_SCRATCH_DIRECTORY_H
#define BENCH_SCRATCH_DIRECTORY_H

#include <filesystem>

namespace bench {

class scratch_directory {
public:
    // Throws std::runtime_error when no directory can be made.
    scratch_directory();
    ~scratch_directory();
    scratch_directory(const scratch_directory&) = delete;
    scratch_directory& operator=(const scratch_directory&) = delete;

    const std::filesystem::path& path() const { return root; }

private:
    std::filesystem::path root;
};

}  // namespace bench

#endif
