// The records of the four tables of the header block, each in its own encoding.
#ifndef TIDEWIRE_TABLE_RECORDS_H
#define TIDEWIRE_TABLE_RECORDS_H

#include "byte_order.h"
#include "persistent_object.h"

#include <cstdint>
#include <string>

// A flow path: the two segments it joins and a third value kept unchanged.
// 12 bytes: from_seg, to_seg, direction.
class flow_data final : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 12;
    static constexpr bool fixed_size = true;

    flow_data();
    flow_data(std::int32_t from_seg, std::int32_t to_seg, std::int32_t direction);

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;
    // Takes the fields from the record's min_encoded_size stored bytes.
    void decode(const unsigned char* bytes)
    {
        from_seg = decode_int32_le(bytes);
        to_seg = decode_int32_le(bytes + 4);
        direction = decode_int32_le(bytes + 8);
    }

    std::int32_t from_seg;
    std::int32_t to_seg;
    std::int32_t direction;
};

// A segment: its name as a length-prefixed string.
class segment_data final : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 4;
    static constexpr bool fixed_size = false;

    segment_data();

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;

    std::string name;
};

// A flow-path constituent: its type code, 4 bytes. A new record has type 0,
// so a type that a writer never sets is stored as 0.
class flow_constituent_data final : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 4;
    static constexpr bool fixed_size = true;

    flow_constituent_data();

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;
    void decode(const unsigned char* bytes) { type = decode_int32_le(bytes); }

    std::int32_t type;
};

// A segment constituent: its type code, 4 bytes; type 0 when new.
class segment_constituent_data final : public persistent_object {
public:
    static constexpr std::uint32_t min_encoded_size = 4;
    static constexpr bool fixed_size = true;

    segment_constituent_data();

    void read(file_stream& stream) override;
    void write(file_stream& stream) const override;
    void decode(const unsigned char* bytes) { type = decode_int32_le(bytes); }

    std::int32_t type;
};

#endif
