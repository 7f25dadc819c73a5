// The on-file encoding of each record, read and written through the base.
#include "datadescription.h"
#include "persistence_exception.h"
#include "records_stream_fixture.h"
#include "table_records.h"

namespace {

using RecordsEncoding = RecordsStream;

TEST_F(RecordsEncoding, FlowPathIsThreeInt32)
{
    const flow_data path_record(3, 7, 2);
    const persistent_object& record = path_record;
    EXPECT_EQ(written_by([&](file_stream& s) { record.write(s); }), (bytes{3, 0, 0, 0, 7, 0, 0, 0, 2, 0, 0, 0}));

    flow_data read_back;
    persistent_object& target = read_back;
    target.read(reading({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 0, 0, 0}));
    EXPECT_EQ(read_back.from_seg, 0);
    EXPECT_EQ(read_back.to_seg, -1);
    EXPECT_EQ(read_back.direction, 9);
}

TEST_F(RecordsEncoding, SegmentIsItsName)
{
    segment_data segment;
    EXPECT_EQ(written_by([&](file_stream& s) { segment.write(s); }), (bytes{0, 0, 0, 0}));
    segment.name = "I=3";
    EXPECT_EQ(written_by([&](file_stream& s) { segment.write(s); }), (bytes{3, 0, 0, 0, 'I', '=', '3'}));

    segment_data read_back;
    read_back.name = "old";
    read_back.read(reading({0, 0, 0, 0}));
    EXPECT_EQ(read_back.name, "");
}

TEST_F(RecordsEncoding, ConstituentsAreTheirTypeCode)
{
    segment_constituent_data segment_constituent;
    flow_constituent_data flow_constituent;
    EXPECT_EQ(segment_constituent.type, 0);
    EXPECT_EQ(flow_constituent.type, 0);
    segment_constituent.type = 4;
    flow_constituent.type = -3;
    EXPECT_EQ(written_by([&](file_stream& s) { segment_constituent.write(s); }), (bytes{4, 0, 0, 0}));
    EXPECT_EQ(written_by([&](file_stream& s) { flow_constituent.write(s); }), (bytes{0xFD, 0xFF, 0xFF, 0xFF}));

    flow_constituent.read(reading({5, 1, 0, 0}));
    EXPECT_EQ(flow_constituent.type, 261);
}

TEST_F(RecordsEncoding, DescriptionIsTypeThenText)
{
    const data_description_entry entry(5, "abc");
    EXPECT_EQ(written_by([&](file_stream& s) { entry.write(s); }), (bytes{5, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c'}));

    data_description_entry read_back;
    EXPECT_EQ(read_back.type, 0);
    EXPECT_EQ(read_back.text, "");
    read_back.read(reading({5, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 'c'}));
    EXPECT_EQ(read_back.type, 5);
    EXPECT_EQ(read_back.text, "abc");
}

TEST_F(RecordsEncoding, ARecordCutShortKeepsItsValues)
{
    flow_data path_record(1, 2, 3);
    EXPECT_THROW(path_record.read(reading({9, 0, 0, 0, 9, 0, 0, 0, 9, 0})), input_exception);
    EXPECT_EQ(path_record.from_seg, 1);
    EXPECT_EQ(path_record.to_seg, 2);
    EXPECT_EQ(path_record.direction, 3);

    data_description_entry entry(1, "kept");
    EXPECT_THROW(entry.read(reading({7, 0, 0, 0, 5, 0, 0, 0, 'a'})), input_exception);
    EXPECT_EQ(entry.type, 1);
    EXPECT_EQ(entry.text, "kept");

    segment_data segment;
    segment.name = "kept";
    EXPECT_THROW(segment.read(reading({0xFF, 0xFF, 0xFF, 0xFF})), input_exception);
    EXPECT_EQ(segment.name, "kept");
}

}  // namespace
