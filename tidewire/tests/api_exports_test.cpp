// The public header, the ordinal table and the built library's dynamic
// symbols name the same 54 exports, and the ordinals run from 2 to 55.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string read_text(const char* path)
{
    std::ifstream in(path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::set<std::string> header_exports()
{
    const std::string header = read_text(TIDEWIRE_HEADER);
    static const std::regex declaration(R"(TIDEWIRE_API\s+void\s+(\w+)\s*\()");
    std::set<std::string> names;
    for (std::sregex_iterator it(header.begin(), header.end(), declaration), end; it != end; ++it)
        names.insert((*it)[1]);
    return names;
}

std::map<int, std::string> ordinal_table()
{
    std::istringstream table(read_text(TIDEWIRE_EXPORTS_TABLE));
    std::map<int, std::string> ordinals;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int ordinal = 0;
        std::string name, rest;
        EXPECT_TRUE(fields >> ordinal >> name) << line;
        EXPECT_FALSE(fields >> rest) << "one ordinal and one name per line: " << line;
        EXPECT_TRUE(ordinals.emplace(ordinal, name).second) << "ordinal given twice: " << ordinal;
    }
    return ordinals;
}

// Every symbol that the shared library defines for other modules.
std::set<std::string> library_exports()
{
    const std::string command = std::string("nm -D --defined-only '") + TIDEWIRE_LIBRARY + "'";
    std::set<std::string> names;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return names;
    }
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return names;
}

TEST(api_exports, header_table_and_library_name_the_same_54_exports)
{
    const std::set<std::string> declared = header_exports();
    EXPECT_EQ(declared.size(), 54u);

    const std::map<int, std::string> ordinals = ordinal_table();
    std::set<std::string> tabled;
    for (const auto& entry : ordinals) tabled.insert(entry.second);
    EXPECT_EQ(tabled.size(), ordinals.size()) << "a name is given two ordinals";
    EXPECT_EQ(tabled, declared);

    EXPECT_EQ(library_exports(), declared) << "the library exports exactly the declared functions";
}

TEST(api_exports, ordinals_run_from_2_to_55_and_the_converters_are_in_place)
{
    const std::map<int, std::string> ordinals = ordinal_table();
    ASSERT_EQ(ordinals.size(), 54u);
    EXPECT_EQ(ordinals.begin()->first, 2);
    EXPECT_EQ(ordinals.rbegin()->first, 55);

    // A few that callers bind by number.
    EXPECT_EQ(ordinals.at(5), "_twgetlasterror");
    EXPECT_EQ(ordinals.at(6), "_twopen");
    EXPECT_EQ(ordinals.at(47), "_twgetseginfo");
    EXPECT_EQ(ordinals.at(54), "_twclose");
    EXPECT_EQ(ordinals.at(55), "_twgetcurrentmoment");
}

}  // namespace
