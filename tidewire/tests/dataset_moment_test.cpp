// The moment getters: seed, current, end and n-th moments with their texts.
#include "dataset_test_support.h"

#include <cmath>

namespace {

struct moment_out {
    int32_t month = -1, day = -1, year = -1, hour = -1, minute = -1, second = -1;
    float days = -1.0f;
    char text[80] = "untouched";
};

moment_out seed_of(const tidewire_data& dataset)
{
    moment_out m;
    dataset.getseedmoment(m.month, m.day, m.year, m.hour, m.minute, m.second, m.days, m.text);
    return m;
}

moment_out current_of(const tidewire_data& dataset)
{
    moment_out m;
    dataset.getcurrentmoment(m.month, m.day, m.year, m.hour, m.minute, m.second, m.days, m.text);
    return m;
}

moment_out end_of(const tidewire_data& dataset)
{
    moment_out m;
    dataset.getendmoment(m.month, m.day, m.year, m.hour, m.minute, m.second, m.days, m.text);
    return m;
}

moment_out nth_of(const tidewire_data& dataset, int32_t n)
{
    moment_out m;
    dataset.getnthmoment(n, m.month, m.day, m.year, m.hour, m.minute, m.second, m.days, m.text);
    return m;
}

class DatasetMoment : public ::testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("moments.lnk");

    // A writer with one value on each side, so that moments can be completed.
    void give_minimal_counts(tidewire_data& dataset)
    {
        dataset.setnumsegments(1);
        dataset.setnumsegconsts(1);
        dataset.setnumflowpaths(1);
        dataset.setnumfpconsts(1);
    }
};

TEST_F(DatasetMoment, NewDatasetHasTheZeroSeed)
{
    tidewire_data dataset(path, 1);
    const moment_out seed = seed_of(dataset);
    EXPECT_STREQ(seed.text, "0/0/0 0:00:00");
    EXPECT_EQ(seed.month, 0);
    EXPECT_EQ(seed.year, 0);
    EXPECT_EQ(seed.days, 0.0f);
}

TEST_F(DatasetMoment, SeedComesBackFieldByField)
{
    tidewire_data dataset(path, 1);
    dataset.setseedmoment(3, 5, 2019, 6, 4, 9);
    const moment_out seed = seed_of(dataset);
    EXPECT_EQ(seed.month, 3);
    EXPECT_EQ(seed.day, 5);
    EXPECT_EQ(seed.year, 2019);
    EXPECT_EQ(seed.hour, 6);
    EXPECT_EQ(seed.minute, 4);
    EXPECT_EQ(seed.second, 9);
    EXPECT_STREQ(seed.text, "3/5/2019 6:04:09");
}

TEST_F(DatasetMoment, NthMomentCountsFixedStepsFromTheSeed)
{
    tidewire_data dataset(path, 1);
    dataset.setlanguage(1);
    dataset.setseedmoment(1, 1, 2000, 0, 0, 0);
    dataset.sethydtimestep(30.0f);
    dataset.sethydtokelvaratio(120);
    const moment_out third = nth_of(dataset, 3);
    EXPECT_STREQ(third.text, "1/1/2000 2:00:00");
    EXPECT_EQ(third.hour, 2);
    EXPECT_EQ(third.days, 0.083333336f);
    const moment_out first = nth_of(dataset, 1);
    EXPECT_STREQ(first.text, "1/1/2000 0:00:00");
    EXPECT_EQ(first.days, 0.0f);
    // Not bounded by the number of stored moments.
    EXPECT_STREQ(nth_of(dataset, 25).text, "1/2/2000 0:00:00");
}

TEST_F(DatasetMoment, NthMomentRefusesAVariableStep)
{
    tidewire_data dataset(path, 1);
    dataset.setvartimestep(1);
    moment_out m;
    expect_dataset_failure<tidewire_invalid_index_exception>(
        [&] { m = nth_of(dataset, 0); }, 517, dataset_line::getnthmoment, "tidewire_data::getnthmoment",
        "getnthmoment does not work with a variable timestep - use getcurrentmoment instead");
    EXPECT_STREQ(m.text, "untouched");
    EXPECT_STREQ(current_of(dataset).text, "0/0/0 0:00:00");
    EXPECT_STREQ(end_of(dataset).text, "0/0/0 0:00:00");
}

TEST_F(DatasetMoment, VariableStepEndLiesOneStepAfterTheLastFrame)
{
    write_sample_file(path);  // variable step, steps 0.5 and 0.25 days
    tidewire_data reader(path, 0);
    reader.momentcomplete();
    const moment_out current = current_of(reader);
    EXPECT_STREQ(current.text, "3/5/2019 18:04:09");
    EXPECT_EQ(current.days, 0.5f);
    const moment_out end = end_of(reader);
    EXPECT_STREQ(end.text, "3/6/2019 0:04:09");
    EXPECT_EQ(end.days, 0.75f);
}

TEST_F(DatasetMoment, FixedStepEndIsTheLastStoredMoment)
{
    {
        tidewire_data writer(path, 1);
        give_minimal_counts(writer);
        writer.setseedmoment(1, 1, 2000, 0, 0, 0);
        writer.sethydtimestep(30.0f);
        writer.sethydtokelvaratio(120);
        for (int i = 0; i < 3; ++i) writer.momentcomplete();
        writer.write_header();
    }
    tidewire_data reader(path, 0);
    const moment_out end = end_of(reader);
    EXPECT_STREQ(end.text, "1/1/2000 2:00:00");
    EXPECT_EQ(end.days, 0.083333336f);
}

TEST_F(DatasetMoment, FixedStepEndBeforeAnyMomentIsOneStepBeforeTheSeed)
{
    tidewire_data writer(path, 1);
    writer.setseedmoment(1, 1, 2000, 0, 0, 0);
    writer.sethydtimestep(30.0f);
    writer.sethydtokelvaratio(120);
    const moment_out end = end_of(writer);
    EXPECT_STREQ(end.text, "12/31/1999 23:00:00");
    EXPECT_EQ(end.days, -3600.0f / 86400.0f);
}

TEST_F(DatasetMoment, CurrentMomentTruncatesTheElapsedSeconds)
{
    const struct {
        float step;
        const char* text;
    } cases[] = {
        {0.5f, "1/1/2000 12:00:00"},
        {1.0f / 24, "1/1/2000 1:00:00"},  // slightly above 1/24
        {std::nextafter(1.0f / 24, 0.0f), "1/1/2000 0:59:59"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        tidewire_data writer(path, 1);
        give_minimal_counts(writer);
        writer.setseedmoment(1, 1, 2000, 0, 0, 0);
        EXPECT_STREQ(current_of(writer).text, "1/1/2000 0:00:00");
        writer.settimestep(c.step);
        writer.momentcomplete();
        const moment_out current = current_of(writer);
        EXPECT_STREQ(current.text, c.text);
        EXPECT_EQ(current.days, c.step);
    }
}

TEST_F(DatasetMoment, MomentsFarFromTheSeedStayDefined)
{
    tidewire_data dataset(path, 1);
    dataset.setseedmoment(1, 1, 2000, 0, 0, 0);
    dataset.sethydtimestep(3.0e38f);
    dataset.sethydtokelvaratio(-7);
    const moment_out far = nth_of(dataset, 1000000);
    EXPECT_LT(far.year, 2000);
    dataset.sethydtimestep(std::nanf(""));
    EXPECT_STREQ(nth_of(dataset, 5).text, "1/1/2000 0:00:00");
}

}  // namespace
