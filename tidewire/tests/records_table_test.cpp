// Tables: the count, then the records; what a reader does with the count.
#include "failure_text.h"
#include "persistence_exception.h"
#include "record_tables.h"
#include "records_stream_fixture.h"
#include "table_count_exception.h"
#include "table_size_exception.h"

#include <new>

namespace {

using RecordTables = RecordsStream;

TEST_F(RecordTables, AnEmptyTableIsFourZeroBytes)
{
    const std::vector<flow_data> empty;
    EXPECT_EQ(written_by([&](file_stream& s) { write_table(s, empty); }), (bytes{0, 0, 0, 0}));
}

TEST_F(RecordTables, CountThenRecordsInOrder)
{
    const std::vector<flow_data> paths{flow_data(1, 2, 3), flow_data(4, 5, 6)};
    EXPECT_EQ(written_by([&](file_stream& s) { write_table(s, paths); }),
              (bytes{2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0}));
}

TEST_F(RecordTables, ReadingReplacesWhateverTheTableHeld)
{
    std::vector<segment_data> names(2);
    names[0].name = "first";
    names[1].name = "";
    const bytes file = written_by([&](file_stream& s) { write_table(s, names); });

    std::vector<segment_data> longer(5);
    longer[0].name = "stale";
    read_table(reading(file), longer);
    ASSERT_EQ(longer.size(), 2u);
    EXPECT_EQ(longer[0].name, "first");
    EXPECT_EQ(longer[1].name, "");

    std::vector<segment_data> shorter;
    read_table(reading(file), shorter);
    ASSERT_EQ(shorter.size(), 2u);
    EXPECT_EQ(shorter[0].name, "first");

    read_table(reading({0, 0, 0, 0}), shorter);
    EXPECT_TRUE(shorter.empty());
}

TEST_F(RecordTables, ConstituentTablesRoundTrip)
{
    std::vector<segment_constituent_data> types(3);
    types[0].type = 1;
    types[1].type = 4;
    types[2].type = -7;
    std::vector<flow_constituent_data> flow_types(1);
    flow_types[0].type = 9;
    const bytes file = written_by([&](file_stream& s) {
        write_table(s, types);
        write_table(s, flow_types);
    });
    EXPECT_EQ(file.size(), 4u + 12u + 4u + 4u);

    file_stream& stream = reading(file);
    std::vector<segment_constituent_data> types_back;
    std::vector<flow_constituent_data> flow_types_back;
    read_table(stream, types_back);
    read_table(stream, flow_types_back);
    ASSERT_EQ(types_back.size(), 3u);
    EXPECT_EQ(types_back[2].type, -7);
    ASSERT_EQ(flow_types_back.size(), 1u);
    EXPECT_EQ(flow_types_back[0].type, 9);
}

TEST_F(RecordTables, DescriptionsKeepTheirOrder)
{
    data_description_type descriptions;
    descriptions.entries.emplace_back(2, "second kind");
    descriptions.entries.emplace_back(1, "");
    descriptions.entries.emplace_back(2, "last");
    const bytes file = written_by([&](file_stream& s) { descriptions.write(s); });
    EXPECT_EQ(file.size(), 4u + (8u + 11u) + 8u + (8u + 4u));

    data_description_type read_back;
    read_back.entries.emplace_back(9, "stale");
    persistent_object& record = read_back;
    record.read(reading(file));
    ASSERT_EQ(read_back.entries.size(), 3u);
    EXPECT_EQ(read_back.entries[0].text, "second kind");
    EXPECT_EQ(read_back.entries[1].type, 1);
    EXPECT_EQ(read_back.entries[2].text, "last");
}

TEST_F(RecordTables, ACountOfMinusOneIsRefusedBeforeResizing)
{
    std::vector<flow_data> table(1, flow_data(7, 7, 7));
    try {
        read_table(reading({0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}), table);
        FAIL() << "no size failure";
    } catch (const table_size_exception& error) {
        EXPECT_EQ(error.count(), 4294967295u);
        EXPECT_STREQ(error.what(), "read_table : A table of 4294967295 records cannot be allocated");
    }
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].from_seg, 7);
}

TEST_F(RecordTables, ACountBeyondTheFileIsAnInputFailure)
{
    // Three segment names need at least 12 bytes; only 8 follow.
    std::vector<segment_data> names;
    try {
        read_table(reading({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), names);
        FAIL() << "no count failure";
    } catch (const table_count_exception& error) {
        EXPECT_EQ(error.count(), 3u);
        EXPECT_EQ(error.bytes_left(), 8);
        EXPECT_EQ(error.what(),
                  failure_text(unit::record_tables, 52, "read_table",
                               "read_table : Count 3 exceeds what the 8 bytes left in the file can hold"));
    }
    EXPECT_TRUE(names.empty());

    // Two flow paths need 24 bytes; 23 follow.
    std::vector<flow_data> paths;
    bytes short_paths{2, 0, 0, 0};
    short_paths.resize(4 + 23, 0);
    EXPECT_THROW(read_table(reading(short_paths), paths), input_exception);

    data_description_type descriptions;
    EXPECT_THROW(descriptions.read(reading({1, 0, 0, 0, 0, 0, 0, 0})), table_count_exception);
}

TEST_F(RecordTables, ARecordThatCannotBeReadStopsTheTable)
{
    // Room for two names by count, but the second name's length runs past the end.
    std::vector<segment_data> names;
    EXPECT_THROW(read_table(reading({2, 0, 0, 0, 1, 0, 0, 0, 'a', 9, 0, 0, 0}), names), input_exception);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name, "a");
    EXPECT_EQ(names[1].name, "");
}

TEST_F(RecordTables, AMissingCountIsAnInputFailure)
{
    std::vector<flow_constituent_data> types(2);
    EXPECT_THROW(read_table(reading({1, 0}), types), input_exception);
    EXPECT_EQ(types.size(), 2u);
}

}  // namespace
