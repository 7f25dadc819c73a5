// The records of the four tables of the header block, each in its own encoding.
#ifndef TIDEWIRE_TABLE_RECORDS_H
#define TIDEWIRE_TABLE_RECORDS_H

#include "persistent_object.h"

#include <cstdint>
#include <string>

// A flow path: the two segments it joins and a third value kept unchanged.
// 12 bytes: from_seg, to_seg, direction.
class flow_data : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 12;

    flow_data();
    flow_data(std::int32_t from_seg, std::int32_t to_seg, std::int32_t direction);

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::int32_t from_seg;
    std::int32_t to_seg;
    std::int32_t direction;
};

// A segment: its name as a length-prefixed string.
class segment_data : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 4;

    segment_data();

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::string name;
};

// A flow-path constituent: its type code, 4 bytes. A new record has type 0,
// so a type that a writer never sets is stored as 0.
class flow_constituent_data : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 4;

    flow_constituent_data();

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::int32_t type;
};

// A segment constituent: its type code, 4 bytes; type 0 when new.
class segment_constituent_data : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 4;

    segment_constituent_data();

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::int32_t type;
};

#endif
