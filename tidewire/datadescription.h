// The free-text descriptions of a linkage file, each with a type code.
#ifndef TIDEWIRE_DATADESCRIPTION_H
#define TIDEWIRE_DATADESCRIPTION_H

#include "persistent_object.h"

#include <cstdint>
#include <string>
#include <vector>

// One description: type as 4 bytes, then text as a length-prefixed string.
class data_description_entry final : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 8;
    static constexpr bool fixed_size = false;

    data_description_entry();
    data_description_entry(std::int32_t type, const std::string& text);

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::int32_t type;
    std::string text;
};

// The descriptions in order of addition, read and written as one table (an
// int32 count, then the entries). read() fails as read_table does.
class data_description_type : public persistent_object {
public:
    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::vector<data_description_entry> entries;
};

#endif
