// The failure text: how it is built from its four parts and where it is cut.
#include "persistence_exception.h"
#include "tidewire_exception.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string text_of(const std::string& file, std::int32_t line, const std::string& function, const std::string& message)
{
    return exception_descriptor(file, line, function, message).text;
}

TEST(ExceptionText, JoinsFileLineFunctionAndMessage)
{
    EXPECT_EQ(
        text_of("/src/tidewire/tidewiredata.cpp", 52, "tidewire_data::tidewire_data", "Invalid access mode specified"),
        "/src/tidewire/tidewiredata.cpp (52) : tidewire_data::tidewire_data : Invalid access mode specified");
}

TEST(ExceptionText, LineIsPlainDecimalDigits)
{
    EXPECT_EQ(text_of("f", 7, "g", "m"), "f (7) : g : m");
    EXPECT_EQ(text_of("f", 1234, "g", "m"), "f (1234) : g : m");
}

TEST(ExceptionText, MessagesAreTakenUnchanged)
{
    EXPECT_EQ(text_of("f", 1, "g", "a : b"), "f (1) : g : a : b");
    EXPECT_EQ(text_of("f", 1, "g", ""), "f (1) : g : ");
}

TEST(ExceptionText, TextOf255CharactersIsKeptWhole)
{
    const std::string prefix = text_of("f", 1, "g", "");
    const std::string text = prefix + std::string(255 - prefix.size(), 'x');
    const input_exception error(exception_descriptor("f", 1, "g", std::string(255 - prefix.size(), 'x')));
    EXPECT_EQ(std::string(error.what()), text);
}

TEST(ExceptionText, LongerTextKeepsItsFirst255Characters)
{
    for (std::size_t extra : {1u, 2u, 300u}) {
        const std::string message(255 + extra, 'y');
        const tidewire_invalid_index_exception error(exception_descriptor("file", 3, "func", message));
        const std::string whole = text_of("file", 3, "func", message);
        EXPECT_EQ(std::strlen(error.what()), 255u);
        EXPECT_EQ(std::string(error.what()), whole.substr(0, 255));
    }
}

TEST(ExceptionText, AWrappedTextLosesItsEndFirst)
{
    const persistence_exception inner(
        exception_descriptor("/build/common/source/file_stream.cpp", 92, "file_stream::open", "Createfile failed"));
    const tidewire_cannot_open_exception outer(
        exception_descriptor("/build/tidewire/tidewiredata.cpp", 59, "tidewire_data::tidewire_data", inner.what()));
    EXPECT_EQ(std::string(outer.what()),
              "/build/tidewire/tidewiredata.cpp (59) : tidewire_data::tidewire_data : "
              "/build/common/source/file_stream.cpp (92) : file_stream::open : Createfile failed");

    const std::string long_path = "/" + std::string(200, 'd') + "/common/source/file_stream.cpp";
    const persistence_exception long_inner(
        exception_descriptor(long_path, 92, "file_stream::open", "Createfile failed"));
    const tidewire_cannot_open_exception long_outer(exception_descriptor(
        "/build/tidewire/tidewiredata.cpp", 59, "tidewire_data::tidewire_data", long_inner.what()));
    const std::string whole =
        text_of("/build/tidewire/tidewiredata.cpp", 59, "tidewire_data::tidewire_data", long_inner.what());
    EXPECT_EQ(std::string(long_outer.what()), whole.substr(0, 255));
    EXPECT_EQ(std::string(long_outer.what()).find("Createfile failed"), std::string::npos);
}

TEST(ExceptionText, AThrownCopyKeepsTextAndCode)
{
    const std::string message(400, 'z');
    try {
        throw tidewire_compression_exception(exception_descriptor("f", 594, "g", message));
    } catch (const tidewire_application_exception& caught) {
        EXPECT_EQ(caught.code(), 1026);
        EXPECT_EQ(std::string(caught.what()), text_of("f", 594, "g", message).substr(0, 255));
        const tidewire_compression_exception copy(static_cast<const tidewire_compression_exception&>(caught));
        EXPECT_STREQ(copy.what(), caught.what());
        EXPECT_NE(copy.what(), caught.what());
    }
}

}  // namespace
