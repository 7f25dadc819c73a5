// The text of a failure: where it was thrown, by which function, and why.
#ifndef TIDEWIRE_COMMON_EXCEPTION_DESCRIPTOR_H
#define TIDEWIRE_COMMON_EXCEPTION_DESCRIPTOR_H

#include <cstdint>
#include <string>

// Built at a throw site and handed to the exception's constructor. The text is
// "<file> (<line>) : <function> : <message>", whole; the exception cuts it to
// what its buffer holds. The line is a fixed number per throw site, so that a
// text names its site the same way in every build.
class exception_descriptor {
public:
    exception_descriptor(const std::string& file, std::int32_t line, const std::string& function,
                         const std::string& message);

    std::string text;
};

#endif
