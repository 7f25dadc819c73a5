// Damaged files, systematically: every truncation of a valid file and single
// byte changes in its header offset, its frame lengths and its header block
// give either a dataset that reads or a clean library error, never a crash.
// (Run under the sanitizers, this is where an unchecked length would show.)
#include "dataset_test_support.h"

namespace {

// A refused file is damaged (512); memory (1025) is what fails only for a
// count that no table could hold.
enum class outcome { opened, damaged, out_of_memory };

// Opens the bytes, steps through every moment and reads every value; a frame
// that fails to load is a clean error too.
outcome read_everything(const std::string& path)
{
    try {
        tidewire_data reader(path, 0);
        int32_t moments = 0, segments = 0, segment_constituents = 0, flow_paths = 0, flow_constituents = 0;
        reader.getnummoments(moments);
        reader.getnumsegments(segments);
        reader.getnumsegconsts(segment_constituents);
        reader.getnumflowpaths(flow_paths);
        reader.getnumfpconsts(flow_constituents);
        for (int32_t m = 0; m < moments; ++m) {
            for (int32_t c = 0; c < segment_constituents; ++c) segment_values_of(reader, c, segments);
            for (int32_t c = 0; c < flow_constituents; ++c) flow_values_of(reader, c, flow_paths);
            try {
                reader.momentcomplete();
            } catch (const tidewire_compression_exception& failure) {
                EXPECT_EQ(failure.code(), 1026);
                break;
            }
        }
        int32_t month, day, year, hour, minute, second;
        float days = 0.0f;
        char text[80];
        reader.getendmoment(month, day, year, hour, minute, second, days, text);
        reader.getcurrentmoment(month, day, year, hour, minute, second, days, text);
        reader.write_header();
        return outcome::opened;
    } catch (const tidewire_cannot_open_exception& failure) {
        EXPECT_EQ(failure.code(), 512);
        return outcome::damaged;
    } catch (const tidewire_memory_exhausted_exception&) {
        return outcome::out_of_memory;
    }
}

class DatasetCorruption : public ::testing::Test {
protected:
    void SetUp() override
    {
        write_sample_file(valid_path);
        content = read_file_bytes(valid_path);
        header = static_cast<std::size_t>(int32_at(content, 0));
    }

    outcome read_changed(const bytes& changed)
    {
        write_file_bytes(path, changed);
        return read_everything(path);
    }

    scratch_directory scratch;
    std::string valid_path = scratch.path("valid.lnk");
    std::string path = scratch.path("damaged.lnk");
    bytes content;
    std::size_t header = 0;
};

TEST_F(DatasetCorruption, EveryTruncationIsRefusedAsDamaged)
{
    ASSERT_EQ(read_changed(content), outcome::opened);
    for (std::size_t length = 0; length < content.size(); ++length) {
        SCOPED_TRACE(length);
        const bytes cut(content.begin(), content.begin() + static_cast<long>(length));
        // Only the header block's last field is missing at most one
        // truncation short of the whole; every shorter file is incomplete.
        EXPECT_EQ(read_changed(cut), outcome::damaged);
    }
}

TEST_F(DatasetCorruption, SingleByteChangesGiveAReaderOrACleanError)
{
    // The header offset, the length fields of both frames, and every byte of
    // the header block.
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < 8; ++i) positions.push_back(i);
    std::size_t frame = 8;
    while (frame < header) {
        const std::size_t n1 = static_cast<std::size_t>(int32_at(content, frame + 4));
        const std::size_t n2 = static_cast<std::size_t>(int32_at(content, frame + 8 + n1));
        for (std::size_t i = 0; i < 4; ++i) {
            positions.push_back(frame + 4 + i);
            positions.push_back(frame + 8 + n1 + i);
        }
        frame += 12 + n1 + n2;
    }
    for (std::size_t i = header; i < content.size(); ++i) positions.push_back(i);

    int opened = 0, failed = 0;
    for (std::size_t position : positions) {
        for (uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}, uint8_t{0x7F}, uint8_t{0x80},
                              static_cast<uint8_t>(content[position] + 1)}) {
            if (value == content[position]) continue;
            SCOPED_TRACE(std::to_string(position) + " = " + std::to_string(value));
            bytes changed = content;
            changed[position] = value;
            (read_changed(changed) == outcome::opened ? opened : failed) += 1;
        }
    }
    // Both kinds occur: a changed name or type still reads, a changed
    // length does not.
    EXPECT_GT(opened, 0);
    EXPECT_GT(failed, 0);
    EXPECT_GT(opened + failed, 300);
}

}  // namespace
