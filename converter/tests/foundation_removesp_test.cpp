// removesp: packing segment names before their markers are looked for.
#include <gtest/gtest.h>

#include <string>

#include "fixed_text.h"
#include "stringmod.h"

namespace {

std::string packed(const std::string& text)
{
    fixed_text<30> field(text);
    removesp(field);
    return std::string(field.view());
}

std::string padded(const std::string& text)
{
    return text + std::string(30 - text.size(), ' ');
}

}  // namespace

TEST(Removesp, DropsBlanksAndControlCharactersWhereverTheyStand)
{
    EXPECT_EQ(packed(std::string("I=3 J=12 K=1\0", 13)), padded("I=3J=12K=1"));
    EXPECT_EQ(packed("  I= 3  J= 12  K= 1"), padded("I=3J=12K=1"));
    EXPECT_EQ(packed("two\twords"), padded("twowords"));
    EXPECT_EQ(packed("a\r\nb\x01"
                     "c"),
              padded("abc"));
}

TEST(Removesp, KeepsEverythingAboveCode32)
{
    EXPECT_EQ(packed(std::string("\0I=1J=2K=3", 10)), padded("I=1J=2K=3"));
    EXPECT_EQ(packed(std::string("I=1\0J=2", 7)), padded("I=1J=2"));
    EXPECT_EQ(packed("  \xe9t\xe9(K=4)"), padded("\xe9t\xe9(K=4)"));
    EXPECT_EQ(packed("abc"), padded("abc"));
}

TEST(Removesp, AllBlankStaysBlank)
{
    EXPECT_EQ(packed(""), padded(""));
}

TEST(Removesp, FullFieldWithoutBlanks)
{
    const std::string full(30, 'x');
    EXPECT_EQ(packed(full), full);
}
