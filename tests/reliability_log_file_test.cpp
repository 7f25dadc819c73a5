// LOG.TXT that cannot be written: the trace and the timing summary are lost,
// but every export still works and reports as usual. Tests run as root, so
// a read-only directory would not stop the library; LOG.TXT is made a
// directory, a full device, or a link into a missing directory instead.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "failure_text.h"
#include "reliability_scratch.h"
#include "tidewire.h"

namespace {

std::string last_error()
{
    std::vector<char> text(1024, '\0');
    _twgetlasterror(text.data());
    return text.data();
}

// Writes a file through every set-side export, then reads it back through
// every get-side export; each call must succeed and return what was set.
void round_trip_through_every_export()
{
    int32_t flag = 1, got_flag = 0;
    _twsetdebug(&flag);
    _twgetdebug(&got_flag);
    EXPECT_EQ(got_flag, 1);
    _twsetlasterror("before");
    EXPECT_EQ(last_error(), "before");

    int32_t mode = 1, handle = 0, error = -1, one = 1, creator = 1;
    _twopen("every.lnk", &mode, &handle, &error);
    ASSERT_EQ(error, 0) << last_error();
    _twsetlanguage(&handle, &one, &error);
    EXPECT_EQ(error, 0);
    _twsetcreator(&handle, &creator, &error);
    EXPECT_EQ(error, 0);
    _twadddescription(&handle, &one, "run of the bay", &error);
    EXPECT_EQ(error, 0);
    int32_t month = 7, day = 4, year = 2001, hour = 10, minute = 5, second = 9;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    EXPECT_EQ(error, 0);
    int32_t two = 2, three = 3, zero = 0, level = 9, ratio = 12;
    float hyd_step = 3600.0f, update = 0.5f, step = 0.25f;
    _twsetnumsegments(&handle, &two, &error);
    _twsetsegname(&handle, &one, "I=1 J=1 K=1", &error);
    _twsetsegname(&handle, &two, "I=2 J=1 K=1", &error);
    _twsetnumsegconsts(&handle, &one, &error);
    _twsetsegconsttype(&handle, &one, &three, &error);
    _twsetnumflowpaths(&handle, &one, &error);
    _twsetflowpath(&handle, &one, &one, &two, &three, &error);
    _twsetnumfpconsts(&handle, &one, &error);
    _twsetfpconsttype(&handle, &one, &two, &error);
    _twsetvartimestep(&handle, &zero, &error);
    _twsethydtimestep(&handle, &hyd_step, &error);
    _twsetupdateint(&handle, &update, &error);
    _twsethydtokelvaratio(&handle, &ratio, &error);
    _twsetnumlayers(&handle, &one, &error);
    _twsetcompressionlevel(&handle, &level, &error);
    EXPECT_EQ(error, 0) << last_error();
    float segment_values[2] = {1.5f, 2.5f}, flow_values[1] = {-4.0f};
    _twsetseginfo(&handle, &one, segment_values, &error);
    _twsetflowinfo(&handle, &one, flow_values, &error);
    _twsettimestep(&handle, &step, &error);
    EXPECT_EQ(error, 0) << last_error();
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 0) << last_error();
    float compfact = 0;
    _twgetcompfact(&handle, &compfact, &error);
    EXPECT_EQ(error, 0);
    EXPECT_GT(compfact, 0.0f);
    _twclose(&handle, &error);
    ASSERT_EQ(error, 0) << last_error();

    mode = 0;
    _twopen("every.lnk", &mode, &handle, &error);
    ASSERT_EQ(error, 0) << last_error();
    int32_t value = -1;
    _twsetlanguage(&handle, &one, &error);
    _twgetlanguage(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    _twgetcreator(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    _twgetnumdescriptions(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    char text[256] = {0};
    int32_t id = 0;
    _twgetdescription(&handle, &one, &id, text, &error);
    EXPECT_EQ(std::string(text), "run of the bay");
    int32_t m = 0, d = 0, y = 0, h = 0, mi = 0, s = 0;
    float elapsed = -1;
    _twgetseedmoment(&handle, &m, &d, &y, &h, &mi, &s, &elapsed, text, &error);
    EXPECT_EQ(std::string(text), "7/4/2001 10:05:09");
    // With a fixed step the end moment is the last stored one: here the first.
    _twgetendmoment(&handle, &m, &d, &y, &h, &mi, &s, &elapsed, text, &error);
    EXPECT_EQ(std::string(text), "7/4/2001 10:05:09");
    _twgetnthmoment(&handle, &one, &m, &d, &y, &h, &mi, &s, &elapsed, text, &error);
    EXPECT_EQ(error, 0) << last_error();
    _twgetcurrentmoment(&handle, &m, &d, &y, &h, &mi, &s, &elapsed, text, &error);
    EXPECT_EQ(error, 0) << last_error();
    _twgetnumsegments(&handle, &value, &error);
    EXPECT_EQ(value, 2);
    _twgetsegname(&handle, &two, text, &error);
    EXPECT_EQ(std::string(text), "I=2 J=1 K=1");
    _twgetnumflowpaths(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    int32_t from_seg = 0, to_seg = 0, direction = 0;
    _twgetflowpath(&handle, &one, &from_seg, &to_seg, &direction, &error);
    EXPECT_EQ(to_seg, 2);
    EXPECT_EQ(direction, 3);
    _twgetnumsegconsts(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    _twgetsegconsttype(&handle, &one, &value, &error);
    EXPECT_EQ(value, 3);
    _twgetnumfpconsts(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    _twgetfpconsttype(&handle, &one, &value, &error);
    EXPECT_EQ(value, 2);
    _twgetvartimestep(&handle, &value, &error);
    EXPECT_EQ(value, 0);
    float real = 0;
    _twgethydtimestep(&handle, &real, &error);
    EXPECT_EQ(real, 3600.0f);
    _twgetupdateint(&handle, &real, &error);
    EXPECT_EQ(real, 0.5f);
    _twgethydtokelvaratio(&handle, &value, &error);
    EXPECT_EQ(value, 12);
    _twgetnumlayers(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    _twgetnummoments(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    float got_segments[2] = {0, 0}, got_flows[1] = {0};
    _twgetseginfo(&handle, &one, got_segments, &error);
    EXPECT_EQ(got_segments[1], 2.5f);
    _twgetflowinfo(&handle, &one, got_flows, &error);
    EXPECT_EQ(got_flows[0], -4.0f);
    _twgettimestep(&handle, &real, &error);
    EXPECT_EQ(real, 0.25f);
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 0) << last_error();
    _twclose(&handle, &error);
    EXPECT_EQ(error, 0) << last_error();
    EXPECT_EQ(last_error(), "No error");

    // Failures still report their code and text with the log gone.
    _twclose(&handle, &error);
    EXPECT_EQ(error, 513);
    EXPECT_EQ(last_error(), failure_text(unit::session, 62, "tidewire_session::close", std::to_string(handle)));
}

class unwritable_log_test : public ::testing::Test {
protected:
    reliability_scratch scratch_;
};

TEST_F(unwritable_log_test, log_that_is_a_directory)
{
    ASSERT_EQ(mkdir("LOG.TXT", 0755), 0);
    round_trip_through_every_export();
    struct stat info;
    ASSERT_EQ(stat("LOG.TXT", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode)) << "the library replaced the directory";
}

TEST_F(unwritable_log_test, log_in_a_missing_directory)
{
    ASSERT_EQ(symlink("missing/LOG.TXT", "LOG.TXT"), 0);
    round_trip_through_every_export();
}

TEST_F(unwritable_log_test, log_on_a_full_device)
{
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
    ASSERT_EQ(symlink("/dev/full", "LOG.TXT"), 0);
    round_trip_through_every_export();
}

}  // namespace
