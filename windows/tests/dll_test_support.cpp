#include "dll_test_support.h"

std::string last_error_text()
{
    char text[1024] = "unchanged";
    _twgetlasterror(text);
    return text;
}

std::int32_t open_linkage(const std::string& name, std::int32_t mode, std::int32_t* error)
{
    std::int32_t handle = 0;
    _twopen(name.c_str(), &mode, &handle, error);
    return handle;
}

std::int32_t close_linkage(std::int32_t handle)
{
    std::int32_t error = -1;
    _twclose(&handle, &error);
    return error;
}
