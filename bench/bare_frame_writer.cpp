#include "bare_frame_writer.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace bench {

namespace {

void put_uint32(unsigned char* out, uint32_t value)
{
    for (int n = 0; n < 4; ++n) out[n] = static_cast<unsigned char>(value >> (8 * n));
}

// Copies the side's constituents one after another into its frame.
template <std::size_t N>
void gather(const std::array<std::vector<float>, N>& constituents, std::vector<unsigned char>& frame)
{
    unsigned char* out = frame.data();
    for (const auto& values : constituents) {
        std::memcpy(out, values.data(), values.size() * sizeof(float));
        out += values.size() * sizeof(float);
    }
}

uLongf compress_into(unsigned char* out, std::size_t room, const std::vector<unsigned char>& frame, int level)
{
    uLongf length = static_cast<uLongf>(room);
    if (compress2(out, &length, frame.data(), static_cast<uLong>(frame.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    return length;
}

}  // namespace

void write_all(int fd, const unsigned char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throw std::runtime_error(std::string("write failed: ") + std::strerror(errno));
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

bare_frame_writer::bare_frame_writer(const std::string& path, std::size_t segment_values, std::size_t flow_values,
                                     int level)
    : level(level), segment_frame(segment_values * 4), flow_frame(flow_values * 4)
{
    frame.resize(12 + compressBound(static_cast<uLong>(segment_frame.size())) +
                 compressBound(static_cast<uLong>(flow_frame.size())));
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path + ": " + std::strerror(errno));
    const unsigned char placeholder[8] = {};
    write_all(fd, placeholder, sizeof placeholder);
}

bare_frame_writer::~bare_frame_writer()
{
    if (fd >= 0) ::close(fd);
}

void bare_frame_writer::write_moment(const moment_values& values)
{
    gather(values.segment, segment_frame);
    gather(values.flow, flow_frame);

    uint32_t step_bits = 0;
    std::memcpy(&step_bits, &values.time_step, sizeof step_bits);
    put_uint32(frame.data(), step_bits);
    const std::size_t segment_room = compressBound(static_cast<uLong>(segment_frame.size()));
    const uLongf segment_length = compress_into(frame.data() + 8, segment_room, segment_frame, level);
    put_uint32(frame.data() + 4, static_cast<uint32_t>(segment_length));
    unsigned char* flow_part = frame.data() + 8 + segment_length;
    const uLongf flow_length = compress_into(flow_part + 4, frame.size() - 12 - segment_length, flow_frame, level);
    put_uint32(flow_part, static_cast<uint32_t>(flow_length));

    const std::size_t frame_size = 12 + segment_length + flow_length;
    write_all(fd, frame.data(), frame_size);
    position += static_cast<int64_t>(frame_size);
}

void bare_frame_writer::finish(const std::vector<unsigned char>& header_block)
{
    write_all(fd, header_block.data(), header_block.size());
    unsigned char offset[8];
    put_uint32(offset, static_cast<uint32_t>(position));
    put_uint32(offset + 4, static_cast<uint32_t>(static_cast<uint64_t>(position) >> 32));
    if (::pwrite(fd, offset, sizeof offset, 0) != static_cast<ssize_t>(sizeof offset))
        throw std::runtime_error("writing the header offset failed");
    ::close(fd);
    fd = -1;
}

}  // namespace bench
