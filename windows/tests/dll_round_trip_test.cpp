// A linkage file written and read back through the DLL.
#include "dll_test_support.h"

#include "sample_linkage.h"

using dll_round_trip = dll_test;

TEST_F(dll_round_trip, sample_file_reads_back_whole)
{
    ASSERT_EQ(write_sample_linkage("sample.lnk"), 0) << last_error_text();
    EXPECT_EQ(check_sample_linkage("sample.lnk", stderr), 0);
}

TEST_F(dll_round_trip, rewriting_replaces_the_file_and_reading_leaves_it_unchanged)
{
    ASSERT_EQ(write_sample_linkage("sample.lnk"), 0);
    ASSERT_EQ(write_sample_linkage("sample.lnk"), 0);
    const std::string written = read_file_bytes("sample.lnk");
    EXPECT_EQ(check_sample_linkage("sample.lnk", stderr), 0);
    EXPECT_EQ(read_file_bytes("sample.lnk"), written);
}

TEST_F(dll_round_trip, variable_step_end_moment_lies_after_the_last_frame)
{
    std::int32_t error = -1;
    std::int32_t handle = open_linkage("variable.lnk", 1, &error);
    const std::int32_t one = 1, variable = 1, zero = 0;
    const std::int32_t month = 1, day = 1, year = 2000, hour = 0, minute = 0, second = 0;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    _twsetvartimestep(&handle, &variable, &error);
    _twsetnumsegments(&handle, &one, &error);
    _twsetnumsegconsts(&handle, &one, &error);
    _twsetnumflowpaths(&handle, &one, &error);
    _twsetnumfpconsts(&handle, &one, &error);
    const float value = 1.0f, half = 0.5f, quarter = 0.25f;
    _twsetseginfo(&handle, &zero, &value, &error);
    _twsetflowinfo(&handle, &zero, &value, &error);
    _twsettimestep(&handle, &half, &error);
    _twmomentcomplete(&handle, &error);
    _twsettimestep(&handle, &quarter, &error);
    _twmomentcomplete(&handle, &error);
    ASSERT_EQ(error, 0);
    ASSERT_EQ(close_linkage(handle), 0);

    handle = open_linkage("variable.lnk", 0, &error);
    ASSERT_EQ(error, 0);
    std::int32_t m, d, y, h, mi, s, moments = 0;
    float elapsed = -1.0f;
    char text[32];
    _twgetnummoments(&handle, &moments, &error);
    EXPECT_EQ(moments, 2);
    _twmomentcomplete(&handle, &error);
    _twgetcurrentmoment(&handle, &m, &d, &y, &h, &mi, &s, &elapsed, text, &error);
    EXPECT_STREQ(text, "1/1/2000 12:00:00");
    _twgetendmoment(&handle, &m, &d, &y, &h, &mi, &s, &elapsed, text, &error);
    EXPECT_STREQ(text, "1/1/2000 18:00:00");
    EXPECT_FLOAT_EQ(elapsed, 0.75f);
    EXPECT_EQ(close_linkage(handle), 0);
}
