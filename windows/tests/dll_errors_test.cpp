// Error codes and last-error texts as a Windows caller of the DLL sees them.
#include "dll_test_support.h"

#include <vector>

#include "failure_text.h"
#include "sample_linkage.h"

using dll_errors = dll_test;

TEST_F(dll_errors, last_error_is_empty_after_load)
{
    EXPECT_EQ(last_error_text(), "");
}

TEST_F(dll_errors, open_of_a_missing_file_reports_cannot_open_and_keeps_the_handle)
{
    std::int32_t mode = 0, handle = 77, error = -1;
    _twopen("no-such-file.lnk", &mode, &handle, &error);
    EXPECT_EQ(error, 512);
    EXPECT_EQ(handle, 77);
    EXPECT_EQ(last_error_text(), cannot_open_text());
}

TEST_F(dll_errors, open_with_mode_2_is_refused_and_creates_nothing)
{
    std::int32_t error = -1;
    open_linkage("mode2.lnk", 2, &error);
    EXPECT_EQ(error, 512);
    EXPECT_EQ(last_error_text(),
              failure_text(unit::dataset, 52, "tidewire_data::tidewire_data", "Invalid access mode specified"));
    EXPECT_FALSE(file_exists("mode2.lnk"));
}

TEST_F(dll_errors, unknown_handle_reports_513_and_leaves_outputs)
{
    const std::int32_t handle = 7;
    std::int32_t segments = 1234, error = -1;
    _twgetnumsegments(&handle, &segments, &error);
    EXPECT_EQ(error, 513);
    EXPECT_EQ(segments, 1234);
    EXPECT_EQ(last_error_text(), failure_text(unit::session, 50, "tidewire_session::writer", "7"));

    const std::int32_t negative = -1;
    _twgetnumsegments(&negative, &segments, &error);
    EXPECT_EQ(last_error_text(), failure_text(unit::session, 50, "tidewire_session::writer", "-1"));
}

TEST_F(dll_errors, dataset_failures_carry_their_codes_and_texts)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("codes.lnk", 1, &error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(last_error_text(), "No error");

    const std::int32_t bad_language = -1;
    _twsetlanguage(&handle, &bad_language, &error);
    EXPECT_EQ(error, 515);
    EXPECT_EQ(last_error_text(),
              failure_text(unit::dataset, 154, "tidewire_data::setlanguage", "Invalid language specified"));

    const std::int32_t bad_creator = 8;
    _twsetcreator(&handle, &bad_creator, &error);
    EXPECT_EQ(error, 516);
    EXPECT_EQ(last_error_text(),
              failure_text(unit::dataset, 180, "tidewire_data::setcreator", "Invalid creator specified"));

    const std::int32_t segments = 2, past_the_end = 2;
    _twsetnumsegments(&handle, &segments, &error);
    ASSERT_EQ(error, 0);
    char name[32] = "unchanged";
    _twgetsegname(&handle, &past_the_end, name, &error);
    EXPECT_EQ(error, 517);
    EXPECT_STREQ(name, "unchanged");
    EXPECT_EQ(last_error_text(), failure_text(unit::dataset, 324, "tidewire_data::getsegname", "Index out of range"));

    const std::int32_t variable = 1, first = 0;
    _twsetvartimestep(&handle, &variable, &error);
    std::int32_t month = -5, day, year, hour, minute, second;
    float elapsed;
    char date[32];
    _twgetnthmoment(&handle, &first, &month, &day, &year, &hour, &minute, &second, &elapsed, date, &error);
    EXPECT_EQ(error, 517);
    EXPECT_EQ(month, -5);
    EXPECT_EQ(last_error_text(),
              failure_text(unit::dataset, 278, "tidewire_data::getnthmoment",
                           "getnthmoment does not work with a variable timestep - use getcurrentmoment instead"));

    EXPECT_EQ(close_linkage(handle), 0);
}

TEST_F(dll_errors, completing_a_moment_without_counts_is_a_compression_failure)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("empty.lnk", 1, &error);
    ASSERT_EQ(error, 0);
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 1026);
    EXPECT_EQ(close_linkage(handle), 0);
}

TEST_F(dll_errors, set_last_error_is_kept_until_the_next_call_with_an_error_code)
{
    _twsetlasterror("abc");
    EXPECT_EQ(last_error_text(), "abc");
    const std::int32_t on = 5;
    std::int32_t flag = 0;
    _twsetdebug(&on);
    _twgetdebug(&flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(last_error_text(), "abc");

    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("kept.lnk", 1, &error);
    EXPECT_EQ(last_error_text(), "No error");
    close_linkage(handle);
}

// The codes that a file and a writer get do not depend on the build: a short
// file with a huge table count is damaged, a negative count is memory that no
// build has, and a count changed after moments were written is refused while
// the file keeps its moments.
TEST_F(dll_errors, files_and_counts_give_the_codes_of_every_build)
{
    ASSERT_EQ(write_sample_linkage("sample.lnk"), 0);
    const std::string content = read_file_bytes("sample.lnk");
    const auto int32_at = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (int byte = 3; byte >= 0; --byte) value = value << 8 | static_cast<unsigned char>(content[at + byte]);
        return static_cast<std::int32_t>(value);
    };
    const std::size_t flow_count = static_cast<std::size_t>(int32_at(0)) + 72;
    const std::size_t segment_count = flow_count + 4 + 12 * static_cast<std::size_t>(int32_at(flow_count));
    const struct {
        std::int32_t count;
        std::int32_t error;
    } counts[] = {{60000000, 512}, {-1, 1025}};
    for (const auto& c : counts) {
        std::string changed = content;
        for (int byte = 0; byte < 4; ++byte)
            changed[segment_count + byte] = static_cast<char>(static_cast<std::uint32_t>(c.count) >> (8 * byte));
        write_file_bytes("damaged.lnk", changed);
        std::int32_t error = -1;
        open_linkage("damaged.lnk", 0, &error);
        EXPECT_EQ(error, c.error) << c.count << ": " << last_error_text();
    }

    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("counts.lnk", 1, &error);
    const std::int32_t two = 2, three = 3, first = 0;
    for (auto set_count : {_twsetnumsegments, _twsetnumsegconsts, _twsetnumflowpaths, _twsetnumfpconsts})
        set_count(&handle, &two, &error);
    const std::vector<float> values(2, 1.5f);
    _twsetseginfo(&handle, &first, values.data(), &error);
    _twsetflowinfo(&handle, &first, values.data(), &error);
    _twmomentcomplete(&handle, &error);
    _twmomentcomplete(&handle, &error);
    ASSERT_EQ(error, 0) << last_error_text();
    _twsetnumsegments(&handle, &three, &error);
    EXPECT_EQ(error, 517);
    EXPECT_EQ(last_error_text(),
              failure_text(unit::dataset, 303, "tidewire_data::setnumsegments",
                           "The moments already written have 2 segments and 2 segment constituents: a count can "
                           "only be set to its value there or to 0"));
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(close_linkage(handle), 0);
    const std::int32_t reader = open_linkage("counts.lnk", 0, &error);
    ASSERT_EQ(error, 0) << last_error_text();
    std::int32_t moments = 0;
    _twgetnummoments(&reader, &moments, &error);
    EXPECT_EQ(moments, 3);
    EXPECT_EQ(close_linkage(reader), 0);
}
