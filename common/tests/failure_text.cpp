#include "failure_text.h"

#include <stdexcept>

namespace {

// This file is compiled from the same tree, the same way, as the units that
// throw: its own path gives the tree's.
constexpr char this_unit[] = "common/tests/failure_text.cpp";

std::string tree_path()
{
    const std::string here = __FILE__;
    const std::string tail = this_unit;
    if (here.size() < tail.size() || here.compare(here.size() - tail.size(), tail.size(), tail) != 0) {
        throw std::logic_error("failure_text.cpp compiled as " + here + ", not under the tree");
    }
    return here.substr(0, here.size() - tail.size());
}

}  // namespace

std::string compiled_path(const std::string& unit)
{
    static const std::string tree = tree_path();
    return tree + unit;
}

std::string failure_text(const std::string& unit, int line, const std::string& function, const std::string& message)
{
    const std::string whole = compiled_path(unit) + " (" + std::to_string(line) + ") : " + function + " : " + message;
    return whole.substr(0, 255);
}

std::string cannot_open_text()
{
    return failure_text(unit::dataset, 59, "tidewire_data::tidewire_data",
                        failure_text(unit::file_stream, 92, "file_stream::open", "Createfile failed"));
}
