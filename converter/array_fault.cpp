#include "array_fault.h"

#include <cstdio>

#include "run_stop.h"

namespace {

[[noreturn]] void report(const char* array_name, const char* what)
{
    std::fprintf(stderr, "Error: array %s %s\n", array_name, what);
    stop_run(2);
}

}  // namespace

namespace array_fault {

void already_allocated(const char* array_name)
{
    report(array_name, "is already allocated");
}

void not_allocated(const char* array_name)
{
    report(array_name, "is not allocated");
}

void allocation_failed(const char* array_name)
{
    report(array_name, "cannot be allocated: out of memory");
}

void index_out_of_range(const char* array_name, int dimension, std::int64_t index)
{
    std::fprintf(stderr, "Error: array %s: index %d is %lld, outside its bounds\n", array_name, dimension,
                 static_cast<long long>(index));
    stop_run(2);
}

}  // namespace array_fault
