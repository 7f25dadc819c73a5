// Opening a linkage file that is not what it should be: every failure is a
// clean, recognisable error, and a damaged later frame leaves the dataset
// usable.
#include "dataset_test_support.h"

namespace {

// Offsets in the sample file, from the start of its header block.
constexpr std::size_t moments_field = 68;
constexpr std::size_t flow_path_count_field = 72;
constexpr std::size_t first_segment_name_field = 104;

class DatasetOpen : public ::testing::Test {
protected:
    void SetUp() override
    {
        write_sample_file(path);
        content = read_file_bytes(path);
        header = static_cast<std::size_t>(int32_at(content, 0));
    }

    // Writes the changed bytes and checks that opening them fails with
    // `failure`, `code` and `text`.
    template <class failure>
    void expect_open_failure(const bytes& changed, int32_t code, const std::string& text)
    {
        write_file_bytes(path, changed);
        try {
            tidewire_data reader(path, 0);
            ADD_FAILURE() << "opened, expected " << text;
        } catch (const failure& caught) {
            EXPECT_EQ(caught.code(), code);
            EXPECT_EQ(caught.what(), text);
        }
    }

    // The bytes that follow a field of the header block.
    std::size_t bytes_after(std::size_t field) const { return content.size() - header - field - 4; }

    std::size_t second_frame() const
    {
        const std::size_t n1 = static_cast<std::size_t>(int32_at(content, 12));
        const std::size_t n2 = static_cast<std::size_t>(int32_at(content, 16 + n1));
        return 8 + 12 + n1 + n2;
    }

    scratch_directory scratch;
    std::string path = scratch.path("open.lnk");
    bytes content;
    std::size_t header = 0;
};

TEST_F(DatasetOpen, InvalidModesCreateNothing)
{
    for (int32_t mode : {2, -1}) {
        const std::string name = scratch.path("mode" + std::to_string(mode) + ".lnk");
        expect_dataset_failure<tidewire_cannot_open_exception>(
            [&] { tidewire_data dataset(name, mode); }, 512, dataset_line::invalid_mode, "tidewire_data::tidewire_data",
            "Invalid access mode specified");
        EXPECT_FALSE(file_exists(name));
    }
}

TEST_F(DatasetOpen, InvalidModeTextNamesItsLine)
{
    try {
        tidewire_data dataset(path, 2);
        FAIL();
    } catch (const tidewire_cannot_open_exception& caught) {
        EXPECT_EQ(caught.what(),
                  dataset_failure_text(52, "tidewire_data::tidewire_data", "Invalid access mode specified"));
    }
}

TEST_F(DatasetOpen, MissingFileCarriesTheStreamText)
{
    try {
        tidewire_data dataset(scratch.path("missing.lnk"), 0);
        FAIL();
    } catch (const tidewire_cannot_open_exception& caught) {
        EXPECT_EQ(caught.what(), cannot_open_text());
    }
}

TEST_F(DatasetOpen, FileThatWasNeverClosed)
{
    bytes changed = content;
    put_int32_at(changed, 0, 0);
    expect_open_failure<tidewire_cannot_open_exception>(
        changed, 512, open_failure_text("Incomplete linkage file: header offset 0, the file was never closed"));
}

TEST_F(DatasetOpen, HeaderOffsetOutsideTheFile)
{
    for (int64_t offset : {int64_t{4}, int64_t{-8}, static_cast<int64_t>(content.size()),
                           static_cast<int64_t>(content.size()) + 1000, int64_t{1} << 40}) {
        SCOPED_TRACE(offset);
        bytes changed = content;
        put_int32_at(changed, 0, static_cast<int32_t>(offset & 0xFFFFFFFF));
        put_int32_at(changed, 4, static_cast<int32_t>(offset >> 32));
        const char* where = offset < 8 ? " lies before the frames" : " lies at or past the end of the file";
        expect_open_failure<tidewire_cannot_open_exception>(
            changed, 512, open_failure_text("Damaged linkage file: header offset " + std::to_string(offset) + where));
    }
}

TEST_F(DatasetOpen, ShorterThanTheHeaderOffset)
{
    expect_open_failure<tidewire_cannot_open_exception>(
        bytes(5, 0), 512, open_failure_text("Not a linkage file: shorter than its 8-byte header offset"));
}

TEST_F(DatasetOpen, HeaderBlockThatEndsEarly)
{
    const std::string item_cut_short =
        failure_text(unit::value_io, 24, "read_value", "read_value : File ends before the 4-byte item");
    // Each cut fails in the reader of the item it falls in, wrapped by the open.
    const struct {
        std::size_t cut;
        std::string inner_text;
    } cases[] = {{2, item_cut_short},
                 {10, failure_text(unit::genericio, 14, "input_string",
                                   "input_string : String length 18 exceeds the 12 bytes left in the file")},
                 {content.size() - header - 2, item_cut_short}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cut);
        const bytes changed(content.begin(), content.end() - static_cast<long>(c.cut));
        expect_open_failure<tidewire_cannot_open_exception>(changed, 512, open_failure_text(c.inner_text));
    }
}

TEST_F(DatasetOpen, StringLongerThanTheFile)
{
    bytes changed = content;
    put_int32_at(changed, header + first_segment_name_field, 100000);
    expect_open_failure<tidewire_cannot_open_exception>(
        changed, 512,
        open_failure_text(failure_text(unit::genericio, 14, "input_string",
                                       "input_string : String length 100000 exceeds the " +
                                           std::to_string(bytes_after(first_segment_name_field)) +
                                           " bytes left in the file")));
    put_int32_at(changed, header + first_segment_name_field, -1);
    expect_open_failure<tidewire_cannot_open_exception>(
        changed, 512,
        open_failure_text(
            failure_text(unit::genericio, 12, "input_string", "input_string : Invalid string length -1")));
}

TEST_F(DatasetOpen, TableCountTheFileCannotHoldIsDamage)
{
    // Whatever the build could allocate: a count the file cannot hold is damage.
    for (int32_t count : {100, 1000, 0x01000000, 60000000, 0x7FFFFFFF}) {
        SCOPED_TRACE(count);
        bytes changed = content;
        put_int32_at(changed, header + flow_path_count_field, count);
        expect_open_failure<tidewire_cannot_open_exception>(
            changed, 512,
            open_failure_text("Damaged linkage file: a table count of " + std::to_string(count) + " exceeds what the " +
                              std::to_string(bytes_after(flow_path_count_field)) + " bytes left in the file can hold"));
    }
}

TEST_F(DatasetOpen, TableCountThatCannotBeAllocated)
{
    for (int32_t count : {-1, INT32_MIN}) {
        SCOPED_TRACE(count);
        bytes changed = content;
        put_int32_at(changed, header + flow_path_count_field, count);
        expect_open_failure<tidewire_memory_exhausted_exception>(
            changed, 1025,
            dataset_failure_text(dataset_line::header_tables, "tidewire_data::tidewire_data",
                                 "Insufficient memory to read the header tables: read_table : A table of " +
                                     std::to_string(static_cast<uint32_t>(count)) + " records cannot be allocated"));
    }
}

TEST_F(DatasetOpen, MoreMomentsThanFramesCanFit)
{
    bytes changed = content;
    for (int32_t moments : {1000, -1}) {
        put_int32_at(changed, header + moments_field, moments);
        expect_open_failure<tidewire_cannot_open_exception>(
            changed, 512,
            open_failure_text("Damaged linkage file: " + std::to_string(static_cast<uint32_t>(moments)) +
                              " moments cannot fit before the header block"));
    }
}

TEST_F(DatasetOpen, DamagedFirstFrameFailsTheOpen)
{
    const int32_t n1 = int32_at(content, 12);
    struct {
        std::size_t offset;
        int32_t value;
        const char* problem;
    } cases[] = {
        {12, -1, "segment stream length -1 is out of range"},
        {12, 100000, "segment stream length 100000 is out of range"},
        {16 + static_cast<std::size_t>(n1), -5, "flow stream length -5 is out of range"},
        {16, 0x12345678, "the segment stream does not inflate to the segment frame size"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        bytes changed = content;
        put_int32_at(changed, c.offset, c.value);
        expect_open_failure<tidewire_cannot_open_exception>(
            changed, 512,
            open_failure_text(dataset_failure_text(dataset_line::frame_load, "tidewire_data::momentcomplete",
                                                   std::string("Damaged frame 1 in the linkage file: ") + c.problem)));
    }
}

TEST_F(DatasetOpen, FrameThatRunsIntoTheHeaderBlock)
{
    // Two moments fit, but the header offset now cuts the second frame.
    bytes changed = content;
    const std::size_t cut = second_frame() + 10;
    put_int32_at(changed, 0, static_cast<int32_t>(cut));
    changed.erase(changed.begin() + static_cast<long>(cut), changed.begin() + static_cast<long>(header));
    write_file_bytes(path, changed);
    tidewire_data reader(path, 0);
    expect_dataset_failure<tidewire_compression_exception>(
        [&] { reader.momentcomplete(); }, 1026, dataset_line::frame_load, "tidewire_data::momentcomplete",
        "Damaged frame 2 in the linkage file: it runs past the header block");
}

TEST_F(DatasetOpen, DamagedLaterFrameLeavesTheDatasetUsable)
{
    bytes changed = content;
    const std::size_t frame = second_frame();
    changed[frame + 8 + 2] ^= 0xFF;  // inside the segment stream
    write_file_bytes(path, changed);
    tidewire_data reader(path, 0);
    reader.setlanguage(1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        try {
            reader.momentcomplete();
            FAIL() << "a damaged frame loaded";
        } catch (const tidewire_compression_exception& caught) {
            EXPECT_EQ(caught.code(), 1026);
            EXPECT_EQ(
                caught.what(),
                dataset_failure_text(dataset_line::frame_load, "tidewire_data::momentcomplete",
                                     "Damaged frame 2 in the linkage file: the segment stream does not inflate to the "
                                     "segment frame size"));
        }
        float step = 0.0f;
        reader.gettimestep(step);
        EXPECT_EQ(step, 0.5f);
        int32_t month, day, year, hour, minute, second;
        float elapsed = -1.0f;
        char text[32];
        reader.getcurrentmoment(month, day, year, hour, minute, second, elapsed, text);
        EXPECT_EQ(elapsed, 0.0f);
        EXPECT_EQ(flow_values_of(reader, 1, 2), (std::vector<float>{-1000.0f, -1001.0f}));
    }
    reader.write_header();
}

}  // namespace
