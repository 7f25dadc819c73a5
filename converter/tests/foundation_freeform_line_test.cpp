// The free-form line: separators, and the rendering of every item kind.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "fixed_text.h"
#include "freeform_line.h"

namespace {

std::string blanks(std::size_t n)
{
    return std::string(n, ' ');
}

}  // namespace

TEST(FreeformLine, SeparatorsBetweenItems)
{
    // A number after a text: one separator blank, then the 11-wide field.
    EXPECT_EQ((freeform_line() << "Error: IO STATUS " << 2).text(),
              " Error: IO STATUS " + blanks(1) + blanks(10) + "2");
    // Two texts in a row are joined; a fixed_text keeps its whole field.
    fixed_text<12> path("/a/b");
    EXPECT_EQ((freeform_line() << "    " << path).text(), " " + blanks(4) + "/a/b" + blanks(8));
    // A text after a number, and numbers in a row, get the separator.
    EXPECT_EQ((freeform_line() << "(i,j)=(" << 3 << "," << 12 << ")").text(),
              " (i,j)=(" + blanks(11) + "3 ," + blanks(10) + "12 )");
    EXPECT_EQ((freeform_line() << 1 << 2).text(), blanks(11) + "1" + blanks(11) + "2");
    EXPECT_EQ(freeform_line().text(), " ");
}

TEST(FreeformLine, IntegerFieldWidths)
{
    EXPECT_EQ((freeform_line() << 0).text(), " " + blanks(10) + "0");
    EXPECT_EQ((freeform_line() << -2147483647 - 1).text(), " -2147483648");
    EXPECT_EQ((freeform_line() << std::int64_t{-5}).text(), " " + blanks(18) + "-5");
    EXPECT_EQ((freeform_line() << std::int16_t{7}).text(), " " + blanks(5) + "7");
    EXPECT_EQ((freeform_line() << std::int8_t{-7}).text(), " " + blanks(2) + "-7");
    EXPECT_EQ((freeform_line() << true << false).text(), " T F");
}

TEST(FreeformRender, Real4FixedPointRange)
{
    EXPECT_EQ(freeform_render::real4(0.1f), " 0.100000001" + blanks(4));
    EXPECT_EQ(freeform_render::real4(12.5f), "  12.5000000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(1.0f), "  1.00000000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(1234.5f), "  1234.50000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(3600.0f), "  3600.00000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(-0.5f), "-0.500000000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(100000000.0f), "  100000000." + blanks(4));
    EXPECT_EQ(freeform_render::real4(-9999.0f), " -9999.00000" + blanks(4));
}

TEST(FreeformRender, Real4ZeroAndScientific)
{
    EXPECT_EQ(freeform_render::real4(0.0f), "  0.00000000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(-0.0f), " -0.00000000" + blanks(4));
    EXPECT_EQ(freeform_render::real4(0.001f), "  1.00000005E-03");
    EXPECT_EQ(freeform_render::real4(-1.5E-05f), " -1.49999996E-05");
    EXPECT_EQ(freeform_render::real4(1.0e9f), "  1.00000000E+09");
    EXPECT_EQ(freeform_render::real4(std::numeric_limits<float>::max()), "  3.40282347E+38");
    EXPECT_EQ(freeform_render::real4(std::numeric_limits<float>::denorm_min()), "  1.40129846E-45");
    // A literal just below 0.1 is stored as the float 0.1 and prints fixed-point;
    // the float below it keeps the scientific form.
    EXPECT_EQ(freeform_render::real4(0.0999999999f), " 0.100000001" + blanks(4));
    EXPECT_EQ(freeform_render::real4(std::nextafter(0.1f, 0.0f)), "  9.99999940E-02");
    EXPECT_EQ(freeform_render::real4(std::nanf("")).size(), 16u);
    EXPECT_EQ(freeform_render::real4(std::nanf("")), blanks(13) + "NaN");
}

TEST(FreeformRender, Real8)
{
    EXPECT_EQ(freeform_render::real8(1.0), "  1.0000000000000000" + blanks(5));
    EXPECT_EQ(freeform_render::real8(0.0), "  0.0000000000000000" + blanks(5));
    EXPECT_EQ(freeform_render::real8(-0.25), "-0.25000000000000000" + blanks(5));
    EXPECT_EQ(freeform_render::real8(1704067200.0), "  1704067200.0000000" + blanks(5));
    EXPECT_EQ(freeform_render::real8(1.0e-3), "  1.0000000000000000E-003");
    EXPECT_EQ(freeform_render::real8(-1.0e300), " -1.0000000000000001E+300");
    EXPECT_EQ((freeform_line() << 1.0).text().size(), 26u);
}
