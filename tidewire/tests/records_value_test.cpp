// Fixed-size header items: their little-endian bytes, and reads that run out.
#include "failure_text.h"
#include "persistence_exception.h"
#include "records_stream_fixture.h"
#include "value_io.h"

#include <cstring>

namespace {

using RecordsValue = RecordsStream;

TEST_F(RecordsValue, Int32IsFourLittleEndianBytes)
{
    EXPECT_EQ(written_by([](file_stream& s) { write_value(s, std::int32_t{0x20001000}); }),
              (bytes{0x00, 0x10, 0x00, 0x20}));
    EXPECT_EQ(written_by([](file_stream& s) { write_value(s, std::int32_t{-2}); }), (bytes{0xFE, 0xFF, 0xFF, 0xFF}));

    std::int32_t value = 0;
    read_value(reading({0xFE, 0xFF, 0xFF, 0xFF}), value);
    EXPECT_EQ(value, -2);
    read_value(reading({0x00, 0x00, 0x00, 0x80}), value);
    EXPECT_EQ(value, INT32_MIN);
}

TEST_F(RecordsValue, FloatIsItsIeeeSingleBits)
{
    EXPECT_EQ(written_by([](file_stream& s) { write_value(s, 0.5f); }), (bytes{0x00, 0x00, 0x00, 0x3F}));
    EXPECT_EQ(written_by([](file_stream& s) { write_value(s, -1.0f); }), (bytes{0x00, 0x00, 0x80, 0xBF}));

    float value = 0;
    read_value(reading({0x00, 0x00, 0xC0, 0x3F}), value);
    EXPECT_EQ(value, 1.5f);
}

TEST_F(RecordsValue, HeaderOffsetIsEightBytesLowHalfFirst)
{
    const std::int64_t offset = (std::int64_t{2} << 32) + 0x0A0B0C0D;
    EXPECT_EQ(written_by([&](file_stream& s) { write_value(s, offset); }),
              (bytes{0x0D, 0x0C, 0x0B, 0x0A, 0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(written_by([](file_stream& s) { write_value(s, std::int64_t{0}); }), bytes(8, 0));

    std::int64_t value = 0;
    read_value(reading({0x0D, 0x0C, 0x0B, 0x0A, 0x02, 0x00, 0x00, 0x00}), value);
    EXPECT_EQ(value, offset);
    read_value(reading(bytes(8, 0xFF)), value);
    EXPECT_EQ(value, -1);
}

TEST_F(RecordsValue, MomentIsItsNineFieldsInOrder)
{
    moment value;
    value.year = 1;
    value.month = 2;
    value.day = 3;
    value.weekday = 4;
    value.hour = 5;
    value.minute = 6;
    value.second = 7;
    value.second_of_day = 8;
    value.day_number = -9;
    const bytes written = written_by([&](file_stream& s) { write_value(s, value); });
    ASSERT_EQ(written.size(), 36u);
    for (std::size_t field = 0; field < 8; ++field) EXPECT_EQ(written[4 * field], field + 1) << field;
    EXPECT_EQ(written[32], 0xF7);
    EXPECT_EQ(written[35], 0xFF);

    const moment stored(2009, 2, 28, 12, 30, 15);
    moment read_back;
    read_value(reading(written_by([&](file_stream& s) { write_value(s, stored); })), read_back);
    EXPECT_EQ(std::memcmp(&read_back, &stored, sizeof stored), 0);
}

TEST_F(RecordsValue, AShortReadFailsAndLeavesTheItemAsItWas)
{
    std::int32_t number = 42;
    EXPECT_THROW(read_value(reading({1, 2, 3}), number), input_exception);
    EXPECT_EQ(number, 42);

    std::int64_t offset = 42;
    EXPECT_THROW(read_value(reading({1, 2, 3, 4, 5, 6, 7}), offset), input_exception);
    EXPECT_EQ(offset, 42);

    moment value(2000, 1, 1, 0, 0, 0);
    try {
        read_value(reading(bytes(35, 1)), value);
        FAIL() << "no input failure";
    } catch (const input_exception& error) {
        EXPECT_EQ(error.what(),
                  failure_text(unit::value_io, 24, "read_value", "read_value : File ends before the 36-byte item"));
    }
    EXPECT_EQ(value.year, 2000);
    EXPECT_EQ(value.day_number, 2451558);
}

TEST_F(RecordsValue, AFailedWriteIsReported)
{
    write_file_bytes(path, {});
    file_stream read_only;
    read_only.open(path, file_stream::mode_read);
    EXPECT_THROW(write_value(read_only, std::int32_t{1}), output_exception);
    EXPECT_THROW(write_value(read_only, moment()), output_exception);
}

}  // namespace
