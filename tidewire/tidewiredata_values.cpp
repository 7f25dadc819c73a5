// The values of the current moment and the flow-path table: one contiguous
// run of 4-byte values per constituent in each side's frame
// (constituent-major), and the sizing of the frame buffers to the counts.
#include "tidewiredata.h"

#include <cstring>

#include "dataset_failures.h"
#include "tidewire_exception.h"

void tidewire_data::setflowpath(int32_t index, int32_t from_seg, int32_t to_seg, int32_t direction)
{
    const uint32_t position =
        table_index(index, flow_paths.size(), dataset_line::setflowpath, "tidewire_data::setflowpath");
    flow_paths[position] = flow_data(from_seg, to_seg, direction);
}

void tidewire_data::getflowpath(int32_t index, int32_t& from_seg, int32_t& to_seg, int32_t& direction) const
{
    const uint32_t position =
        table_index(index, flow_paths.size(), dataset_line::getflowpath, "tidewire_data::getflowpath");
    const flow_data& path = flow_paths[position];
    from_seg = path.from_seg;
    to_seg = path.to_seg;
    direction = path.direction;
}

std::size_t tidewire_data::value_run(const frame_buffers& side, uint32_t constituent, std::size_t elements,
                                     int32_t line, const char* function) const
{
    // The run lies inside the frame unless the side's last reallocation
    // failed and left it without buffers.
    const uint64_t run_end = (static_cast<uint64_t>(constituent) + 1) * elements * 4;
    if (run_end > static_cast<uint64_t>(side.frame_size()))
        throw_dataset_failure<tidewire_memory_exhausted_exception>(
            line, function, "No frame buffer for the values: its allocation failed");
    return static_cast<std::size_t>(constituent) * elements * 4;
}

void tidewire_data::setseginfo(int32_t index, const float* values)
{
    const uint32_t constituent =
        table_index(index, segment_constituents.size(), dataset_line::setseginfo, "tidewire_data::setseginfo");
    const std::size_t bytes = segments.size() * 4;
    if (bytes == 0) return;
    const std::size_t offset = value_run(segment_side, constituent, segments.size(),
                                         dataset_line::segment_values_without_buffer, "tidewire_data::setseginfo");
    std::memcpy(segment_side.frame_bytes() + offset, values, bytes);
}

void tidewire_data::getseginfo(int32_t index, float* values) const
{
    const uint32_t constituent =
        table_index(index, segment_constituents.size(), dataset_line::getseginfo, "tidewire_data::getseginfo");
    const std::size_t bytes = segments.size() * 4;
    if (bytes == 0) return;
    const std::size_t offset = value_run(segment_side, constituent, segments.size(),
                                         dataset_line::segment_values_without_buffer, "tidewire_data::getseginfo");
    std::memcpy(values, segment_side.frame_bytes() + offset, bytes);
}

void tidewire_data::setflowinfo(int32_t index, const float* values)
{
    const uint32_t constituent =
        table_index(index, flow_constituents.size(), dataset_line::setflowinfo, "tidewire_data::setflowinfo");
    const std::size_t bytes = flow_paths.size() * 4;
    if (bytes == 0) return;
    const std::size_t offset = value_run(flow_side, constituent, flow_paths.size(),
                                         dataset_line::flow_values_without_buffer, "tidewire_data::setflowinfo");
    std::memcpy(flow_side.frame_bytes() + offset, values, bytes);
}

void tidewire_data::getflowinfo(int32_t index, float* values) const
{
    const uint32_t constituent =
        table_index(index, flow_constituents.size(), dataset_line::getflowinfo, "tidewire_data::getflowinfo");
    const std::size_t bytes = flow_paths.size() * 4;
    if (bytes == 0) return;
    const std::size_t offset = value_run(flow_side, constituent, flow_paths.size(),
                                         dataset_line::flow_values_without_buffer, "tidewire_data::getflowinfo");
    std::memcpy(values, flow_side.frame_bytes() + offset, bytes);
}

void tidewire_data::reallocate_segment_buffers()
{
    // A side with a count of 0 keeps its buffers and their values.
    if (segment_constituents.empty() || segments.empty()) return;
    const auto result = segment_side.reallocate(static_cast<uint64_t>(segment_constituents.size()) * segments.size());
    if (result == frame_buffers::result::ok) {
        segment_shape = {static_cast<uint32_t>(segments.size()), static_cast<uint32_t>(segment_constituents.size())};
        return;
    }
    if (result == frame_buffers::result::compressed_failed)
        throw_dataset_failure<tidewire_memory_exhausted_exception>(
            dataset_line::reallocate_compressed_segment_frame, "tidewire_data::reallocate_segment_buffers",
            "Insufficient memory to allocate compressed segment frame buffer");
    throw_dataset_failure<tidewire_memory_exhausted_exception>(dataset_line::reallocate_segment_frame,
                                                               "tidewire_data::reallocate_segment_buffers",
                                                               "Insufficient memory to allocate segment frame buffer");
}

void tidewire_data::reallocate_flow_buffers()
{
    if (flow_constituents.empty() || flow_paths.empty()) return;
    const auto result = flow_side.reallocate(static_cast<uint64_t>(flow_constituents.size()) * flow_paths.size());
    if (result == frame_buffers::result::ok) {
        flow_shape = {static_cast<uint32_t>(flow_paths.size()), static_cast<uint32_t>(flow_constituents.size())};
        return;
    }
    if (result == frame_buffers::result::compressed_failed)
        throw_dataset_failure<tidewire_memory_exhausted_exception>(
            dataset_line::reallocate_compressed_flow_frame, "tidewire_data::reallocate_flow_buffers",
            "Insufficient memory to allocate compressed flow frame buffer");
    throw_dataset_failure<tidewire_memory_exhausted_exception>(dataset_line::reallocate_flow_frame,
                                                               "tidewire_data::reallocate_flow_buffers",
                                                               "Insufficient memory to allocate flow frame buffer");
}
