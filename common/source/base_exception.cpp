#include "base_exception.h"

#include <algorithm>
#include <cstring>

// The text lives in the object's own buffer, which what() returns; the
// standard base is given none, so that building an exception (also one that
// reports exhausted memory) makes no second copy of it on the heap.
base_exception::base_exception(const exception_descriptor& descriptor) : std::runtime_error("")
{
    const std::size_t copied = std::min(descriptor.text.size(), text_capacity);
    std::memcpy(text_, descriptor.text.data(), copied);
    std::memset(text_ + copied, 0, text_capacity - copied);
    text_[text_capacity - 1] = '\0';
}

base_exception::~base_exception() = default;

const char* base_exception::what() const noexcept
{
    return text_;
}
