// The read baseline: only the work that any reader of a linkage file must do
// for the frames: read() the header block's bytes, then for each frame
// read() its time step, lengths and streams and uncompress both streams.
#ifndef BENCH_BARE_FRAME_READER_H
#define BENCH_BARE_FRAME_READER_H

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

class bare_frame_reader {
public:
    // Opens `path` and reads its header block's bytes. Throws
    // std::runtime_error.
    bare_frame_reader(const std::string& path, std::size_t segment_values, std::size_t flow_values);
    ~bare_frame_reader();
    bare_frame_reader(const bare_frame_reader&) = delete;
    bare_frame_reader& operator=(const bare_frame_reader&) = delete;

    // Reads and inflates the next frame.
    void load_moment();
    float time_step() const { return step; }
    const std::vector<unsigned char>& segment_frame() const { return segment; }
    const std::vector<unsigned char>& flow_frame() const { return flow; }
    std::size_t header_bytes() const { return header.size(); }

private:
    void read_exactly(unsigned char* out, std::size_t size);
    uint32_t read_length();
    void inflate_stream(std::vector<unsigned char>& frame);

    int fd = -1;
    float step = 0.0f;
    std::vector<unsigned char> header;
    std::vector<unsigned char> compressed;
    std::vector<unsigned char> segment;
    std::vector<unsigned char> flow;
};

}  // namespace bench

#endif
