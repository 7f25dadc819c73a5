// Completing a moment: compressing the current frame and appending it in
// write mode, loading the next frame in read mode.
//
// A frame in the file: float32 time step, int32 N1, N1 bytes of the zlib
// stream of the segment frame, int32 N2, N2 bytes of the zlib stream of the
// flow frame.
#include "tidewiredata.h"

#include <cstring>

#include "byte_order.h"
#include "dataset_failures.h"
#include "persistence_exception.h"
#include "tidewire_exception.h"

namespace {

constexpr const char* momentcomplete_name = "tidewire_data::momentcomplete";

// Compresses the side's frame behind its prefix room; false when zlib fails
// (a bad level, or a side without buffers).
bool compress_frame(frame_codec& codec, frame_buffers& side, int32_t level, uint32_t& compressed_length)
{
    if (!side.allocated()) return false;
    return codec.compress(side.frame_bytes(), static_cast<uint32_t>(side.frame_size()), side.stream(),
                          static_cast<uint32_t>(side.compressed_capacity()), level, compressed_length);
}

[[noreturn]] void reject_frame(int32_t frame_number, const std::string& problem)
{
    throw_dataset_failure<tidewire_compression_exception>(
        dataset_line::frame_load, momentcomplete_name,
        "Damaged frame " + std::to_string(frame_number) + " in the linkage file: " + problem);
}

}  // namespace

void tidewire_data::momentcomplete()
{
    if (mode == 1)
        write_frame();
    else
        load_frame();
}

void tidewire_data::write_frame()
{
    // Both streams are compressed before anything is written, so that a
    // failed completion leaves the file and the dataset as they were.
    uint32_t segment_length = 0;
    if (!compress_frame(codec, segment_side, compression_level, segment_length))
        throw_dataset_failure<tidewire_compression_exception>(dataset_line::compress_segment, momentcomplete_name,
                                                              "Compression error compressing segment data");
    uint32_t flow_length = 0;
    if (!compress_frame(codec, flow_side, compression_level, flow_length))
        throw_dataset_failure<tidewire_compression_exception>(dataset_line::compress_flow, momentcomplete_name,
                                                              "Compression error compressing flow data");

    // The time step and N1 go out with the segment stream, N2 with the flow
    // stream: two writes per frame.
    unsigned char* segment_part = segment_side.prefix();
    encode_float32_le(segment_part, time_step);
    encode_int32_le(segment_part + 4, static_cast<int32_t>(segment_length));
    unsigned char* flow_part = flow_side.prefix();
    encode_int32_le(flow_part, static_cast<int32_t>(flow_length));
    const uint32_t segment_part_size = segment_length + 8;
    const uint32_t flow_part_size = flow_length + 4;
    if (!file.write_fully(segment_part, segment_part_size) || !file.write_fully(flow_part, flow_part_size)) {
        // The next frame, or the header block, goes where this one started.
        try {
            file.set_offset(next_frame_offset);
        } catch (const seek_exception&) {
        }
        throw_dataset_failure<output_exception>(dataset_line::frame_write, momentcomplete_name,
                                                "Writing the frame to the linkage file failed");
    }
    next_frame_offset += segment_part_size + flow_part_size;

    elapsed_time = time_step + elapsed_time;
    frame_count += 1;
    const uint32_t compressed_bytes = segment_length + flow_length;
    const uint32_t frame_bytes =
        static_cast<uint32_t>(segment_side.frame_size()) + static_cast<uint32_t>(flow_side.frame_size());
    const float ratio = static_cast<float>(static_cast<double>(compressed_bytes) / frame_bytes);
    ratio_sum = ratio + ratio_sum;
    compression_factor = ratio_sum / static_cast<float>(frame_count);
}

void tidewire_data::load_frame()
{
    // After the last frame a completion does nothing and the last frame stays.
    if (static_cast<uint32_t>(frame_count) >= static_cast<uint32_t>(num_moments)) return;
    const int32_t frame_number = frame_count + 1;
    const int64_t frame_start = next_frame_offset;
    try {
        // A side whose count is 0 has no values to load: its stream in the
        // file is passed over.  (A writer whose count went back to 0 keeps
        // writing the side's last values.)
        const bool load_segments = !segments.empty() && !segment_constituents.empty();
        const bool load_flows = !flow_paths.empty() && !flow_constituents.empty();
        if (load_segments && !segment_side.allocated())
            reject_frame(frame_number, "there is no segment frame buffer to load it into");
        if (load_flows && !flow_side.allocated())
            reject_frame(frame_number, "there is no flow frame buffer to load it into");
        const frame_streams streams = read_frame_streams(frame_number, load_segments, load_flows);
        if (load_segments) inflate_frame(segment_side, streams.segment_length, frame_number, "segment");
        if (load_flows) inflate_frame(flow_side, streams.flow_length, frame_number, "flow");

        // The elapsed time of a frame is the sum of the steps before it.
        elapsed_time = time_step + elapsed_time;
        time_step = streams.step;
        frame_count += 1;
        next_frame_offset = streams.end;
        next_frame_head_read = streams.next_head_read;
    } catch (const tidewire_compression_exception&) {
        // The same frame is where the next attempt starts.
        next_frame_head_read = false;
        try {
            file.set_offset(frame_start);
        } catch (const seek_exception&) {
        }
        throw;
    }
}

tidewire_data::frame_streams tidewire_data::read_frame_streams(int32_t frame_number, bool load_segments,
                                                               bool load_flows)
{
    frame_streams streams;
    const int64_t frame_start = next_frame_offset;
    if (header_offset - frame_start < 12) reject_frame(frame_number, "it runs past the header block");
    unsigned char head[8];
    if (next_frame_head_read)
        std::memcpy(head, next_frame_head, sizeof head);
    else if (!file.read_fully(head, sizeof head))
        reject_frame(frame_number, "it runs past the header block");
    streams.step = decode_float32_le(head);
    streams.segment_length = decode_int32_le(head + 4);
    // A stream that is passed over needs no room, but its length must still
    // lie inside the frames.
    if (streams.segment_length < 0 || (load_segments && streams.segment_length > segment_side.compressed_capacity()))
        reject_frame(frame_number,
                     "segment stream length " + std::to_string(streams.segment_length) + " is out of range");
    if (header_offset - frame_start < 12 + static_cast<int64_t>(streams.segment_length))
        reject_frame(frame_number, "it runs past the header block");

    // N2 comes in the same read as the segment stream.
    unsigned char flow_length_bytes[4];
    const unsigned char* flow_length_field = flow_length_bytes;
    if (load_segments) {
        if (!file.read_fully(segment_side.stream(), static_cast<uint32_t>(streams.segment_length) + 4))
            reject_frame(frame_number, "it runs past the header block");
        flow_length_field = segment_side.stream() + streams.segment_length;
    } else {
        pass_over(frame_start + 8 + streams.segment_length, frame_number);
        if (!file.read_fully(flow_length_bytes, sizeof flow_length_bytes))
            reject_frame(frame_number, "it runs past the header block");
    }
    streams.flow_length = decode_int32_le(flow_length_field);
    if (streams.flow_length < 0 || (load_flows && streams.flow_length > flow_side.compressed_capacity()))
        reject_frame(frame_number, "flow stream length " + std::to_string(streams.flow_length) + " is out of range");
    streams.end = frame_start + 12 + streams.segment_length + streams.flow_length;
    if (streams.end > header_offset) reject_frame(frame_number, "it runs past the header block");
    if (!load_flows) {
        pass_over(streams.end, frame_number);
        return streams;
    }

    // The next frame's step and N1 come in the same read as the flow stream.
    streams.next_head_read = static_cast<uint32_t>(frame_count) + 1 < static_cast<uint32_t>(num_moments) &&
                             header_offset - streams.end >= 12;
    const uint32_t flow_read = static_cast<uint32_t>(streams.flow_length) + (streams.next_head_read ? 8 : 0);
    if (!file.read_fully(flow_side.stream(), flow_read)) reject_frame(frame_number, "it runs past the header block");
    if (streams.next_head_read)
        std::memcpy(next_frame_head, flow_side.stream() + streams.flow_length, sizeof next_frame_head);
    return streams;
}

void tidewire_data::pass_over(int64_t offset, int32_t frame_number)
{
    try {
        file.set_offset(offset);
    } catch (const seek_exception&) {
        reject_frame(frame_number, "a stream in it cannot be passed over");
    }
}

void tidewire_data::inflate_frame(frame_buffers& side, int32_t compressed_length, int32_t frame_number,
                                  const char* side_name)
{
    if (!codec.uncompress(side.stream(), static_cast<uint32_t>(compressed_length), side.frame_bytes(),
                          static_cast<uint32_t>(side.frame_size())))
        reject_frame(frame_number,
                     std::string("the ") + side_name + " stream does not inflate to the " + side_name + " frame size");
}
