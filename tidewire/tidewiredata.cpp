// The dataset's lifecycle: construction in both modes, reading the header
// block, and the close step that writes it.
#include "tidewiredata.h"

#include <ctime>
#include <new>

#include "dataset_failures.h"
#include "persistence_exception.h"
#include "table_count_exception.h"
#include "tidewire_exception.h"

const char* const tidewiredata_file_part = __FILE__;

namespace {

constexpr int32_t format_version = 0x20001000;
// The first version whose header block ends with the end time.
constexpr uint32_t first_version_with_end_time = 0x20001000u;
constexpr int64_t first_frame_offset = 8;
constexpr const char* constructor_name = "tidewire_data::tidewire_data";
// What precedes each compressed stream in a frame: the time step and N1, or N2.
constexpr int32_t segment_stream_prefix = 8;
constexpr int32_t flow_stream_prefix = 4;

int32_t clock_seconds()
{
    // The file keeps 32 bits; later clocks wrap as the stored field does.
    return static_cast<int32_t>(static_cast<uint32_t>(std::time(nullptr)));
}

[[noreturn]] void reject_file(const std::string& message)
{
    throw_dataset_failure<tidewire_cannot_open_exception>(dataset_line::cannot_open, constructor_name, message);
}

}  // namespace

tidewire_data::tidewire_data(const std::string& file_name, int32_t access_mode)
    : mode(access_mode), version(format_version), segment_side(segment_stream_prefix), flow_side(flow_stream_prefix)
{
    if (mode != 0 && mode != 1)
        throw_dataset_failure<tidewire_cannot_open_exception>(dataset_line::invalid_mode, constructor_name,
                                                              "Invalid access mode specified");
    try {
        file.open(file_name, mode == 1 ? file_stream::mode_write : file_stream::mode_read);
    } catch (const persistence_exception& failure) {
        reject_file(failure.what());
    }
    time_stamp = clock_seconds();
    next_frame_offset = first_frame_offset;

    if (mode == 1) {
        // The header offset stays zero until the close step: a file that is
        // never closed is recognisable as such.
        try {
            write_value(file, int64_t{0});
        } catch (const persistence_exception& failure) {
            throw_dataset_failure<tidewire_cannot_open_exception>(dataset_line::placeholder_write, constructor_name,
                                                                  failure.what());
        }
        return;
    }
    read_file();
}

tidewire_data::~tidewire_data() = default;

void tidewire_data::read_file()
{
    try {
        read_header_block();
        reallocate_flow_buffers();
        reallocate_segment_buffers();
        file.set_offset(first_frame_offset);
        momentcomplete();
    } catch (const table_count_exception& failure) {
        // A file too short for its tables is damaged or cut short, like any
        // other truncation; memory is not what failed.
        reject_file("Damaged linkage file: a table count of " + std::to_string(failure.count()) + " exceeds what the " +
                    std::to_string(failure.bytes_left()) + " bytes left in the file can hold");
    } catch (const persistence_exception& failure) {
        reject_file(failure.what());
    } catch (const tidewire_compression_exception& failure) {
        // The first frame is part of opening the file.
        reject_file(failure.what());
    } catch (const std::bad_alloc& failure) {
        // A table count that cannot be allocated.
        throw_dataset_failure<tidewire_memory_exhausted_exception>(
            dataset_line::header_tables, constructor_name,
            std::string("Insufficient memory to read the header tables: ") + failure.what());
    }
}

void tidewire_data::read_header_block()
{
    int64_t offset = 0;
    try {
        read_value(file, offset);
    } catch (const input_exception&) {
        reject_file("Not a linkage file: shorter than its 8-byte header offset");
    }
    // A writer stores the offset only when it closes the file.
    if (offset == 0) reject_file("Incomplete linkage file: header offset 0, the file was never closed");
    if (offset < first_frame_offset)
        reject_file("Damaged linkage file: header offset " + std::to_string(offset) + " lies before the frames");
    file.set_offset(offset);
    // The block is many small items: they come from the stream's window, not
    // from one system call each, and the bytes left are known without one.
    // Where the handle stands after the window is left does not matter: the
    // frames are reached by a seek from byte 0.
    file.begin_buffered_reads();
    try {
        if (file.bytes_left() <= 0)
            reject_file("Damaged linkage file: header offset " + std::to_string(offset) +
                        " lies at or past the end of the file");
        header_offset = offset;
        read_header_fields();
    } catch (...) {
        file.end_buffered_reads();
        throw;
    }
    file.end_buffered_reads();

    // Every frame takes at least 12 bytes between the header offset and the
    // header block.
    const uint64_t room_for_frames = static_cast<uint64_t>(header_offset - first_frame_offset) / 12;
    if (static_cast<uint32_t>(num_moments) > room_for_frames)
        reject_file("Damaged linkage file: " + std::to_string(static_cast<uint32_t>(num_moments)) +
                    " moments cannot fit before the header block");
}

void tidewire_data::read_header_fields()
{
    // Each read throws input_exception when the block ends early.
    read_value(file, version);
    read_value(file, time_stamp);
    read_value(file, creator);
    read_value(file, seed_moment);
    read_value(file, var_time_step);
    read_value(file, hyd_time_step);
    read_value(file, update_interval);
    read_value(file, hyd_to_kelva_ratio);
    read_value(file, num_layers);
    read_value(file, num_moments);
    read_table(file, flow_paths);
    read_table(file, segments);
    read_table(file, flow_constituents);
    read_table(file, segment_constituents);
    descriptions.read(file);
    // Older files end with the description table; later ones are read as
    // this version.
    if (static_cast<uint32_t>(version) >= first_version_with_end_time) read_value(file, end_time);
}

void tidewire_data::write_header()
{
    if (mode == 0) {
        file.close();
        return;
    }
    // The header block goes right after the last frame that was written
    // whole, and its offset is stored last, so that a close step that fails
    // part-way leaves a file that reads as never closed.
    const int64_t header_position = next_frame_offset;
    file.set_offset(header_position);
    num_moments = frame_count;
    write_value(file, version);
    write_value(file, time_stamp);
    write_value(file, creator);
    write_value(file, seed_moment);
    write_value(file, var_time_step);
    write_value(file, hyd_time_step);
    write_value(file, update_interval);
    write_value(file, hyd_to_kelva_ratio);
    write_value(file, num_layers);
    write_value(file, num_moments);
    write_table(file, flow_paths);
    write_table(file, segments);
    write_table(file, flow_constituents);
    write_table(file, segment_constituents);
    descriptions.write(file);
    write_value(file, elapsed_time);
    file.set_offset(0);
    write_value(file, header_position);
    file.close();
}
