#include "exception_descriptor.h"

exception_descriptor::exception_descriptor(const std::string& file, std::int32_t line, const std::string& function,
                                           const std::string& message)
{
    text.reserve(file.size() + function.size() + message.size() + 24);
    text += file;
    text += " (";
    text += std::to_string(line);
    text += ") : ";
    text += function;
    text += " : ";
    text += message;
}
