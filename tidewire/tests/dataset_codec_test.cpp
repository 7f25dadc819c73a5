// The dataset's zlib streams, kept from frame to frame: every stream is byte
// for byte what compress2 gives at the same level, and a stream is accepted
// exactly when uncompress accepts it.
#include "dataset_test_support.h"

#include <cstring>
#include <random>

#include <zlib.h>

#include "frame_codec.h"

namespace {

using byte_vector = std::vector<unsigned char>;

byte_vector compress2_of(const byte_vector& frame, int level)
{
    uLongf length = compressBound(static_cast<uLong>(frame.size()));
    byte_vector stream(length);
    EXPECT_EQ(compress2(stream.data(), &length, frame.data(), static_cast<uLong>(frame.size()), level), Z_OK);
    stream.resize(length);
    return stream;
}

byte_vector codec_compress(frame_codec& codec, const byte_vector& frame, int level)
{
    byte_vector stream(compressBound(static_cast<uLong>(frame.size())));
    uint32_t length = 0;
    EXPECT_TRUE(codec.compress(frame.data(), static_cast<uint32_t>(frame.size()), stream.data(),
                               static_cast<uint32_t>(stream.size()), level, length));
    stream.resize(length);
    return stream;
}

// Frames of the kinds a model writes: values that repeat, values that vary
// smoothly, noise, and one larger than zlib's window.
std::vector<byte_vector> sample_frames()
{
    std::vector<byte_vector> frames;
    frames.push_back(byte_vector(4, 0));
    frames.push_back(byte_vector(4000, 0));
    std::vector<float> smooth(30000);
    for (std::size_t i = 0; i < smooth.size(); ++i) smooth[i] = 12.5f + 0.001f * static_cast<float>(i % 977);
    byte_vector smooth_bytes(smooth.size() * 4);
    std::memcpy(smooth_bytes.data(), smooth.data(), smooth_bytes.size());
    frames.push_back(smooth_bytes);
    std::mt19937 random(7);
    byte_vector noise(5000);
    for (unsigned char& byte : noise) byte = static_cast<unsigned char>(random());
    frames.push_back(noise);
    return frames;
}

TEST(DatasetCodec, EveryStreamIsWhatCompress2Gives)
{
    frame_codec codec;
    const std::vector<byte_vector> frames = sample_frames();
    // The same level again and again, then changes of level both ways.
    for (int level : {6, 6, 9, 1, -1, 0, 0, 6}) {
        SCOPED_TRACE(level);
        for (const byte_vector& frame : frames)
            EXPECT_EQ(codec_compress(codec, frame, level), compress2_of(frame, level));
    }
}

TEST(DatasetCodec, FailsWhereCompress2FailsAndRecovers)
{
    frame_codec codec;
    const byte_vector frame = sample_frames()[2];
    byte_vector stream(compressBound(static_cast<uLong>(frame.size())));
    uint32_t length = 0;
    const auto size = static_cast<uint32_t>(frame.size());
    const auto capacity = static_cast<uint32_t>(stream.size());
    for (int level : {10, -2}) EXPECT_FALSE(codec.compress(frame.data(), size, stream.data(), capacity, level, length));
    EXPECT_EQ(codec_compress(codec, frame, 6), compress2_of(frame, 6));
    // A stream left unfinished for lack of room does not spoil the next.
    EXPECT_FALSE(codec.compress(frame.data(), size, stream.data(), 16, 6, length));
    EXPECT_FALSE(codec.compress(frame.data(), size, stream.data(), 16, 10, length));
    EXPECT_EQ(codec_compress(codec, frame, 6), compress2_of(frame, 6));
}

TEST(DatasetCodec, AcceptsExactlyTheStreamsUncompressAccepts)
{
    frame_codec codec;
    const byte_vector frame = sample_frames()[2];
    const byte_vector stream = compress2_of(frame, 6);
    const auto size = static_cast<uint32_t>(frame.size());
    byte_vector out(frame.size() + 8, 0xEE);
    const auto inflate_into = [&](const byte_vector& bytes, uint32_t expected) {
        return codec.uncompress(bytes.data(), static_cast<uint32_t>(bytes.size()), out.data(), expected);
    };

    ASSERT_TRUE(inflate_into(stream, size));
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), out.begin()));

    EXPECT_FALSE(inflate_into(stream, size - 4));  // the frame is larger than the dataset's
    EXPECT_FALSE(inflate_into(stream, size + 4));  // or smaller
    EXPECT_FALSE(inflate_into(byte_vector(stream.begin(), stream.end() - 1), size));  // no whole check value
    byte_vector damaged = stream;
    damaged[damaged.size() / 2] ^= 0x55;
    EXPECT_FALSE(inflate_into(damaged, size));
    EXPECT_FALSE(inflate_into(byte_vector(12, 0), size));

    // Bytes after the end of the stream are not looked at.
    byte_vector trailing = stream;
    trailing.insert(trailing.end(), {1, 2, 3});
    std::fill(out.begin(), out.end(), 0);
    ASSERT_TRUE(inflate_into(trailing, size));
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), out.begin()));
}

TEST(DatasetCodec, FramesWrittenAtChangingLevelsMatchCompress2)
{
    scratch_directory scratch;
    const std::string path = scratch.path("levels.lnk");
    const int levels[] = {6, 6, 9, -1, 0, 1};
    {
        tidewire_data writer(path, 1);
        fill_sample_header(writer);
        for (int level : levels) {
            writer.setcompressionlevel(level);
            complete_sample_moment(writer, 0);
        }
        writer.write_header();
    }
    // The sample's moment 0: two constituents of three segments, one of two
    // flow paths, constituent-major.
    std::vector<float> segment_values, flow_values;
    for (int32_t c = 0; c < sample_shape::segment_constituents; ++c)
        for (int32_t e = 0; e < sample_shape::segments; ++e) segment_values.push_back(sample_segment_value(0, c, e));
    for (int32_t e = 0; e < sample_shape::flow_paths; ++e) flow_values.push_back(sample_flow_value(0, 0, e));
    byte_vector segment_frame(segment_values.size() * 4), flow_frame(flow_values.size() * 4);
    std::memcpy(segment_frame.data(), segment_values.data(), segment_frame.size());  // the test host is little-endian
    std::memcpy(flow_frame.data(), flow_values.data(), flow_frame.size());

    const bytes content = read_file_bytes(path);
    std::size_t at = 8;
    for (int level : levels) {
        SCOPED_TRACE(level);
        const auto n1 = static_cast<std::size_t>(int32_at(content, at + 4));
        const byte_vector segment_stream(content.begin() + static_cast<long>(at + 8),
                                         content.begin() + static_cast<long>(at + 8 + n1));
        EXPECT_EQ(segment_stream, compress2_of(segment_frame, level));
        const auto n2 = static_cast<std::size_t>(int32_at(content, at + 8 + n1));
        const byte_vector flow_stream(content.begin() + static_cast<long>(at + 12 + n1),
                                      content.begin() + static_cast<long>(at + 12 + n1 + n2));
        EXPECT_EQ(flow_stream, compress2_of(flow_frame, level));
        at += 12 + n1 + n2;
    }
    EXPECT_EQ(static_cast<std::size_t>(int32_at(content, 0)), at);
}

}  // namespace
