#include "value_io.h"

#include "byte_order.h"
#include "persistence_exception.h"

#include <string>

namespace {

// Fixed line numbers of the throw sites.
constexpr std::int32_t line_item_not_read = 24;
constexpr std::int32_t line_item_not_written = 48;

constexpr std::uint32_t moment_size = 36;

void read_item(file_stream& stream, std::uint8_t* bytes, std::uint32_t size)
{
    // The caller decodes only after a whole item arrived.
    if (!stream.read_fully(bytes, size))
        throw input_exception(
            exception_descriptor(__FILE__, line_item_not_read, "read_value",
                                 "read_value : File ends before the " + std::to_string(size) + "-byte item"));
}

void write_item(file_stream& stream, const std::uint8_t* bytes, std::uint32_t size)
{
    if (!stream.write_fully(bytes, size))
        throw output_exception(
            exception_descriptor(__FILE__, line_item_not_written, "write_value",
                                 "write_value : Write of the " + std::to_string(size) + "-byte item failed"));
}

}  // namespace

void read_value(file_stream& stream, std::int32_t& value)
{
    std::uint8_t bytes[4];
    read_item(stream, bytes, sizeof bytes);
    value = decode_int32_le(bytes);
}

void read_value(file_stream& stream, float& value)
{
    std::uint8_t bytes[4];
    read_item(stream, bytes, sizeof bytes);
    value = decode_float32_le(bytes);
}

void read_value(file_stream& stream, std::int64_t& value)
{
    std::uint8_t bytes[8];
    read_item(stream, bytes, sizeof bytes);
    value = decode_int64_le(bytes);
}

void read_value(file_stream& stream, moment& value)
{
    std::uint8_t bytes[moment_size];
    read_item(stream, bytes, sizeof bytes);
    std::int32_t* const fields[] = {&value.year,   &value.month,  &value.day,           &value.weekday,   &value.hour,
                                    &value.minute, &value.second, &value.second_of_day, &value.day_number};
    for (std::uint32_t i = 0; i < 9; ++i) *fields[i] = decode_int32_le(bytes + 4 * i);
}

void write_value(file_stream& stream, std::int32_t value)
{
    std::uint8_t bytes[4];
    encode_int32_le(bytes, value);
    write_item(stream, bytes, sizeof bytes);
}

void write_value(file_stream& stream, float value)
{
    std::uint8_t bytes[4];
    encode_float32_le(bytes, value);
    write_item(stream, bytes, sizeof bytes);
}

void write_value(file_stream& stream, std::int64_t value)
{
    std::uint8_t bytes[8];
    encode_int64_le(bytes, value);
    write_item(stream, bytes, sizeof bytes);
}

void write_value(file_stream& stream, const moment& value)
{
    const std::int32_t fields[] = {value.year,   value.month,  value.day,           value.weekday,   value.hour,
                                   value.minute, value.second, value.second_of_day, value.day_number};
    std::uint8_t bytes[moment_size];
    for (std::uint32_t i = 0; i < 9; ++i) encode_int32_le(bytes + 4 * i, fields[i]);
    write_item(stream, bytes, sizeof bytes);
}
