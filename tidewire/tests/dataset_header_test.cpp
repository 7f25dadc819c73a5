// Header accessors: index rules, language and creator codes, count setters,
// and the round trip of every header field through a closed file.
#include "dataset_test_support.h"

#include <cstring>

namespace {

class DatasetHeader : public ::testing::Test {
protected:
    scratch_directory scratch;
    std::string path = scratch.path("header.lnk");
};

TEST_F(DatasetHeader, EveryFieldTableAndDescriptionReadsBackAsWritten)
{
    write_sample_file(path);
    tidewire_data reader(path, 0);
    reader.setlanguage(1);

    int32_t value = 0;
    float real = 0.0f;
    reader.getcreator(value);
    EXPECT_EQ(value, 1);
    reader.getvartimestep(value);
    EXPECT_EQ(value, 1);
    reader.gethydtimestep(real);
    EXPECT_EQ(real, 30.0f);
    reader.getupdateint(real);
    EXPECT_EQ(real, 2.5f);
    reader.gethydtokelvaratio(value);
    EXPECT_EQ(value, 120);
    reader.getnumlayers(value);
    EXPECT_EQ(value, 4);
    reader.getnummoments(value);
    EXPECT_EQ(value, sample_shape::moments);

    int32_t month, day, year, hour, minute, second;
    char text[80];
    reader.getseedmoment(month, day, year, hour, minute, second, real, text);
    EXPECT_STREQ(text, "3/5/2019 6:04:09");

    reader.getnumsegments(value);
    EXPECT_EQ(value, 3);
    char name[80];
    reader.getsegname(1, name);
    EXPECT_STREQ(name, "I=1 J=1 K=1");
    reader.getsegname(2, name);
    EXPECT_STREQ(name, "I=2 J=1 K=1");
    reader.getsegname(3, name);
    EXPECT_STREQ(name, "");

    reader.getnumsegconsts(value);
    EXPECT_EQ(value, 2);
    reader.getsegconsttype(2, value);
    EXPECT_EQ(value, 4);
    reader.getnumfpconsts(value);
    EXPECT_EQ(value, 1);
    reader.getfpconsttype(1, value);
    EXPECT_EQ(value, 7);

    reader.getnumflowpaths(value);
    EXPECT_EQ(value, 2);
    int32_t from_seg, to_seg, direction;
    reader.getflowpath(2, from_seg, to_seg, direction);
    EXPECT_EQ(from_seg, 0);
    EXPECT_EQ(to_seg, -3);
    EXPECT_EQ(direction, 3);

    reader.getnumdescriptions(value);
    EXPECT_EQ(value, 2);
    reader.getdescription(1, value, text);
    EXPECT_EQ(value, 5);
    EXPECT_STREQ(text, "abc");
    reader.getdescription(2, value, text);
    EXPECT_EQ(value, -2);
    EXPECT_STREQ(text, "second description");
}

TEST_F(DatasetHeader, LongTextsComeBackWhole)
{
    const std::string long_text(5000, 'x');
    {
        tidewire_data writer(path, 1);
        writer.setnumsegments(1);
        writer.setsegname(0, long_text.c_str());
        writer.adddescription(0, long_text.c_str());
        writer.write_header();
    }
    tidewire_data reader(path, 0);
    std::vector<char> buffer(long_text.size() + 1, '?');
    reader.getsegname(0, buffer.data());
    EXPECT_EQ(std::string(buffer.data()), long_text);
    int32_t type = -1;
    reader.getdescription(0, type, buffer.data());
    EXPECT_EQ(std::string(buffer.data()), long_text);
}

TEST_F(DatasetHeader, IndexesStartAtTheLanguageBase)
{
    tidewire_data dataset(path, 1);
    dataset.setnumsegments(2);
    dataset.setsegname(0, "first");
    char name[16];
    dataset.getsegname(0, name);
    EXPECT_STREQ(name, "first");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getsegname(-1, name); }, 517,
                                                             dataset_line::getsegname, "tidewire_data::getsegname",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getsegname(2, name); }, 517,
                                                             dataset_line::getsegname, "tidewire_data::getsegname",
                                                             "Index out of range");

    dataset.setlanguage(1);
    dataset.getsegname(1, name);
    EXPECT_STREQ(name, "first");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setsegname(0, "x"); }, 517,
                                                             dataset_line::setsegname, "tidewire_data::setsegname",
                                                             "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setsegname(3, "x"); }, 517,
                                                             dataset_line::setsegname, "tidewire_data::setsegname",
                                                             "Index out of range");
    int32_t language = -1;
    dataset.getlanguage(language);
    EXPECT_EQ(language, 1);
}

TEST_F(DatasetHeader, EveryIndexedAccessorChecksItsOwnTable)
{
    tidewire_data dataset(path, 1);
    dataset.setnumsegments(5);  // only the segment table is filled
    int32_t type = 0;
    char text[16];
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getdescription(0, type, text); }, 517,
                                                             dataset_line::getdescription,
                                                             "tidewire_data::getdescription", "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setsegconsttype(0, 1); }, 517,
                                                             dataset_line::setsegconsttype,
                                                             "tidewire_data::setsegconsttype", "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getsegconsttype(0, type); }, 517,
                                                             dataset_line::getsegconsttype,
                                                             "tidewire_data::getsegconsttype", "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.setfpconsttype(0, 1); }, 517,
                                                             dataset_line::setfpconsttype,
                                                             "tidewire_data::setfpconsttype", "Index out of range");
    expect_dataset_failure<tidewire_invalid_index_exception>([&] { dataset.getfpconsttype(0, type); }, 517,
                                                             dataset_line::getfpconsttype,
                                                             "tidewire_data::getfpconsttype", "Index out of range");
}

TEST_F(DatasetHeader, InvalidLanguageChangesNothing)
{
    tidewire_data dataset(path, 1);
    dataset.setlanguage(1);
    expect_dataset_failure<tidewire_invalid_language_exception>([&] { dataset.setlanguage(2); }, 515,
                                                                dataset_line::setlanguage, "tidewire_data::setlanguage",
                                                                "Invalid language specified");
    int32_t language = -1;
    dataset.getlanguage(language);
    EXPECT_EQ(language, 1);
    dataset.setnumsegments(1);
    char name[8];
    dataset.getsegname(1, name);  // the base is still 1
    expect_dataset_failure<tidewire_invalid_language_exception>([&] { dataset.setlanguage(-1); }, 515,
                                                                dataset_line::setlanguage, "tidewire_data::setlanguage",
                                                                "Invalid language specified");
}

TEST_F(DatasetHeader, OnlyTheKnownCreatorCodesAreAccepted)
{
    tidewire_data dataset(path, 1);
    for (int32_t code : {0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 18, 19, 21}) {
        dataset.setcreator(code);
        int32_t stored = -1;
        dataset.getcreator(stored);
        EXPECT_EQ(stored, code);
    }
    for (int32_t code : {8, 11, 16, 17, 20, 22, -1, 1000}) {
        SCOPED_TRACE(code);
        expect_dataset_failure<tidewire_invalid_creator_exception>(
            [&] { dataset.setcreator(code); }, 516, dataset_line::setcreator, "tidewire_data::setcreator",
            "Invalid creator specified");
    }
    int32_t stored = -1;
    dataset.getcreator(stored);
    EXPECT_EQ(stored, 21);
}

TEST_F(DatasetHeader, ShrinkingKeepsTheFirstEntriesAndGrowingAddsEmptyOnes)
{
    tidewire_data dataset(path, 1);
    dataset.setlanguage(1);
    dataset.setnumsegments(5);
    for (int32_t i = 1; i <= 5; ++i) dataset.setsegname(i, ("segment " + std::to_string(i)).c_str());
    dataset.setnumsegments(3);
    dataset.setnumsegments(5);
    char name[16];
    dataset.getsegname(3, name);
    EXPECT_STREQ(name, "segment 3");
    dataset.getsegname(4, name);
    EXPECT_STREQ(name, "");

    dataset.setnumflowpaths(1);
    dataset.setflowpath(1, 3, 7, 2);
    dataset.setnumflowpaths(2);
    int32_t from_seg = -1, to_seg = -1, direction = -1;
    dataset.getflowpath(2, from_seg, to_seg, direction);
    EXPECT_EQ(from_seg, 0);
    EXPECT_EQ(to_seg, 0);
    EXPECT_EQ(direction, 0);
}

TEST_F(DatasetHeader, NegativeCountFailsAsExhaustedMemory)
{
    tidewire_data dataset(path, 1);
    dataset.setnumsegments(2);
    expect_dataset_failure<tidewire_memory_exhausted_exception>(
        [&] { dataset.setnumsegments(-1); }, 1025, dataset_line::setnumsegments, "tidewire_data::setnumsegments",
        "Insufficient memory to resize the segment table to 4294967295 entries");
    int32_t count = 0;
    dataset.getnumsegments(count);
    EXPECT_EQ(count, 2);
}

TEST_F(DatasetHeader, PlainFieldsAreStoredAsGiven)
{
    tidewire_data dataset(path, 1);
    float step = 0.0f;
    dataset.settimestep(0.125f);
    dataset.gettimestep(step);
    EXPECT_EQ(step, 0.125f);
    int32_t moments = -1;
    dataset.getnummoments(moments);
    EXPECT_EQ(moments, 0);
    float factor = -1.0f;
    dataset.getcompfact(factor);
    EXPECT_EQ(factor, 0.0f);
    int32_t language = -1;
    dataset.getlanguage(language);
    EXPECT_EQ(language, 0);
}

}  // namespace
