// Error codes and last-error texts as a caller sees them: every failure comes
// back as a code and a text, the caller's outputs stay as they were, and the
// next call goes on.
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "api_test_support.h"
#include "failure_text.h"

namespace {

class api_errors : public api_test {
protected:
    // A write-mode dataset under language 1 with 2 segments and 1 segment
    // constituent (no flow side).
    int32_t open_writer()
    {
        const int32_t handle = open_ok("out.lnk", 1);
        const int32_t language = 1, segments = 2, constituents = 1;
        _twsetlanguage(&handle, &language, &error);
        _twsetnumsegments(&handle, &segments, &error);
        _twsetnumsegconsts(&handle, &constituents, &error);
        EXPECT_EQ(error, 0);
        return handle;
    }

    int32_t error = -1;
};

TEST_F(api_errors, last_error_is_empty_after_load_and_kept_by_the_diagnostics)
{
    char text[8] = "garbage";
    _twgetlasterror(text);
    EXPECT_STREQ(text, "");

    _twsetlasterror("abc");
    int32_t flag = 5;
    _twsetdebug(&flag);
    _twgetdebug(&flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(last_error(), "abc");

    // A successful per-dataset call replaces it.
    const int32_t handle = open_ok("a.lnk", 1);
    int32_t count = -1;
    _twgetnumsegments(&handle, &count, &error);
    EXPECT_EQ(last_error(), "No error");

    // And again after a text set between two successful calls, short or long.
    for (const std::string& text : {std::string("def"), std::string(300, 'q')}) {
        _twsetlasterror(text.c_str());
        _twgetnumsegments(&handle, &count, &error);
        EXPECT_EQ(last_error(), "No error") << text.size();
    }
}

TEST_F(api_errors, set_last_error_keeps_a_text_of_any_length)
{
    const std::string long_text(5000, 'q');
    _twsetlasterror(long_text.c_str());
    EXPECT_EQ(last_error(), long_text);
    _twsetlasterror("short again");
    EXPECT_EQ(last_error(), "short again");
}

TEST_F(api_errors, open_of_a_missing_file_fails_with_512_and_keeps_the_handle)
{
    int32_t mode = 0, handle = 42;
    _twopen("missing.lnk", &mode, &handle, &error);
    EXPECT_EQ(error, 512);
    EXPECT_EQ(handle, 42);
    EXPECT_EQ(last_error(), cannot_open_text());
}

TEST_F(api_errors, open_for_reading_takes_regular_files_only)
{
    ASSERT_EQ(mkfifo("fifo.lnk", 0600), 0);
    ASSERT_EQ(mkdir("folder.lnk", 0700), 0);
    alarm(10);  // waiting for a writer fails the test instead of hanging it
    for (const char* name : {"fifo.lnk", "/dev/null", "folder.lnk"}) {
        int32_t mode = 0, handle = 42;
        _twopen(name, &mode, &handle, &error);
        EXPECT_EQ(error, 512) << name;
        EXPECT_EQ(handle, 42);
        EXPECT_EQ(last_error(), cannot_open_text());
    }
    alarm(0);
}

TEST_F(api_errors, open_with_an_invalid_mode_fails_with_512_and_creates_nothing)
{
    for (int32_t mode : {2, -1}) {
        int32_t handle = 42;
        _twopen("never.lnk", &mode, &handle, &error);
        EXPECT_EQ(error, 512);
        EXPECT_EQ(handle, 42);
        EXPECT_EQ(last_error(),
                  failure_text(unit::dataset, 52, "tidewire_data::tidewire_data", "Invalid access mode specified"));
        EXPECT_FALSE(file_exists("never.lnk"));
    }
}

TEST_F(api_errors, a_handle_that_is_not_open_fails_with_513_and_names_itself)
{
    const int32_t handle = open_ok("a.lnk", 1);
    for (int32_t unknown : {0, -1, handle + 1}) {
        int32_t count = 1234;
        _twgetnumsegments(&unknown, &count, &error);
        EXPECT_EQ(error, 513);
        EXPECT_EQ(count, 1234) << "a failed call writes no output";
        EXPECT_EQ(last_error(), failure_text(unit::session, 50, "tidewire_session::writer", std::to_string(unknown)));
    }
}

TEST_F(api_errors, every_per_dataset_export_fails_with_513_before_any_open)
{
    const int32_t handle = 1;
    int32_t count = 77;
    _twgetnumsegments(&handle, &count, &error);
    EXPECT_EQ(error, 513);
    EXPECT_EQ(count, 77);
    EXPECT_EQ(last_error(), failure_text(unit::session, 50, "tidewire_session::writer", "1"));

    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 513);
}

TEST_F(api_errors, invalid_language_and_creator)
{
    const int32_t handle = open_writer();
    const int32_t language = -1;
    _twsetlanguage(&handle, &language, &error);
    EXPECT_EQ(error, 515);
    EXPECT_EQ(last_error(),
              failure_text(unit::dataset, 154, "tidewire_data::setlanguage", "Invalid language specified"));

    for (int32_t creator : {8, 22, -1}) {
        _twsetcreator(&handle, &creator, &error);
        EXPECT_EQ(error, 516) << creator;
        EXPECT_EQ(last_error(),
                  failure_text(unit::dataset, 180, "tidewire_data::setcreator", "Invalid creator specified"));
    }
    const int32_t accepted = 21;
    _twsetcreator(&handle, &accepted, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(last_error(), "No error");
}

TEST_F(api_errors, index_out_of_range_is_517_and_leaves_outputs_alone)
{
    const int32_t handle = open_writer();
    float values[2] = {7.0f, 8.0f};
    for (int32_t index : {0, 2}) {
        _twgetseginfo(&handle, &index, values, &error);
        EXPECT_EQ(error, 517);
        EXPECT_EQ(last_error(), failure_text(unit::dataset, 511, "tidewire_data::getseginfo", "Index out of range"));
        EXPECT_EQ(values[0], 7.0f);
        EXPECT_EQ(values[1], 8.0f);
    }

    char name[16] = "kept";
    const int32_t segment = 3;
    _twgetsegname(&handle, &segment, name, &error);
    EXPECT_EQ(error, 517);
    EXPECT_STREQ(name, "kept");

    // The dataset stays open and usable after a failure.
    const int32_t first = 1;
    _twgetsegname(&handle, &first, name, &error);
    EXPECT_EQ(error, 0);
    EXPECT_STREQ(name, "");
}

TEST_F(api_errors, nth_moment_with_a_variable_step_is_517_and_writes_nothing)
{
    const int32_t handle = open_writer();
    const int32_t variable = 1, n = 1;
    _twsetvartimestep(&handle, &variable, &error);
    int32_t month = -5, day = -5, year = -5, hour = -5, minute = -5, second = -5;
    float days = -5.0f;
    char text[32] = "before";
    _twgetnthmoment(&handle, &n, &month, &day, &year, &hour, &minute, &second, &days, text, &error);
    EXPECT_EQ(error, 517);
    EXPECT_EQ(last_error(),
              failure_text(unit::dataset, 278, "tidewire_data::getnthmoment",
                           "getnthmoment does not work with a variable timestep - use getcurrentmoment instead"));
    EXPECT_EQ(month + day + year + hour + minute + second, -30);
    EXPECT_EQ(days, -5.0f);
    EXPECT_STREQ(text, "before");
}

TEST_F(api_errors, completing_a_moment_without_flow_paths_is_1026)
{
    const int32_t handle = open_writer();
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 1026);
    EXPECT_EQ(last_error(), failure_text(unit::dataset, 607, "tidewire_data::momentcomplete",
                                         "Compression error compressing flow data"));
}

TEST_F(api_errors, an_invalid_compression_level_shows_at_the_next_completion)
{
    const int32_t handle = open_writer();
    const int32_t paths = 1, level = 10;
    _twsetnumflowpaths(&handle, &paths, &error);
    _twsetnumfpconsts(&handle, &paths, &error);
    _twsetcompressionlevel(&handle, &level, &error);
    EXPECT_EQ(error, 0);
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 1026);
    EXPECT_EQ(last_error(), failure_text(unit::dataset, 594, "tidewire_data::momentcomplete",
                                         "Compression error compressing segment data"));
}

TEST_F(api_errors, failure_texts_start_with_the_full_path_of_the_throwing_unit)
{
    const int32_t handle = 9;
    int32_t count = 0;
    _twgetnumsegments(&handle, &count, &error);
    EXPECT_PRED2(starts_with, last_error(), "/");
    EXPECT_EQ(last_error(), failure_text(unit::session, 50, "tidewire_session::writer", "9"));
}

}  // namespace
