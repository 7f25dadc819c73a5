// A linkage file written through the exports and read back through them, as
// a model and a reader see it.
#include <cstring>

#include "api_test_support.h"

namespace {

class api_roundtrip : public api_test {
protected:
    void SetUp() override
    {
        api_test::SetUp();
        sample_run::write("run.lnk");
        handle = open_ok("run.lnk", 0);
        _twsetlanguage(&handle, &one, &error);
        ASSERT_EQ(error, 0);
    }

    int32_t handle = 0;
    int32_t error = -1;
    const int32_t one = 1;
};

struct moment_out {
    int32_t month = -1, day = -1, year = -1, hour = -1, minute = -1, second = -1;
    float elapsed_days = -1.0f;
    char text[32] = "unset";
};

TEST_F(api_roundtrip, header_fields_come_back_as_written)
{
    int32_t value = -1;
    _twgetcreator(&handle, &value, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(value, 1);
    _twgetlanguage(&handle, &value, &error);
    EXPECT_EQ(value, 1);
    _twgetnumsegments(&handle, &value, &error);
    EXPECT_EQ(value, sample_run::segments);
    _twgetnumsegconsts(&handle, &value, &error);
    EXPECT_EQ(value, sample_run::segment_constituents);
    _twgetnumflowpaths(&handle, &value, &error);
    EXPECT_EQ(value, sample_run::flow_paths);
    _twgetnumfpconsts(&handle, &value, &error);
    EXPECT_EQ(value, sample_run::flow_constituents);
    _twgetnummoments(&handle, &value, &error);
    EXPECT_EQ(value, sample_run::moments);
    _twgetvartimestep(&handle, &value, &error);
    EXPECT_EQ(value, 0);
    _twgethydtokelvaratio(&handle, &value, &error);
    EXPECT_EQ(value, 120);
    _twgetnumlayers(&handle, &value, &error);
    EXPECT_EQ(value, 1);

    float real = -1.0f;
    _twgethydtimestep(&handle, &real, &error);
    EXPECT_EQ(real, 30.0f);
    _twgetupdateint(&handle, &real, &error);
    EXPECT_EQ(real, 3600.0f);
    _twgetcompfact(&handle, &real, &error);
    EXPECT_EQ(real, 0.0f) << "a reader reports no compression factor";
    EXPECT_EQ(error, 0);
}

TEST_F(api_roundtrip, tables_and_descriptions_come_back_as_written)
{
    char name[64];
    const char* expected_names[] = {"I=1 J=1 K=1", "I=2 J=1 K=1", "I=1 J=2 K=1"};
    for (int32_t segment = 1; segment <= sample_run::segments; ++segment) {
        _twgetsegname(&handle, &segment, name, &error);
        EXPECT_EQ(error, 0);
        EXPECT_STREQ(name, expected_names[segment - 1]);
    }

    int32_t type = -1;
    int32_t index = 2;
    _twgetsegconsttype(&handle, &index, &type, &error);
    EXPECT_EQ(type, 4);
    index = 1;
    _twgetfpconsttype(&handle, &index, &type, &error);
    EXPECT_EQ(type, 7);

    int32_t from = -1, to = -1, direction = -1;
    index = 2;
    _twgetflowpath(&handle, &index, &from, &to, &direction, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 3);
    EXPECT_EQ(direction, 2) << "the untraced direction is still stored";

    int32_t count = -1;
    _twgetnumdescriptions(&handle, &count, &error);
    EXPECT_EQ(count, 1);
    char text[80];
    _twgetdescription(&handle, &one, &type, text, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(type, 2);
    EXPECT_STREQ(text, "sample run");
}

TEST_F(api_roundtrip, every_moment_comes_back_with_its_values_and_date)
{
    for (int32_t moment = 0; moment < sample_run::moments; ++moment) {
        for (int32_t constituent = 1; constituent <= sample_run::segment_constituents; ++constituent) {
            float values[sample_run::segments] = {};
            _twgetseginfo(&handle, &constituent, values, &error);
            ASSERT_EQ(error, 0);
            for (int32_t segment = 0; segment < sample_run::segments; ++segment)
                EXPECT_EQ(values[segment], sample_run::segment_value(moment, constituent, segment));
        }
        float flows[sample_run::flow_paths] = {};
        _twgetflowinfo(&handle, &one, flows, &error);
        ASSERT_EQ(error, 0);
        for (int32_t path = 0; path < sample_run::flow_paths; ++path)
            EXPECT_EQ(flows[path], sample_run::flow_value(moment, 1, path));
        float step = -1.0f;
        _twgettimestep(&handle, &step, &error);
        EXPECT_EQ(step, sample_run::time_step(moment));

        moment_out now;
        _twgetcurrentmoment(&handle, &now.month, &now.day, &now.year, &now.hour, &now.minute, &now.second,
                            &now.elapsed_days, now.text, &error);
        EXPECT_EQ(error, 0);
        EXPECT_STREQ(now.text, moment == 0 ? "7/4/2001 10:05:09" : "7/4/2001 22:05:09");

        _twmomentcomplete(&handle, &error);
        EXPECT_EQ(error, 0);
    }
    // Past the last moment a completion does nothing and succeeds.
    _twmomentcomplete(&handle, &error);
    EXPECT_EQ(error, 0);
}

TEST_F(api_roundtrip, seed_nth_and_end_moments)
{
    moment_out seed;
    _twgetseedmoment(&handle, &seed.month, &seed.day, &seed.year, &seed.hour, &seed.minute, &seed.second,
                     &seed.elapsed_days, seed.text, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(seed.month, 7);
    EXPECT_EQ(seed.day, 4);
    EXPECT_EQ(seed.year, 2001);
    EXPECT_EQ(seed.hour, 10);
    EXPECT_EQ(seed.minute, 5);
    EXPECT_EQ(seed.second, 9);
    EXPECT_EQ(seed.elapsed_days, 0.0f);
    EXPECT_STREQ(seed.text, "7/4/2001 10:05:09");

    // Fixed step: moment n lies (n - 1) x 30 s x 120 after the seed.
    moment_out nth;
    const int32_t third = 3;
    _twgetnthmoment(&handle, &third, &nth.month, &nth.day, &nth.year, &nth.hour, &nth.minute, &nth.second,
                    &nth.elapsed_days, nth.text, &error);
    EXPECT_EQ(error, 0);
    EXPECT_STREQ(nth.text, "7/4/2001 12:05:09");

    moment_out end;
    _twgetendmoment(&handle, &end.month, &end.day, &end.year, &end.hour, &end.minute, &end.second, &end.elapsed_days,
                    end.text, &error);
    EXPECT_EQ(error, 0);
    EXPECT_STREQ(end.text, "7/4/2001 11:05:09") << "the last of two stored moments";
}

TEST_F(api_roundtrip, closing_a_reader_leaves_the_file_unchanged)
{
    const std::string before = read_file("run.lnk");
    close_ok(handle);
    EXPECT_EQ(read_file("run.lnk"), before);
}

}  // namespace
