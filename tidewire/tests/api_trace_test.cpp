// The debug trace in LOG.TXT: one block per traced call, labels exactly as
// each export has them, values read from the caller's addresses after the
// call.
#include <cstring>

#include "api_test_support.h"

namespace {

class api_trace : public api_test {
protected:
    void debug(int32_t on) { _twsetdebug(&on); }

    int32_t error = -1;
};

TEST_F(api_trace, open_traces_its_four_arguments)
{
    debug(1);
    int32_t mode = 1, handle = 0;
    _twopen("run.dat", &mode, &handle, &error);
    EXPECT_EQ(log_text(),
              "twopen\n"
              "\t(in)  tw_filename = 'run.dat'\n"
              "\t(in)  tw_mode     = 1\n"
              "\t(out) tw_handle   = 1\n"
              "\t(out) tw_error    = 0\n");
}

TEST_F(api_trace, failed_open_traces_the_callers_handle_unchanged)
{
    debug(1);
    int32_t mode = -1, handle = -2;
    _twopen("x", &mode, &handle, &error);
    EXPECT_EQ(log_text(),
              "twopen\n"
              "\t(in)  tw_filename = 'x'\n"
              "\t(in)  tw_mode     = 4294967295\n"
              "\t(out) tw_handle   = 4294967294\n"
              "\t(out) tw_error    = 512\n");
}

TEST_F(api_trace, debug_switches_are_never_traced_and_nothing_is_traced_when_off)
{
    int32_t flag = 0;
    debug(0);
    const int32_t handle = open_ok("a.lnk", 1);
    int32_t count = 0;
    _twgetnumsegments(&handle, &count, &error);
    _twgetdebug(&flag);
    debug(1);
    _twgetdebug(&flag);
    debug(0);
    EXPECT_FALSE(file_exists("LOG.TXT"));
}

TEST_F(api_trace, diagnostics_trace_their_message)
{
    debug(1);
    _twsetlasterror("abc");
    char text[16];
    _twgetlasterror(text);
    EXPECT_EQ(log_text(),
              "twsetlasterror\n"
              "\t(in) message = abc\n"
              "twgetlasterror\n"
              "\t(out) message = abc\n");
}

TEST_F(api_trace, integers_print_unsigned_and_failures_show_their_code)
{
    const int32_t handle = open_ok("a.lnk", 1);
    debug(1);
    const int32_t language = -1;
    _twsetlanguage(&handle, &language, &error);
    EXPECT_EQ(error, 515);
    EXPECT_EQ(log_text(),
              "twsetlanguage\n"
              "\t(in)  tw_handle   = 1\n"
              "\t(in)  tw_language = 4294967295\n"
              "\t(out) tw_error    = 515\n");
}

TEST_F(api_trace, an_unknown_handle_traces_the_outputs_the_caller_passed)
{
    debug(1);
    const int32_t handle = 5, index = 1;
    int32_t from = 11, to = -3, direction = 99;
    _twgetflowpath(&handle, &index, &from, &to, &direction, &error);
    EXPECT_EQ(log_text(),
              "twgetflowpath\n"
              "\t(in)  tw_handle    = 5\n"
              "\t(in)  flow_index   = 1\n"
              "\t(out) from_seg     = 11\n"
              "\t(out) to_seg       = 4294967293\n"
              "\t(out) tw_error     = 513\n");
}

TEST_F(api_trace, three_getters_label_their_output_in)
{
    const int32_t handle = open_ok("a.lnk", 1);
    const int32_t two = 2;
    const float step = 0.5f;
    _twsetnumflowpaths(&handle, &two, &error);
    _twsetnumsegconsts(&handle, &two, &error);
    _twsethydtimestep(&handle, &step, &error);
    debug(1);
    int32_t count = 0;
    float value = 0.0f;
    _twgetnumflowpaths(&handle, &count, &error);
    _twgetnumsegconsts(&handle, &count, &error);
    _twgethydtimestep(&handle, &value, &error);
    EXPECT_EQ(log_text(),
              "twgetnumflowpaths\n"
              "\t(in)  tw_handle  = 1\n"
              "\t(in)  numfp      = 2\n"
              "\t(out) tw_error   = 0\n"
              "twgetnumsegconsts\n"
              "\t(in)  tw_handle  = 1\n"
              "\t(in)  numsc      = 2\n"
              "\t(out) tw_error   = 0\n"
              "twgethydtimestep\n"
              "\t(in)  tw_handle    = 1\n"
              "\t(in)  timestep     = 0.5\n"
              "\t(out) tw_error     = 0\n");
}

TEST_F(api_trace, flow_path_exports_leave_out_the_direction)
{
    const int32_t handle = open_ok("a.lnk", 1);
    const int32_t one = 1;
    _twsetnumflowpaths(&handle, &one, &error);
    debug(1);
    const int32_t index = 0, from = 3, to = 7, direction = 2;
    _twsetflowpath(&handle, &index, &from, &to, &direction, &error);
    int32_t got_from = 0, got_to = 0, got_direction = 0;
    _twgetflowpath(&handle, &index, &got_from, &got_to, &got_direction, &error);
    EXPECT_EQ(got_direction, 2);
    EXPECT_EQ(log_text(),
              "twsetflowpath\n"
              "\t(in)  tw_handle    = 1\n"
              "\t(in)  flow_index   = 0\n"
              "\t(in)  from_seg     = 3\n"
              "\t(in)  to_seg       = 7\n"
              "\t(out) tw_error     = 0\n"
              "twgetflowpath\n"
              "\t(in)  tw_handle    = 1\n"
              "\t(in)  flow_index   = 0\n"
              "\t(out) from_seg     = 3\n"
              "\t(out) to_seg       = 7\n"
              "\t(out) tw_error     = 0\n");
}

TEST_F(api_trace, value_arrays_print_no_contents)
{
    const int32_t handle = open_ok("a.lnk", 1);
    const int32_t one = 1, zero = 0;
    _twsetnumsegments(&handle, &one, &error);
    _twsetnumsegconsts(&handle, &one, &error);
    debug(1);
    float values[1] = {4.5f};
    _twsetseginfo(&handle, &zero, values, &error);
    _twgetseginfo(&handle, &zero, values, &error);
    EXPECT_EQ(log_text(),
              "twsetseginfo\n"
              "\t(in)  tw_handle     = 1\n"
              "\t(in)  segconstindex = 0\n"
              "\t(in)  values        = [array]\n"
              "\t(out) tw_error      = 0\n"
              "twgetseginfo\n"
              "\t(in)  tw_handle     = 1\n"
              "\t(in)  segconstindex = 0\n"
              "\t(out) values        = [array]\n"
              "\t(out) tw_error      = 0\n");
}

TEST_F(api_trace, seed_moment_traces_floats_in_general_format_and_the_text_bare)
{
    const int32_t handle = open_ok("a.lnk", 1);
    const int32_t month = 7, day = 4, year = 2001, hour = 10, minute = 5, second = 9;
    _twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error);
    debug(1);
    int32_t m, d, y, h, mi, s;
    float days = -1.0f;
    char text[32];
    _twgetseedmoment(&handle, &m, &d, &y, &h, &mi, &s, &days, text, &error);
    EXPECT_EQ(log_text(),
              "twgetseedmoment\n"
              "\t(in)   tw_handle    = 1\n"
              "\t(out)  month        = 7\n"
              "\t(out)  day          = 4\n"
              "\t(out)  year         = 2001\n"
              "\t(out)  hour         = 10\n"
              "\t(out)  minute       = 5\n"
              "\t(out)  second       = 9\n"
              "\t(out)  elapsed_days = 0\n"
              "\t(out)  description  = 7/4/2001 10:05:09\n"
              "\t(out)  tw_error     = 0\n");
}

TEST_F(api_trace, floats_print_with_six_significant_digits)
{
    const int32_t handle = open_ok("a.lnk", 1);
    debug(1);
    for (float step : {1.0f / 24.0f, 3600.0f, 1234567.0f, 0.0001f}) {
        _twsettimestep(&handle, &step, &error);
    }
    const std::string log = log_text();
    EXPECT_NE(log.find("\t(in)  value         = 0.0416667\n"), std::string::npos);
    EXPECT_NE(log.find("\t(in)  value         = 3600\n"), std::string::npos);
    EXPECT_NE(log.find("\t(in)  value         = 1.23457e+06\n"), std::string::npos);
    EXPECT_NE(log.find("\t(in)  value         = 0.0001\n"), std::string::npos);
}

TEST_F(api_trace, a_failed_text_output_is_never_read_from_the_callers_buffer)
{
    const int32_t handle = open_ok("a.lnk", 1);
    debug(1);
    // A buffer with no NUL in it: reading it as a text would run past its end
    // (the sanitizer build would catch that).
    char* name = new char[4];
    std::memcpy(name, "abcd", 4);
    const int32_t index = 5;
    _twgetsegname(&handle, &index, name, &error);
    EXPECT_EQ(error, 517);
    EXPECT_EQ(std::memcmp(name, "abcd", 4), 0);
    EXPECT_EQ(log_text(),
              "twgetsegname\n"
              "\t(in)  tw_handle     = 1\n"
              "\t(in)  segment_index = 5\n"
              "\t(out) segment_name  = [unchanged]\n"
              "\t(out) tw_error      = 517\n");
    delete[] name;
}

TEST_F(api_trace, description_and_moment_blocks_of_the_other_layouts)
{
    const int32_t handle = open_ok("a.lnk", 1);
    debug(1);
    const int32_t type = 3, first = 0;
    _twadddescription(&handle, &type, "grid run", &error);
    int32_t got_type = 0;
    char text[32];
    _twgetdescription(&handle, &first, &got_type, text, &error);
    int32_t m, d, y, h, mi, s;
    float days = -1.0f;
    _twgetnthmoment(&handle, &first, &m, &d, &y, &h, &mi, &s, &days, text, &error);
    _twgetcurrentmoment(&handle, &m, &d, &y, &h, &mi, &s, &days, text, &error);
    EXPECT_EQ(log_text(),
              "twadddescription\n"
              "\t(in)  tw_handle   = 1\n"
              "\t(in)  id          = 3\n"
              "\t(in)  description = grid run\n"
              "\t(out) tw_error    = 0\n"
              "twgetdescription\n"
              "\t(in)  tw_handle   = 1\n"
              "\t(in)  desc_index  = 0\n"
              "\t(out) id          = 3\n"
              "\t(out) description = grid run\n"
              "\t(out) tw_error    = 0\n"
              "twgetnthmoment\n"
              "\t(in) tw_handle    = 1\n"
              "\t(in) moment_index = 0\n"
              "\t(out)  month      = 0\n"
              "\t(out)  day        = 0\n"
              "\t(out)  year       = 0\n"
              "\t(out)  hour       = 0\n"
              "\t(out)  minute     = 0\n"
              "\t(out)  second     = 0\n"
              "\t(out)  elapsed_days = 0\n"
              "\t(out)  description  = 0/0/0 0:00:00\n"
              "\t(out)  tw_error   = 0\n"
              "twgetcurrentmoment\n"
              "\t(in)  tw_handle   = 1\n"
              "\t(out)  month      = 0\n"
              "\t(out)  day        = 0\n"
              "\t(out)  year       = 0\n"
              "\t(out)  hour       = 0\n"
              "\t(out)  minute     = 0\n"
              "\t(out)  second     = 0\n"
              "\t(out)  elapsed_days = 0\n"
              "\t(out)  description  = 0/0/0 0:00:00\n"
              "\t(out)  tw_error   = 0\n");
}

TEST_F(api_trace, close_traces_before_its_summary)
{
    const int32_t handle = open_ok("a.lnk", 1);
    debug(1);
    close_ok(handle);
    EXPECT_PRED2(starts_with, log_text(),
                 "twclose\n"
                 "\t(in)  tw_handle = 1\n"
                 "\t(out) tw_error  = 0\n"
                 "Total elapsed ms from first tidewire call (total runtime): ");
}

}  // namespace
