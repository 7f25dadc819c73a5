// The bytes of a linkage file: header offset, frames and the header block
// field by field.
#include "dataset_test_support.h"

#include <ctime>
#include <zlib.h>

namespace {

class DatasetLayout : public ::testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("layout.lnk");
};

std::string string_at(const bytes& content, std::size_t& at)
{
    const int32_t length = int32_at(content, at);
    std::string text(content.begin() + static_cast<long>(at) + 4, content.begin() + static_cast<long>(at) + 4 + length);
    at += 4 + static_cast<std::size_t>(length);
    return text;
}

std::vector<float> inflate_floats(const bytes& content, std::size_t at, int32_t length, std::size_t count)
{
    std::vector<float> values(count);
    uLongf size = static_cast<uLongf>(count * 4);
    EXPECT_EQ(
        uncompress(reinterpret_cast<Bytef*>(values.data()), &size, content.data() + at, static_cast<uLong>(length)),
        Z_OK);
    EXPECT_EQ(size, count * 4);
    return values;  // the test host is little-endian, as the file
}

TEST_F(DatasetLayout, ClosedWithoutMomentsTheHeaderFollowsTheOffset)
{
    {
        tidewire_data writer(path, 1);
        writer.write_header();
    }
    const bytes content = read_file_bytes(path);
    ASSERT_EQ(content.size(), 8u + 4 * 3 + 36 + 4 * 6 + 4 * 5 + 4);
    EXPECT_EQ(int32_at(content, 0), 8);
    EXPECT_EQ(int32_at(content, 4), 0);
    EXPECT_EQ(int32_at(content, 8 + 4 * 3 + 36 + 4 * 5), 0);  // number of moments
    EXPECT_EQ(float_at(content, content.size() - 4), 0.0f);   // end time

    // Such a file opens with no frame to load, and a completion does nothing.
    tidewire_data reader(path, 0);
    reader.momentcomplete();
    int32_t moments = -1;
    reader.getnummoments(moments);
    EXPECT_EQ(moments, 0);
}

TEST_F(DatasetLayout, HeaderBlockFieldByField)
{
    const int32_t before = static_cast<int32_t>(std::time(nullptr));
    write_sample_file(path);
    const int32_t after = static_cast<int32_t>(std::time(nullptr));
    const bytes content = read_file_bytes(path);

    const std::size_t header = static_cast<std::size_t>(int32_at(content, 0));
    ASSERT_EQ(int32_at(content, 4), 0);
    ASSERT_LT(header, content.size());
    std::size_t at = header;
    EXPECT_EQ(content[at], 0x00);
    EXPECT_EQ(content[at + 1], 0x10);
    EXPECT_EQ(content[at + 2], 0x00);
    EXPECT_EQ(content[at + 3], 0x20);
    EXPECT_GE(int32_at(content, at + 4), before);  // time stamp
    EXPECT_LE(int32_at(content, at + 4), after);
    EXPECT_EQ(int32_at(content, at + 8), 1);  // creator
    at += 12;
    // Seed 3/5/2019 6:04:09: year, month, day, weekday, hour, minute,
    // second, second of the day, day number.
    const int32_t seed[] = {
        2019, 3, 5, int32_at(content, at + 12), 6, 4, 9, 6 * 3600 + 4 * 60 + 9, int32_at(content, at + 32)};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(int32_at(content, at + 4 * static_cast<std::size_t>(i)), seed[i]) << i;
    EXPECT_EQ(int32_at(content, at + 12), int32_at(content, at + 32) % 7);
    at += 36;
    EXPECT_EQ(int32_at(content, at), 1);          // variable step
    EXPECT_EQ(float_at(content, at + 4), 30.0f);  // hydrodynamic step
    EXPECT_EQ(float_at(content, at + 8), 2.5f);   // update interval
    EXPECT_EQ(int32_at(content, at + 12), 120);   // ratio
    EXPECT_EQ(int32_at(content, at + 16), 4);     // layers
    EXPECT_EQ(int32_at(content, at + 20), 2);     // moments
    at += 24;
    // Flow paths (1, 2, 1) and (0, -3, 3).
    EXPECT_EQ(int32_at(content, at), 2);
    const int32_t paths[] = {1, 2, 1, 0, -3, 3};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(int32_at(content, at + 4 + 4 * static_cast<std::size_t>(i)), paths[i]);
    at += 4 + 24;
    EXPECT_EQ(int32_at(content, at), 3);
    at += 4;
    EXPECT_EQ(string_at(content, at), "I=1 J=1 K=1");
    EXPECT_EQ(string_at(content, at), "I=2 J=1 K=1");
    EXPECT_EQ(string_at(content, at), "");
    EXPECT_EQ(int32_at(content, at), 1);  // flow path constituents
    EXPECT_EQ(int32_at(content, at + 4), 7);
    at += 8;
    EXPECT_EQ(int32_at(content, at), 2);  // segment constituents
    EXPECT_EQ(int32_at(content, at + 4), 1);
    EXPECT_EQ(int32_at(content, at + 8), 4);
    at += 12;
    EXPECT_EQ(int32_at(content, at), 2);  // descriptions
    EXPECT_EQ(int32_at(content, at + 4), 5);
    at += 8;
    EXPECT_EQ(string_at(content, at), "abc");
    EXPECT_EQ(int32_at(content, at), -2);
    at += 4;
    EXPECT_EQ(string_at(content, at), "second description");
    EXPECT_EQ(float_at(content, at), 0.75f);  // end time
    EXPECT_EQ(at + 4, content.size());
}

TEST_F(DatasetLayout, FramesFollowTheOffsetBackToBack)
{
    write_sample_file(path);
    const bytes content = read_file_bytes(path);
    std::size_t at = 8;
    for (int32_t m = 0; m < sample_shape::moments; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(float_at(content, at), m == 0 ? 0.5f : 0.25f);
        const int32_t n1 = int32_at(content, at + 4);
        const std::vector<float> segments = inflate_floats(content, at + 8, n1, 6);
        for (int32_t c = 0; c < 2; ++c)
            for (int32_t e = 0; e < 3; ++e)
                EXPECT_EQ(segments[static_cast<std::size_t>(3 * c + e)], sample_segment_value(m, c, e));
        const int32_t n2 = int32_at(content, at + 8 + static_cast<std::size_t>(n1));
        const std::vector<float> flows = inflate_floats(content, at + 12 + static_cast<std::size_t>(n1), n2, 2);
        EXPECT_EQ(flows, (std::vector<float>{sample_flow_value(m, 0, 0), sample_flow_value(m, 0, 1)}));
        at += 12 + static_cast<std::size_t>(n1 + n2);
    }
    EXPECT_EQ(static_cast<std::size_t>(int32_at(content, 0)), at);
}

TEST_F(DatasetLayout, AWriterThatIsNeverClosedLeavesOffsetZero)
{
    {
        tidewire_data writer(path, 1);
        fill_sample_header(writer);
        complete_sample_moment(writer, 0);
    }
    const bytes content = read_file_bytes(path);
    ASSERT_GT(content.size(), 8u);
    EXPECT_EQ(int32_at(content, 0), 0);
    EXPECT_EQ(int32_at(content, 4), 0);
}

TEST_F(DatasetLayout, OpeningForWritingReplacesTheFileAtOnce)
{
    write_file_bytes(path, bytes(100, 0xAB));
    tidewire_data writer(path, 1);
    EXPECT_EQ(read_file_bytes(path), bytes(8, 0));
}

TEST_F(DatasetLayout, ReadingLeavesTheFileUnchanged)
{
    write_sample_file(path);
    const bytes before = read_file_bytes(path);
    {
        tidewire_data reader(path, 0);
        reader.momentcomplete();
        reader.momentcomplete();
        reader.write_header();
    }
    EXPECT_EQ(read_file_bytes(path), before);
}

TEST_F(DatasetLayout, OlderVersionsEndWithTheDescriptions)
{
    write_sample_file(path);
    bytes content = read_file_bytes(path);
    const std::size_t header = static_cast<std::size_t>(int32_at(content, 0));
    put_int32_at(content, header, 0x20000FFF);
    content.resize(content.size() - 4);
    write_file_bytes(path, content);
    {
        tidewire_data reader(path, 0);
        int32_t month, day, year, hour, minute, second;
        float days = -1.0f;
        char text[32];
        reader.getendmoment(month, day, year, hour, minute, second, days, text);
        EXPECT_EQ(days, 0.0f);  // no end time stored
        EXPECT_STREQ(text, "3/5/2019 6:04:09");
    }
    // A later version is read as the current one.
    write_sample_file(path);
    content = read_file_bytes(path);
    put_int32_at(content, header, 0x30000000);
    write_file_bytes(path, content);
    tidewire_data reader(path, 0);
    int32_t month, day, year, hour, minute, second;
    float days = -1.0f;
    char text[32];
    reader.getendmoment(month, day, year, hour, minute, second, days, text);
    EXPECT_EQ(days, 0.75f);
}

}  // namespace
