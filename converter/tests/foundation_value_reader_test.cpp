// The free-form value reader on console answers and on records of the input
// files.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>
#include <string>

#include "fixed_text.h"
#include "freeform_reader.h"

namespace {

// The first character of the first answer that the console text yields.
char first_answer(const std::string& console_text)
{
    std::istringstream source(console_text);
    freeform_reader reader(source, "stdin");
    char answer = '?';
    EXPECT_EQ(reader.read(answer), 0);
    return answer;
}

}  // namespace

TEST(ValueReaderAnswers, OneCharacterAnswerKeepsTheFirstCharacter)
{
    EXPECT_EQ(first_answer("Y\n"), 'Y');
    EXPECT_EQ(first_answer("y\n"), 'y');
    EXPECT_EQ(first_answer("yes\n"), 'y');
    EXPECT_EQ(first_answer("Yonder and more\n"), 'Y');
    EXPECT_EQ(first_answer("  n\n"), 'n');
    EXPECT_EQ(first_answer("x\n"), 'x');
    EXPECT_EQ(first_answer("'no way'\n"), 'n');
}

TEST(ValueReaderAnswers, EmptyAndBlankLinesAreSkipped)
{
    EXPECT_EQ(first_answer("\n   \n\t\r\ny\n"), 'y');
}

TEST(ValueReaderAnswers, FileNameIsOneWordOrAQuotedText)
{
    std::istringstream source("my file.hyd\n'my file.hyd', next\n\"it''s\"\na/b.hyd\n");
    freeform_reader reader(source, "stdin");
    fixed_text<256> name;
    ASSERT_EQ(reader.read(name), 0);
    EXPECT_EQ(name.trimmed(), "my");
    ASSERT_EQ(reader.read(name), 0);
    EXPECT_EQ(name.trimmed(), "my file.hyd");
    ASSERT_EQ(reader.read(name), 0);
    EXPECT_EQ(name.trimmed(), "it''s");
    ASSERT_EQ(reader.read(name), 0);
    EXPECT_EQ(name.trimmed(), "a");
    EXPECT_EQ(name.view().size(), 256u);
}

TEST(ValueReaderAnswers, TextLongerThanItsFieldIsCut)
{
    std::istringstream source("abcdefgh\n");
    freeform_reader reader(source, "stdin");
    fixed_text<3> text;
    ASSERT_EQ(reader.read(text), 0);
    EXPECT_EQ(text.view(), "abc");
}

TEST(ValueReaderRecords, ControlFileLines)
{
    std::istringstream source("Grid of the bay, 2010\r\n12\r\n20 cells in J\r\n5,\r\n");
    freeform_reader reader(source, "control.dat");
    int4 im = -9999, jm = -9999, km = -9999;
    ASSERT_EQ(reader.skip_record(), 0);
    ASSERT_EQ(reader.read(im), 0);
    ASSERT_EQ(reader.read(jm), 0);
    ASSERT_EQ(reader.read(km), 0);
    EXPECT_EQ(im, 12);
    EXPECT_EQ(jm, 20);
    EXPECT_EQ(km, 5);
    EXPECT_EQ(reader.read(im), freeform_reader::end_of_file_status);
}

TEST(ValueReaderRecords, ValuesContinueOntoLaterLinesAndTheRestIsIgnored)
{
    std::istringstream source("1 2\n\n3, 4 5 6 extra\n7\n");
    freeform_reader reader(source, "nz.dat");
    int4 v[4] = {0, 0, 0, 0};
    ASSERT_EQ(reader.read(v[0], v[1], v[2], v[3]), 0);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(v[3], 4);
    int4 next = 0;
    ASSERT_EQ(reader.read(next), 0);
    EXPECT_EQ(next, 7) << "the next read starts on the next line";
}

TEST(ValueReaderRecords, ReadOfNoValuesTakesItsLine)
{
    std::istringstream source("1\n2\n");
    freeform_reader reader(source, "nz.dat");
    int4 value = 0;
    ASSERT_EQ(reader.read_list(nullptr, 0), 0);
    ASSERT_EQ(reader.read(value), 0);
    EXPECT_EQ(value, 2);
}

TEST(ValueReaderRecords, SlashEndsTheRead)
{
    std::istringstream source("4/ 5 6\n");
    freeform_reader reader(source, "GVCLAYER.INP");
    int4 i = 0, j = -1, layers = -1;
    ASSERT_EQ(reader.read(i, j, layers), 0);
    EXPECT_EQ(i, 4);
    EXPECT_EQ(j, -1);
    EXPECT_EQ(layers, -1);
}

TEST(ValueReaderRecords, RealNotations)
{
    std::istringstream source("3 4 1.5 .5 5. 1.5E3 2.5d-1 -2 1.0+2 +7e0\n");
    freeform_reader reader(source, "lxly.inp");
    int4 i = 0, j = 0;
    real4 r[7];
    real8 last = 0;
    ASSERT_EQ(reader.read(i, j, r[0], r[1], r[2], r[3], r[4], r[5], r[6], last), 0);
    EXPECT_EQ(r[0], 1.5f);
    EXPECT_EQ(r[1], 0.5f);
    EXPECT_EQ(r[2], 5.0f);
    EXPECT_EQ(r[3], 1500.0f);
    EXPECT_EQ(r[4], 0.25f);
    EXPECT_EQ(r[5], -2.0f);
    EXPECT_EQ(r[6], 100.0f);
    EXPECT_EQ(last, 7.0);
}

TEST(ValueReaderRecords, MalformedValuesAreRejected)
{
    for (const char* text : {"12.0\n", "1e3\n", "abc\n", "'12'\n", "+\n", "2147483648\n", "12x\n"}) {
        std::istringstream source(text);
        freeform_reader reader(source, "control.dat");
        int4 value = 0;
        EXPECT_EQ(reader.read(value), freeform_reader::bad_value_status) << text;
    }
    for (const char* text : {"1.5e\n", "e5\n", ".\n", "1..2\n", "1.5x\n", "1e99\n", "--1\n"}) {
        std::istringstream source(text);
        freeform_reader reader(source, "dxdy.inp");
        real4 value = 0;
        EXPECT_EQ(reader.read(value), freeform_reader::bad_value_status) << text;
    }
    std::istringstream source("-2147483648\n");
    freeform_reader reader(source, "control.dat");
    int4 value = 0;
    ASSERT_EQ(reader.read(value), 0);
    EXPECT_EQ(value, -2147483647 - 1);
}

// Beyond a real's range: too small reads as zero of its sign, too large is
// rejected.
TEST(ValueReaderRecords, MagnitudesOutsideTheRange)
{
    std::istringstream source("1e-50 -1e-50 1e-40 1e-400 -0.0001e-320\n1e39\n1e400\n");
    freeform_reader reader(source, "lxly.inp");
    real4 tiny = 1, negative_tiny = 1, subnormal = 0;
    real8 tiny8 = 1, negative_tiny8 = 1;
    ASSERT_EQ(reader.read(tiny, negative_tiny, subnormal, tiny8, negative_tiny8), 0);
    EXPECT_EQ(tiny, 0.0f);
    EXPECT_FALSE(std::signbit(tiny));
    EXPECT_TRUE(negative_tiny == 0.0f && std::signbit(negative_tiny));
    EXPECT_EQ(subnormal, 1e-40f);
    EXPECT_EQ(tiny8, 0.0);
    EXPECT_TRUE(negative_tiny8 == 0.0 && std::signbit(negative_tiny8));
    real4 huge = 0;
    EXPECT_EQ(reader.read(huge), freeform_reader::bad_value_status);
    real8 huge8 = 0;
    EXPECT_EQ(reader.read(huge8), freeform_reader::bad_value_status);
}

TEST(ValueReaderRecords, EndOfFileInsideARecord)
{
    std::istringstream source("1 2\n");
    freeform_reader reader(source, "dxdy.inp");
    int4 i = 0, j = 0;
    real4 dx = 0;
    EXPECT_EQ(reader.read(i, j, dx), freeform_reader::end_of_file_status);
}

TEST(ValueReaderRecords, WholeLinesWithoutTheirLineEnd)
{
    std::istringstream source("    3 1550\r\nlast");
    freeform_reader reader(source, "cell.inp");
    std::string line;
    ASSERT_EQ(reader.read_line(line), 0);
    EXPECT_EQ(line, "    3 1550");
    ASSERT_EQ(reader.read_line(line), 0);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(reader.read_line(line), freeform_reader::end_of_file_status);
}

TEST(ValueReaderErrors, BadIntegerEndsTheRunNamingTheFile)
{
    std::istringstream source("twelve\n");
    freeform_reader reader(source, "/runs/bay/input/control.dat");
    int4 value = 0;
    EXPECT_EXIT(reader.read_or_stop(value), testing::ExitedWithCode(2), "/runs/bay/input/control\\.dat.*twelve");
}

TEST(ValueReaderErrors, ShortFileEndsTheRunNamingTheFile)
{
    std::istringstream source("title\n12\n");
    freeform_reader reader(source, "control.dat");
    int4 value = 0;
    reader.skip_record_or_stop();
    reader.read_or_stop(value);
    EXPECT_EXIT(reader.read_or_stop(value), testing::ExitedWithCode(2), "control\\.dat.*end of file");
}

TEST(ValueReaderErrors, EndOfConsoleInputEndsTheRun)
{
    std::istringstream empty("\n  \n");
    std::cin.rdbuf(empty.rdbuf());
    char answer = ' ';
    EXPECT_EXIT(freeform_reader::console().read_or_stop(answer), testing::ExitedWithCode(2), "stdin.*end of input");
}
