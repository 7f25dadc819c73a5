#include "base_exception.h"

#include <algorithm>
#include <cstring>

namespace {
// The first text_capacity - 1 characters: what the buffer keeps.
std::string kept_text(const std::string& text)
{
    return text.substr(0, base_exception::text_capacity - 1);
}
}  // namespace

base_exception::base_exception(const exception_descriptor& descriptor)
    : std::runtime_error(kept_text(descriptor.text))
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
