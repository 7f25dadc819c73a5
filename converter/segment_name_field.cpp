#include "segment_name_field.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>
#include <stdexcept>
#include <system_error>

#include "tidewire.h"

namespace {

std::size_t capacity_for(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) throw std::runtime_error("cannot read the size of " + path);
    if (size >= std::numeric_limits<std::size_t>::max() - segment_name_field::length) throw std::bad_alloc();
    // The name and its NUL; never less than the field and its NUL.
    return std::max<std::size_t>(static_cast<std::size_t>(size) + 1, segment_name_field::length + 1);
}

}  // namespace

segment_name_field::segment_name_field(const std::string& linkage_file_path)
    : capacity_(capacity_for(linkage_file_path)),
      // Left uninitialised on purpose: only the pages a name reaches are touched.
      buffer_(new char[capacity_])
{
}

int32_t segment_name_field::fetch(int32_t handle, int32_t segment_index)
{
    std::memset(buffer_.get(), ' ', length + 1);
    int32_t error = 0;
    _twgetsegname(&handle, &segment_index, buffer_.get(), &error);
    return error;
}

std::string segment_name_field::field() const
{
    return std::string(buffer_.get(), length);
}
