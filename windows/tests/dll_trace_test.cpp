// The call trace in LOG.TXT from the Windows build: the same blocks as on
// every platform, each line ended by a carriage return and a line feed.
#include "dll_test_support.h"

namespace {

void debugging(std::int32_t on)
{
    _twsetdebug(&on);
}

// Every line feed of LOG.TXT must follow a carriage return.
bool has_bare_line_feed(const std::string& log)
{
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i] == '\n' && (i == 0 || log[i - 1] != '\r')) return true;
    return false;
}

// LOG.TXT up to the timing summary that the last close appends.
std::string trace_part(const std::string& log)
{
    return log.substr(0, log.find("Total elapsed ms"));
}

}  // namespace

using dll_trace = dll_test;

TEST_F(dll_trace, open_block_has_windows_line_ends)
{
    debugging(1);
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("run.dat", 1, &error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(read_file_bytes("LOG.TXT"),
              "twopen\r\n"
              "\t(in)  tw_filename = 'run.dat'\r\n"
              "\t(in)  tw_mode     = 1\r\n"
              "\t(out) tw_handle   = 1\r\n"
              "\t(out) tw_error    = 0\r\n");
    close_linkage(handle);
}

TEST_F(dll_trace, failed_calls_trace_unsigned_values_and_untouched_outputs)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("run.dat", 1, &error);
    debugging(1);
    const std::int32_t language = -1;
    _twsetlanguage(&handle, &language, &error);
    const std::int32_t unknown = 9;
    std::int32_t flow_paths = 42;
    _twgetnumflowpaths(&unknown, &flow_paths, &error);
    debugging(0);
    EXPECT_EQ(read_file_bytes("LOG.TXT"),
              "twsetlanguage\r\n"
              "\t(in)  tw_handle   = 1\r\n"
              "\t(in)  tw_language = 4294967295\r\n"
              "\t(out) tw_error    = 515\r\n"
              "twgetnumflowpaths\r\n"
              "\t(in)  tw_handle  = 9\r\n"
              "\t(in)  numfp      = 42\r\n"
              "\t(out) tw_error   = 513\r\n");
    close_linkage(handle);
}

TEST_F(dll_trace, floats_texts_arrays_and_flow_paths)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("run.dat", 1, &error);
    const std::int32_t one = 1, two = 2, direction = 3;
    _twsetnumsegments(&handle, &one, &error);
    _twsetnumsegconsts(&handle, &one, &error);
    debugging(1);
    const float hour = 1.0f / 24.0f;
    _twsethydtimestep(&handle, &hour, &error);
    const std::int32_t zero = 0;
    _twsetsegname(&handle, &zero, "I=1 J=1 K=1", &error);
    const float values[1] = {2.5f};
    _twsetseginfo(&handle, &zero, values, &error);
    _twsetflowpath(&handle, &zero, &one, &two, &direction, &error);
    debugging(0);
    EXPECT_EQ(read_file_bytes("LOG.TXT"),
              "twsethydtimestep\r\n"
              "\t(in)  tw_handle    = 1\r\n"
              "\t(in)  timestep     = 0.0416667\r\n"
              "\t(out) tw_error     = 0\r\n"
              "twsetsegname\r\n"
              "\t(in)  tw_handle     = 1\r\n"
              "\t(in)  segment_index = 0\r\n"
              "\t(in)  segment_name  = I=1 J=1 K=1\r\n"
              "\t(out) tw_error      = 0\r\n"
              "twsetseginfo\r\n"
              "\t(in)  tw_handle     = 1\r\n"
              "\t(in)  segconstindex = 0\r\n"
              "\t(in)  values        = [array]\r\n"
              "\t(out) tw_error      = 0\r\n"
              "twsetflowpath\r\n"
              "\t(in)  tw_handle    = 1\r\n"
              "\t(in)  flow_index   = 0\r\n"
              "\t(in)  from_seg     = 1\r\n"
              "\t(in)  to_seg       = 2\r\n"
              "\t(out) tw_error     = 517\r\n");
    close_linkage(handle);
}

TEST_F(dll_trace, moment_text_and_last_error_lines)
{
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("run.dat", 1, &error);
    const std::int32_t month = 7, day = 4, year = 2001, hour = 10, minute = 5, second = 9;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    debugging(1);
    std::int32_t m, d, y, h, mi, s;
    float elapsed = -1.0f;
    char date[32];
    _twgetseedmoment(&handle, &m, &d, &y, &h, &mi, &s, &elapsed, date, &error);
    char text[256];
    _twgetlasterror(text);
    debugging(0);
    EXPECT_EQ(read_file_bytes("LOG.TXT"),
              "twgetseedmoment\r\n"
              "\t(in)   tw_handle    = 1\r\n"
              "\t(out)  month        = 7\r\n"
              "\t(out)  day          = 4\r\n"
              "\t(out)  year         = 2001\r\n"
              "\t(out)  hour         = 10\r\n"
              "\t(out)  minute       = 5\r\n"
              "\t(out)  second       = 9\r\n"
              "\t(out)  elapsed_days = 0\r\n"
              "\t(out)  description  = 7/4/2001 10:05:09\r\n"
              "\t(out)  tw_error     = 0\r\n"
              "twgetlasterror\r\n"
              "\t(out) message = No error\r\n");
    close_linkage(handle);
}

TEST_F(dll_trace, whole_log_of_a_traced_run_has_no_bare_line_feed)
{
    debugging(1);
    std::int32_t error = -1;
    const std::int32_t handle = open_linkage("run.dat", 1, &error);
    const std::int32_t id = 3;
    _twadddescription(&handle, &id, "two\nlines", &error);
    close_linkage(handle);
    const std::string log = read_file_bytes("LOG.TXT");
    EXPECT_NE(trace_part(log).find("\t(in)  description = two\r\nlines\r\n"), std::string::npos) << log;
    EXPECT_FALSE(has_bare_line_feed(log)) << log;
}
