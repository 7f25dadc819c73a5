#include "record_tables.h"

#include "persistence_exception.h"
#include "table_count_exception.h"
#include "table_size_exception.h"
#include "value_io.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t line_count_beyond_file = 52;
constexpr std::int32_t line_table_too_long = 61;
constexpr std::int32_t line_table_not_written = 70;
constexpr std::int32_t line_table_position_lost = 79;

// One record. Records of a fixed size are decoded in place from the stream's
// window; the others, and a record that the window cannot complete, go
// through the record's own read, which reports a file that ends early. The
// record classes are final, so that read is a direct call.
template <typename Record>
void read_record(file_stream& stream, Record& record)
{
    if constexpr (Record::fixed_size) {
        if (const unsigned char* stored = stream.peek_buffered(Record::min_encoded_size)) {
            record.decode(stored);
            stream.consume_buffered(Record::min_encoded_size);
            return;
        }
    }
    record.read(stream);
}

template <typename Record>
void read_records(file_stream& stream, std::vector<Record>& table)
{
    std::int32_t stored_count;
    read_value(stream, stored_count);
    const auto count = static_cast<std::uint32_t>(stored_count);

    // Every refusal comes before the table is resized. The first two depend
    // on the file alone, so that a damaged file gives the same answer in
    // every build. A count that is negative as an int32 asks for more records
    // than any build could allocate.
    if (stored_count < 0) throw table_size_exception(count);
    // Every record takes at least its minimum encoded size, so a count the
    // rest of the file cannot hold is damaged.
    const std::int64_t left = stream.bytes_left();
    if (std::uint64_t{count} * Record::min_encoded_size > static_cast<std::uint64_t>(left))
        throw table_count_exception(
            exception_descriptor(__FILE__, line_count_beyond_file, "read_table",
                                 "read_table : Count " + std::to_string(count) + " exceeds what the " +
                                     std::to_string(left) + " bytes left in the file can hold"),
            count, left);
    // A count the file does hold, but whose table is beyond what this build
    // can address: memory that cannot be had here.
    if (count > table.max_size()) throw table_size_exception(count);

    // A table that starts empty (every table of a dataset being opened) is
    // built in one pass, each record read while its memory is at hand; the
    // room for all of them is taken first, as a resize would take it.
    const bool appending = table.empty();
    if (appending)
        table.reserve(count);
    else
        table.resize(count);
    // Records are a few bytes each: read them through the stream's window
    // rather than with one system call per item.
    stream.begin_buffered_reads();
    try {
        for (std::uint32_t i = 0; i < count; ++i) {
            if (appending) table.emplace_back();
            read_record(stream, table[i]);
        }
    } catch (...) {
        // Within the room reserved: the table ends up resized, as above.
        if (appending) table.resize(count);
        stream.end_buffered_reads();
        throw;
    }
    if (!stream.end_buffered_reads())
        throw input_exception(exception_descriptor(__FILE__, line_table_position_lost, "read_table",
                                                   "read_table : Cannot return to the end of the table"));
}

template <typename Record>
void write_records(file_stream& stream, const std::vector<Record>& table)
{
    if (table.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw output_exception(exception_descriptor(
            __FILE__, line_table_too_long, "write_table",
            "write_table : Table of " + std::to_string(table.size()) + " records is too long to store"));
    // Gathered, so that the file gets large blocks rather than one system
    // call per item; a failure part-way still leaves in the file what came
    // before it.
    stream.begin_gathered_writes();
    try {
        write_value(stream, static_cast<std::int32_t>(table.size()));
        for (const persistent_object& record : table) record.write(stream);
    } catch (...) {
        stream.end_gathered_writes();
        throw;
    }
    if (!stream.end_gathered_writes())
        throw output_exception(exception_descriptor(__FILE__, line_table_not_written, "write_table",
                                                    "write_table : The file did not take the whole table"));
}

}  // namespace

void read_table(file_stream& stream, std::vector<flow_data>& table)
{
    read_records(stream, table);
}

void read_table(file_stream& stream, std::vector<segment_data>& table)
{
    read_records(stream, table);
}

void read_table(file_stream& stream, std::vector<flow_constituent_data>& table)
{
    read_records(stream, table);
}

void read_table(file_stream& stream, std::vector<segment_constituent_data>& table)
{
    read_records(stream, table);
}

void read_table(file_stream& stream, std::vector<data_description_entry>& table)
{
    read_records(stream, table);
}

void write_table(file_stream& stream, const std::vector<flow_data>& table)
{
    write_records(stream, table);
}

void write_table(file_stream& stream, const std::vector<segment_data>& table)
{
    write_records(stream, table);
}

void write_table(file_stream& stream, const std::vector<flow_constituent_data>& table)
{
    write_records(stream, table);
}

void write_table(file_stream& stream, const std::vector<segment_constituent_data>& table)
{
    write_records(stream, table);
}

void write_table(file_stream& stream, const std::vector<data_description_entry>& table)
{
    write_records(stream, table);
}
