#include "tidewire_exception.h"

tidewire_exception::tidewire_exception(const exception_descriptor& descriptor) : base_exception(descriptor) {}
tidewire_exception::~tidewire_exception() = default;

tidewire_application_exception::tidewire_application_exception(const exception_descriptor& descriptor)
    : tidewire_exception(descriptor)
{
}
tidewire_application_exception::~tidewire_application_exception() = default;

tidewire_cannot_open_exception::tidewire_cannot_open_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_cannot_open_exception::~tidewire_cannot_open_exception() = default;
std::int32_t tidewire_cannot_open_exception::code() const
{
    return 0x200;
}

tidewire_unknown_dataset_exception::tidewire_unknown_dataset_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_unknown_dataset_exception::~tidewire_unknown_dataset_exception() = default;
std::int32_t tidewire_unknown_dataset_exception::code() const
{
    return 0x201;
}

tidewire_invalid_language_exception::tidewire_invalid_language_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_invalid_language_exception::~tidewire_invalid_language_exception() = default;
std::int32_t tidewire_invalid_language_exception::code() const
{
    return 0x203;
}

tidewire_invalid_creator_exception::tidewire_invalid_creator_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_invalid_creator_exception::~tidewire_invalid_creator_exception() = default;
std::int32_t tidewire_invalid_creator_exception::code() const
{
    return 0x204;
}

tidewire_invalid_index_exception::tidewire_invalid_index_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_invalid_index_exception::~tidewire_invalid_index_exception() = default;
std::int32_t tidewire_invalid_index_exception::code() const
{
    return 0x205;
}

tidewire_memory_exhausted_exception::tidewire_memory_exhausted_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_memory_exhausted_exception::~tidewire_memory_exhausted_exception() = default;
std::int32_t tidewire_memory_exhausted_exception::code() const
{
    return 0x401;
}

tidewire_compression_exception::tidewire_compression_exception(const exception_descriptor& descriptor)
    : tidewire_application_exception(descriptor)
{
}
tidewire_compression_exception::~tidewire_compression_exception() = default;
std::int32_t tidewire_compression_exception::code() const
{
    return 0x402;
}
