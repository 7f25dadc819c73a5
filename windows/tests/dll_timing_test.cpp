// The timing summary that every close appends to LOG.TXT, from the Windows
// build, whose tick counter is the system's own.
#include "dll_test_support.h"

#include <windows.h>

#include <regex>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> crlf_lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size()) lines.push_back("unterminated: " + text.substr(start));
    return lines;
}

// "name: ms ms total (share% of total runtime, share% of tidewire library time)"
std::string name_of_share_line(const std::string& line)
{
    static const std::regex share_line(
        "([a-z]+): [0-9]+ ms total \\([^%]+% of total runtime, [^%]+% of tidewire library time\\)");
    std::smatch match;
    return std::regex_match(line, match, share_line) ? match[1].str() : "malformed: " + line;
}

void expect_summary(const std::vector<std::string>& lines, std::size_t first, const std::vector<std::string>& names)
{
    ASSERT_GE(lines.size(), first + names.size() + 3);
    EXPECT_TRUE(std::regex_match(
        lines[first], std::regex("Total elapsed ms from first tidewire call \\(total runtime\\): [0-9]+ ms")))
        << lines[first];
    EXPECT_TRUE(std::regex_match(
        lines[first + 1], std::regex("Total elapsed ms in tidewire calls \\(tidewire library time\\): [0-9]+ ms")))
        << lines[first + 1];
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(name_of_share_line(lines[first + 2 + i]), names[i]);
    EXPECT_EQ(lines[first + 2 + names.size()], "");
}

}  // namespace

using dll_timing = dll_test;

TEST_F(dll_timing, close_appends_the_summary_in_name_order_with_debugging_off)
{
    std::int32_t error = -1, segments = 0;
    const std::int32_t handle = open_linkage("timed.lnk", 1, &error);
    _twgetnumsegments(&handle, &segments, &error);
    close_linkage(handle);
    const std::vector<std::string> lines = crlf_lines(read_file_bytes("LOG.TXT"));
    ASSERT_EQ(lines.size(), 6u);
    expect_summary(lines, 0, {"twclose", "twgetnumsegments", "twopen"});
}

TEST_F(dll_timing, a_second_close_covers_only_the_calls_after_the_first)
{
    std::int32_t error = -1, flag = 0;
    const std::int32_t first = open_linkage("a.lnk", 1, &error);
    const std::int32_t second = open_linkage("b.lnk", 1, &error);
    close_linkage(first);
    _twgetdebug(&flag);
    close_linkage(second);
    const std::vector<std::string> lines = crlf_lines(read_file_bytes("LOG.TXT"));
    ASSERT_EQ(lines.size(), 5u + 5u);
    expect_summary(lines, 0, {"twclose", "twopen"});
    expect_summary(lines, 5, {"twclose", "twgetdebug"});
}

TEST_F(dll_timing, runtime_is_measured_with_the_system_tick_counter)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("slow.lnk", 1, &error);
    Sleep(300);
    close_linkage(handle);
    const std::vector<std::string> lines = crlf_lines(read_file_bytes("LOG.TXT"));
    ASSERT_FALSE(lines.empty());
    std::smatch runtime;
    ASSERT_TRUE(std::regex_match(lines[0], runtime, std::regex(".*: ([0-9]+) ms")));
    // The tick counter may run in steps of up to about 16 ms.
    EXPECT_GE(std::stoul(runtime[1].str()), 250u) << lines[0];
    EXPECT_LT(std::stoul(runtime[1].str()), 60000u) << lines[0];
}

TEST_F(dll_timing, close_before_any_open_still_writes_the_summary)
{
    const std::int32_t never_issued = 1;
    std::int32_t error = -1;
    _twclose(&never_issued, &error);
    EXPECT_EQ(error, 513);
    const std::vector<std::string> lines = crlf_lines(read_file_bytes("LOG.TXT"));
    ASSERT_EQ(lines.size(), 4u);
    expect_summary(lines, 0, {"twclose"});
}

TEST_F(dll_timing, log_of_an_earlier_process_is_emptied_by_the_first_write_not_at_load)
{
    write_file_bytes("LOG.TXT", "left by an earlier run\r\n");
    std::int32_t flag = 0;
    _twgetdebug(&flag);
    EXPECT_EQ(read_file_bytes("LOG.TXT"), "left by an earlier run\r\n");
    const std::int32_t never_issued = 1;
    std::int32_t error = -1;
    _twclose(&never_issued, &error);
    EXPECT_EQ(read_file_bytes("LOG.TXT").find("left by"), std::string::npos);
}

TEST_F(dll_timing, others_may_read_and_write_the_log_while_the_library_holds_it)
{
    const std::int32_t never_issued = 1;
    std::int32_t error = -1;
    _twclose(&never_issued, &error);
    const HANDLE other = CreateFileA("LOG.TXT", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(other, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
}
