// Moment frames: the value runs of the current moment, buffer sizing,
// completion in both modes and the compression statistics.
#include "dataset_test_support.h"

#include <algorithm>
#include <cstdio>

#include <zlib.h>

#include "frame_buffers.h"
#include "frame_shape.h"

namespace {

class DatasetFrame : public ::testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("frames.lnk");

    static void give_counts(tidewire_data& dataset, int32_t segments, int32_t segment_constituents, int32_t flow_paths,
                            int32_t flow_constituents)
    {
        dataset.setnumsegments(segments);
        dataset.setnumsegconsts(segment_constituents);
        dataset.setnumflowpaths(flow_paths);
        dataset.setnumfpconsts(flow_constituents);
    }

    long file_size() const
    {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        std::fseek(file, 0, SEEK_END);
        const long size = std::ftell(file);
        std::fclose(file);
        return size;
    }
};

std::vector<float> ramp(int32_t count, float start)
{
    std::vector<float> values;
    for (int32_t i = 0; i < count; ++i) values.push_back(start + static_cast<float>(i));
    return values;
}

TEST(DatasetFrameBuffers, CapacityCoversZlibsWorstCaseAndSizesStayIn32Bits)
{
    frame_buffers side(8);
    ASSERT_EQ(side.reallocate(300), frame_buffers::result::ok);  // 100 segments, 3 constituents
    EXPECT_EQ(side.frame_size(), 1200);
    EXPECT_EQ(side.compressed_capacity(), 1340);
    EXPECT_GE(static_cast<uLong>(side.compressed_capacity()), compressBound(1200));
    EXPECT_EQ(side.frame_bytes()[1199], 0);

    // 2^29 values would be 2^31 bytes; the failure leaves no buffers behind.
    EXPECT_EQ(side.reallocate(uint64_t{1} << 29), frame_buffers::result::size_too_large);
    EXPECT_FALSE(side.allocated());
    EXPECT_EQ(side.frame_size(), 0);
    EXPECT_EQ(side.reallocate(uint64_t{1} << 33), frame_buffers::result::size_too_large);
}

TEST_F(DatasetFrame, EachConstituentHasItsOwnRunOfValues)
{
    tidewire_data dataset(path, 1);
    dataset.setlanguage(1);
    give_counts(dataset, 100, 3, 4, 2);
    const std::vector<float> second = ramp(100, 1000.0f);
    dataset.setseginfo(2, second.data());
    EXPECT_EQ(segment_values_of(dataset, 2, 100), second);
    // New buffers start cleared; the neighbouring runs stay untouched.
    EXPECT_EQ(segment_values_of(dataset, 1, 100), std::vector<float>(100, 0.0f));
    EXPECT_EQ(segment_values_of(dataset, 3, 100), std::vector<float>(100, 0.0f));

    const std::vector<float> flows = ramp(4, -5.0f);
    dataset.setflowinfo(2, flows.data());
    EXPECT_EQ(flow_values_of(dataset, 2, 4), flows);
    EXPECT_EQ(flow_values_of(dataset, 1, 4), std::vector<float>(4, 0.0f));
}

TEST_F(DatasetFrame, ValueIndexesAreCheckedAgainstTheConstituents)
{
    tidewire_data dataset(path, 1);
    dataset.setlanguage(1);
    give_counts(dataset, 100, 3, 4, 2);
    std::vector<float> values(100, 1.0f);
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setseginfo(0, values.data()); }, 517,
                                                             dataset_line::setseginfo, "tidewire_data::setseginfo",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setseginfo(4, values.data()); }, 517,
                                                             dataset_line::setseginfo, "tidewire_data::setseginfo",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getseginfo(4, values.data()); }, 517,
                                                             dataset_line::getseginfo, "tidewire_data::getseginfo",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setflowinfo(3, values.data()); }, 517,
                                                             dataset_line::setflowinfo, "tidewire_data::setflowinfo",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getflowinfo(0, values.data()); }, 517,
                                                             dataset_line::getflowinfo, "tidewire_data::getflowinfo",
                                                             "Index out of range");
    int32_t a = 0, b = 0, c = 0;
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setflowpath(5, 1, 2, 3); }, 517,
                                                             dataset_line::setflowpath, "tidewire_data::setflowpath",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getflowpath(0, a, b, c); }, 517,
                                                             dataset_line::getflowpath, "tidewire_data::getflowpath",
                                                             "Index out of range");
}

TEST_F(DatasetFrame, ZeroCountKeepsTheBuffersAndANewCountClearsThem)
{
    tidewire_data dataset(path, 1);
    give_counts(dataset, 3, 1, 1, 1);
    const std::vector<float> values = ramp(3, 7.0f);
    dataset.setseginfo(0, values.data());
    dataset.setnumsegments(0);
    dataset.momentcomplete();  // the side still has its buffers
    dataset.setnumsegments(3);
    EXPECT_EQ(segment_values_of(dataset, 0, 3), std::vector<float>(3, 0.0f));
}

// Two moments with all four counts at 2. Segment values are 100 m + 10 c + e,
// flow values their negatives.
void write_two_moments(tidewire_data& writer)
{
    writer.setnumsegments(2);
    writer.setnumsegconsts(2);
    writer.setnumflowpaths(2);
    writer.setnumfpconsts(2);
    for (int32_t m = 0; m < 2; ++m) {
        for (int32_t c = 0; c < 2; ++c) {
            const std::vector<float> values = ramp(2, static_cast<float>(100 * m + 10 * c));
            const std::vector<float> flows{-values[0], -values[1]};
            writer.setseginfo(c, values.data());
            writer.setflowinfo(c, flows.data());
        }
        writer.settimestep(0.5f);
        writer.momentcomplete();
    }
}

// The two moments, then `zeroed` sets one count back to 0 and a third moment
// is completed: the side keeps its buffers, so the third frame carries that
// side's values of the second moment again.
using count_setter = void (tidewire_data::*)(int32_t);

void write_with_a_count_back_to_zero(const std::string& path, count_setter zeroed)
{
    tidewire_data writer(path, 1);
    write_two_moments(writer);
    (writer.*zeroed)(0);
    writer.momentcomplete();
    writer.write_header();
}

TEST_F(DatasetFrame, AFileWrittenAfterACountWentBackToZeroReadsBack)
{
    const struct {
        const char* count;
        count_setter zeroed;
        bool segments_kept;
    } cases[] = {{"segments", &tidewire_data::setnumsegments, false},
                 {"segment constituents", &tidewire_data::setnumsegconsts, false},
                 {"flow paths", &tidewire_data::setnumflowpaths, true},
                 {"flow path constituents", &tidewire_data::setnumfpconsts, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        write_with_a_count_back_to_zero(path, c.zeroed);
        // The side whose count is 0 has nothing to load; the other side's
        // values come back in every moment.
        tidewire_data reader(path, 0);
        int32_t moments = 0;
        reader.getnummoments(moments);
        EXPECT_EQ(moments, 3);
        for (int32_t m = 0; m < 3; ++m) {
            if (m > 0) reader.momentcomplete();
            const std::vector<float> values = ramp(2, static_cast<float>(100 * std::min(m, 1) + 10));
            if (c.segments_kept)
                EXPECT_EQ(segment_values_of(reader, 1, 2), values);
            else
                EXPECT_EQ(flow_values_of(reader, 1, 2), (std::vector<float>{-values[0], -values[1]}));
        }
        int32_t month, day, year, hour, minute, second;
        float elapsed = -1.0f;
        char text[32];
        reader.getcurrentmoment(month, day, year, hour, minute, second, elapsed, text);
        EXPECT_EQ(elapsed, 1.0f);
    }
}

TEST_F(DatasetFrame, AStreamPassedOverStillHasItsLengthChecked)
{
    write_with_a_count_back_to_zero(path, &tidewire_data::setnumsegments);
    const bytes content = read_file_bytes(path);
    const std::size_t second_frame = 8 + 12 + static_cast<std::size_t>(int32_at(content, 12)) +
                                     static_cast<std::size_t>(int32_at(content, 16 + int32_at(content, 12)));
    const struct {
        std::size_t offset;
        int32_t value;
        const char* problem;
    } cases[] = {{second_frame + 4, -1, "segment stream length -1 is out of range"},
                 {second_frame + 4, 100000, "it runs past the header block"},
                 {second_frame + 8 + static_cast<std::size_t>(int32_at(content, second_frame + 4)), -3,
                  "flow stream length -3 is out of range"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        bytes changed = content;
        put_int32_at(changed, c.offset, c.value);
        write_file_bytes(path, changed);
        tidewire_data reader(path, 0);
        expect_dataset_failure<tidewire_compression_exception>(
            [&] { reader.momentcomplete(); }, 1026, dataset_line::frame_load, "tidewire_data::momentcomplete",
            std::string("Damaged frame 2 in the linkage file: ") + c.problem);
    }
}

// Once moments are written, each count may go to 0, back to its value in the
// frames, or be set again as it is; any other value is refused and changes
// nothing, so that the file keeps every moment.
TEST_F(DatasetFrame, CountsAreFixedOnceMomentsAreWritten)
{
    using count_getter = void (tidewire_data::*)(int32_t&) const;
    const struct {
        const char* function;
        int32_t line;
        count_setter set;
        count_getter get;
        const char* names;
    } cases[] = {
        {"tidewire_data::setnumsegments", dataset_line::setnumsegments_after_frames, &tidewire_data::setnumsegments,
         &tidewire_data::getnumsegments, "2 segments and 2 segment constituents"},
        {"tidewire_data::setnumsegconsts", dataset_line::setnumsegconsts_after_frames, &tidewire_data::setnumsegconsts,
         &tidewire_data::getnumsegconsts, "2 segments and 2 segment constituents"},
        {"tidewire_data::setnumflowpaths", dataset_line::setnumflowpaths_after_frames, &tidewire_data::setnumflowpaths,
         &tidewire_data::getnumflowpaths, "2 flow paths and 2 flow path constituents"},
        {"tidewire_data::setnumfpconsts", dataset_line::setnumfpconsts_after_frames, &tidewire_data::setnumfpconsts,
         &tidewire_data::getnumfpconsts, "2 flow paths and 2 flow path constituents"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        {
            tidewire_data writer(path, 1);
            write_two_moments(writer);
            const auto refused = [&](int32_t count, int32_t kept) {
                SCOPED_TRACE(count);
                expect_dataset_failure<tidewire_invalid_index_exception>(
                    [&] { (writer.*c.set)(count); }, 517, c.line, c.function,
                    std::string("The moments already written have ") + c.names +
                        ": a count can only be set to its value there or to 0");
                int32_t now = -1;
                (writer.*c.get)(now);
                EXPECT_EQ(now, kept);
            };
            refused(3, 2);
            refused(1, 2);
            refused(-1, 2);
            EXPECT_EQ(segment_values_of(writer, 1, 2), ramp(2, 110.0f));
            EXPECT_EQ(flow_values_of(writer, 1, 2), (std::vector<float>{-110.0f, -111.0f}));
            (writer.*c.set)(2);
            (writer.*c.set)(0);
            refused(3, 0);
            (writer.*c.set)(2);
            writer.momentcomplete();
            writer.write_header();
        }
        tidewire_data reader(path, 0);
        int32_t moments = 0;
        reader.getnummoments(moments);
        EXPECT_EQ(moments, 3);
        EXPECT_EQ(segment_values_of(reader, 1, 2), ramp(2, 10.0f));
        reader.momentcomplete();
        EXPECT_EQ(flow_values_of(reader, 1, 2), (std::vector<float>{-110.0f, -111.0f}));
    }
}

// The rule itself, where a side was passed over when the frames were written
// and one count still differs from them.
TEST(DatasetFrameShape, WrittenCountsOrZeroOrUnchanged)
{
    const frame_shape written{2, 3};
    const struct {
        frame_shape proposed, current;
        bool kept;
    } cases[] = {{{2, 3}, {2, 3}, true},  {{0, 3}, {2, 3}, true},  {{2, 0}, {2, 3}, true},
                 {{3, 3}, {2, 3}, false}, {{2, 4}, {2, 3}, false}, {{0, 4}, {0, 3}, false},
                 {{0, 5}, {0, 5}, true},  {{2, 5}, {0, 5}, false}, {{0, 3}, {0, 5}, true}};
    for (const auto& c : cases)
        EXPECT_EQ(keeps_written_frames(c.proposed, c.current, written), c.kept)
            << c.proposed.elements << "x" << c.proposed.constituents << " from " << c.current.elements << "x"
            << c.current.constituents;
}

TEST_F(DatasetFrame, FrameSizesBeyond32BitsFailWithoutWrapping)
{
    tidewire_data dataset(path, 1);
    give_counts(dataset, 65536, 1, 1, 1);
    // 65536 x 8192 values take 2^31 bytes.
    expect_dataset_failure<tidewire_memory_exhausted_exception>(
        [&] { dataset.setnumsegconsts(8192); }, 1025, dataset_line::reallocate_segment_frame,
        "tidewire_data::reallocate_segment_buffers", "Insufficient memory to allocate segment frame buffer");
    int32_t count = 0;
    dataset.getnumsegconsts(count);
    EXPECT_EQ(count, 8192);  // the table was resized before the buffers failed

    // Without buffers the side takes no values and completes no moment.
    std::vector<float> values(65536, 1.0f);
    expect_dataset_failure<tidewire_memory_exhausted_exception>(
        [&] { dataset.setseginfo(8191, values.data()); }, 1025, dataset_line::segment_values_without_buffer,
        "tidewire_data::setseginfo", "No frame buffer for the values: its allocation failed");
    expect_dataset_failure<tidewire_compression_exception>(
        [&] { dataset.momentcomplete(); }, 1026, dataset_line::compress_segment, "tidewire_data::momentcomplete",
        "Compression error compressing segment data");
    dataset.setnumsegconsts(1);
    dataset.setseginfo(0, values.data());
    dataset.momentcomplete();
}

TEST_F(DatasetFrame, StepsAddUpInTheWriterAndInTheReader)
{
    write_sample_file(path);
    tidewire_data reader(path, 0);
    reader.setlanguage(1);
    float step = 0.0f;
    int32_t month, day, year, hour, minute, second;
    float elapsed = -1.0f;
    char text[32];
    reader.gettimestep(step);
    reader.getcurrentmoment(month, day, year, hour, minute, second, elapsed, text);
    EXPECT_EQ(step, 0.5f);
    EXPECT_EQ(elapsed, 0.0f);
    EXPECT_EQ(segment_values_of(reader, 2, 3), (std::vector<float>{10.5f, 11.5f, 12.5f}));

    reader.momentcomplete();
    reader.gettimestep(step);
    reader.getcurrentmoment(month, day, year, hour, minute, second, elapsed, text);
    EXPECT_EQ(step, 0.25f);
    EXPECT_EQ(elapsed, 0.5f);
    EXPECT_EQ(segment_values_of(reader, 2, 3), (std::vector<float>{110.5f, 111.5f, 112.5f}));
    EXPECT_EQ(flow_values_of(reader, 1, 2), (std::vector<float>{-2000.0f, -2001.0f}));

    // Past the last frame nothing changes.
    reader.momentcomplete();
    reader.gettimestep(step);
    reader.getcurrentmoment(month, day, year, hour, minute, second, elapsed, text);
    EXPECT_EQ(step, 0.25f);
    EXPECT_EQ(elapsed, 0.5f);
    EXPECT_EQ(segment_values_of(reader, 2, 3), (std::vector<float>{110.5f, 111.5f, 112.5f}));
}

TEST_F(DatasetFrame, ValuesNotSetAgainAreWrittenAgain)
{
    {
        tidewire_data writer(path, 1);
        give_counts(writer, 2, 1, 2, 1);
        const std::vector<float> segments{1.0f, 2.0f}, first_flows{3.0f, 4.0f}, second_flows{5.0f, 6.0f};
        writer.setseginfo(0, segments.data());
        writer.setflowinfo(0, first_flows.data());
        writer.settimestep(1.0f);
        writer.momentcomplete();
        writer.setflowinfo(0, second_flows.data());
        writer.momentcomplete();
        writer.write_header();
    }
    tidewire_data reader(path, 0);
    reader.momentcomplete();
    EXPECT_EQ(segment_values_of(reader, 0, 2), (std::vector<float>{1.0f, 2.0f}));
    EXPECT_EQ(flow_values_of(reader, 0, 2), (std::vector<float>{5.0f, 6.0f}));
    float step = 0.0f;
    reader.gettimestep(step);
    EXPECT_EQ(step, 1.0f);
}

TEST_F(DatasetFrame, ABadLevelFailsTheCompletionAndChangesNothing)
{
    tidewire_data writer(path, 1);
    fill_sample_header(writer);
    complete_sample_moment(writer, 0);
    const long size_after_first = file_size();
    writer.setcompressionlevel(10);
    expect_dataset_failure<tidewire_compression_exception>(
        [&] { complete_sample_moment(writer, 1); }, 1026, dataset_line::compress_segment,
        "tidewire_data::momentcomplete", "Compression error compressing segment data");
    EXPECT_EQ(file_size(), size_after_first);
    int32_t month, day, year, hour, minute, second;
    float elapsed = -1.0f;
    char text[32];
    writer.getcurrentmoment(month, day, year, hour, minute, second, elapsed, text);
    EXPECT_EQ(elapsed, 0.5f);

    writer.setcompressionlevel(-1);  // zlib's default level
    complete_sample_moment(writer, 1);
    writer.write_header();

    tidewire_data reader(path, 0);
    int32_t moments = 0;
    reader.getnummoments(moments);
    EXPECT_EQ(moments, 2);
    reader.momentcomplete();
    EXPECT_EQ(segment_values_of(reader, 1, 3), (std::vector<float>{110.5f, 111.5f, 112.5f}));
}

TEST_F(DatasetFrame, NoMomentIsCompletedWithoutBothSides)
{
    tidewire_data writer(path, 1);
    give_counts(writer, 2, 1, 0, 1);
    expect_dataset_failure<tidewire_compression_exception>([&] { writer.momentcomplete(); }, 1026,
                                                           dataset_line::compress_flow, "tidewire_data::momentcomplete",
                                                           "Compression error compressing flow data");
    EXPECT_EQ(file_size(), 8);
    tidewire_data other(scratch.path("other.lnk"), 1);
    expect_dataset_failure<tidewire_compression_exception>(
        [&] { other.momentcomplete(); }, 1026, dataset_line::compress_segment, "tidewire_data::momentcomplete",
        "Compression error compressing segment data");
}

TEST_F(DatasetFrame, CompressionFactorIsTheMeanRatioOfTheFramesWritten)
{
    tidewire_data writer(path, 1);
    fill_sample_header(writer);
    complete_sample_moment(writer, 0);
    complete_sample_moment(writer, 1);
    float factor = 0.0f;
    writer.getcompfact(factor);
    writer.write_header();

    // Each frame: step, N1, segment stream, N2, flow stream.
    const bytes content = read_file_bytes(path);
    const float frame_bytes = 4.0f * (3 * 2 + 2 * 1);
    std::size_t at = 8;
    float ratio_sum = 0.0f;
    for (int frame = 0; frame < 2; ++frame) {
        const int32_t n1 = int32_at(content, at + 4);
        const int32_t n2 = int32_at(content, at + 8 + n1);
        ratio_sum = static_cast<float>((n1 + n2) / frame_bytes) + ratio_sum;
        at += 12 + n1 + n2;
    }
    EXPECT_FLOAT_EQ(factor, ratio_sum / 2);

    tidewire_data reader(path, 0);
    reader.getcompfact(factor);
    EXPECT_EQ(factor, 0.0f);
}

}  // namespace
