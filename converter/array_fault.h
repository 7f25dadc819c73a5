// Program faults of the state's arrays. Each prints one line naming the array
// to the standard error stream and ends the run with exit status 2, as the
// runtime's own errors do.
#pragma once

#include <cstdint>

namespace array_fault {

[[noreturn]] void already_allocated(const char* array_name);
[[noreturn]] void not_allocated(const char* array_name);
[[noreturn]] void allocation_failed(const char* array_name);
[[noreturn]] void index_out_of_range(const char* array_name, int dimension, std::int64_t index);

}  // namespace array_fault
