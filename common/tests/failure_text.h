// The failure texts of this build, for comparing a caught or reported text
// whole. A text begins with the path under which the throwing unit was
// compiled and is cut at 255 characters, so how much of its end survives
// depends on where the tree lies; the expected text is built the same way.
#ifndef TIDEWIRE_COMMON_TESTS_FAILURE_TEXT_H
#define TIDEWIRE_COMMON_TESTS_FAILURE_TEXT_H

#include <string>

// The units that throw, by their path in the tree.
namespace unit {
constexpr char dataset[] = "tidewire/tidewiredata.cpp";
constexpr char session[] = "tidewire/twsession.cpp";
constexpr char record_tables[] = "tidewire/record_tables.cpp";
constexpr char value_io[] = "tidewire/value_io.cpp";
constexpr char file_stream[] = "common/source/file_stream.cpp";
constexpr char genericio[] = "common/source/genericio.cpp";
}  // namespace unit

// The path under which `unit` was compiled in this build.
std::string compiled_path(const std::string& unit);

// The text of a failure thrown in `unit` at `line`: the unit's compiled
// path, " (", the line, ") : ", the function, " : ", the message, and only
// the first 255 characters of that.
std::string failure_text(const std::string& unit, int line, const std::string& function, const std::string& message);

// The text of a linkage file that cannot be opened: the dataset's failure
// around the file stream's.
std::string cannot_open_text();

#endif
