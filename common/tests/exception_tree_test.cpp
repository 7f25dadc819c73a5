// The exception classes: their codes and which handler catches which branch.
#include "persistence_exception.h"
#include "tidewire_exception.h"

#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>

namespace {

const exception_descriptor descriptor("f", 1, "g", "m");

template <typename Exception>
std::int32_t code_when_caught_as_application_exception()
{
    try {
        throw Exception(descriptor);
    } catch (const tidewire_application_exception& caught) {
        return caught.code();
    }
}

TEST(ExceptionTree, EveryLibraryLeafHasItsCode)
{
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_cannot_open_exception>(), 512);
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_unknown_dataset_exception>(), 513);
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_invalid_language_exception>(), 515);
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_invalid_creator_exception>(), 516);
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_invalid_index_exception>(), 517);
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_memory_exhausted_exception>(), 1025);
    EXPECT_EQ(code_when_caught_as_application_exception<tidewire_compression_exception>(), 1026);
}

template <typename Exception>
bool caught_as_application_exception()
{
    try {
        try {
            throw Exception(descriptor);
        } catch (const tidewire_application_exception&) {
            return true;
        }
    } catch (const base_exception&) {
        return false;
    }
}

TEST(ExceptionTree, ThePersistenceBranchIsNotAnApplicationException)
{
    EXPECT_FALSE(caught_as_application_exception<persistence_exception>());
    EXPECT_FALSE(caught_as_application_exception<input_exception>());
    EXPECT_FALSE(caught_as_application_exception<output_exception>());
    EXPECT_FALSE(caught_as_application_exception<seek_exception>());
    EXPECT_TRUE(caught_as_application_exception<tidewire_invalid_index_exception>());
}

template <typename Exception, typename Handler>
bool caught_as()
{
    try {
        throw Exception(descriptor);
    } catch (const Handler&) {
        return true;
    } catch (...) {
        return false;
    }
}

TEST(ExceptionTree, BaseAndStandardHandlersCatchBothBranches)
{
    EXPECT_TRUE((caught_as<seek_exception, base_exception>()));
    EXPECT_TRUE((caught_as<tidewire_memory_exhausted_exception, base_exception>()));
    EXPECT_TRUE((caught_as<input_exception, std::runtime_error>()));
    EXPECT_TRUE((caught_as<tidewire_cannot_open_exception, std::exception>()));
    EXPECT_TRUE((caught_as<input_exception, persistence_exception>()));
    EXPECT_FALSE((caught_as<input_exception, output_exception>()));
    EXPECT_FALSE((caught_as<tidewire_cannot_open_exception, persistence_exception>()));
}

TEST(ExceptionTree, StandardWhatGivesTheLibraryText)
{
    try {
        throw tidewire_unknown_dataset_exception(exception_descriptor("f", 2, "tidewire_session::find", "7"));
    } catch (const std::exception& caught) {
        EXPECT_STREQ(caught.what(), "f (2) : tidewire_session::find : 7");
    }
}

}  // namespace
