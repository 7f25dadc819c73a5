// torvautil binds exactly the library functions it uses, and no others.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "support/torvautil_process.h"

namespace {

std::set<std::string> undefined_library_symbols()
{
    const std::string command = "nm -D --undefined-only '" + torvautil_executable().string() + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::set<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        const std::size_t start = text.find("_tw");
        if (start == std::string::npos) continue;
        std::size_t end = text.find_first_of(" \n@", start);
        if (end == std::string::npos) end = text.size();
        symbols.insert(text.substr(start, end - start));
    }
    pclose(pipe);
    return symbols;
}

TEST(FirstpassBindings, TorvautilImportsTheTwentyFiveReadFunctions)
{
    const std::set<std::string> expected{"_twgetlasterror",
                                         "_twopen",
                                         "_twsetlanguage",
                                         "_twgetcreator",
                                         "_twgetnumdescriptions",
                                         "_twgetdescription",
                                         "_twgetseedmoment",
                                         "_twgetendmoment",
                                         "_twgetnthmoment",
                                         "_twgetnumsegments",
                                         "_twgetsegname",
                                         "_twgetnumflowpaths",
                                         "_twgetnumsegconsts",
                                         "_twgetnumfpconsts",
                                         "_twgetsegconsttype",
                                         "_twgethydtimestep",
                                         "_twgetupdateint",
                                         "_twgethydtokelvaratio",
                                         "_twgetnumlayers",
                                         "_twgetflowpath",
                                         "_twgetflowinfo",
                                         "_twgetseginfo",
                                         "_twmomentcomplete",
                                         "_twgetnummoments",
                                         "_twclose"};
    ASSERT_EQ(expected.size(), 25u);
    const std::set<std::string> bound = undefined_library_symbols();
    // Until the second pass is built, its calls are absent; no other call
    // may ever appear.
    for (const std::string& symbol : bound) EXPECT_EQ(expected.count(symbol), 1u) << symbol;
    EXPECT_EQ(bound, expected);
}

}  // namespace
