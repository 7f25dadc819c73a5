#include "sample_linkage.h"

#include <string.h>

#include "tidewire.h"

enum {
    segment_count = 3,
    segment_constituent_count = 3,
    flow_path_count = 4,
    flow_constituent_count = 2,
    moment_count = 3
};

static const char* const segment_names[segment_count] = {"I=1 J=1 K=1", "I=2 J=1 K=1", "I=2 J=2 K=2"};
static const int32_t segment_constituent_types[segment_constituent_count] = {1, 2, 4};
static const int32_t flow_constituent_types[flow_constituent_count] = {1, 3};
/* from_seg, to_seg, direction; segment 0 stands for the boundary. */
static const int32_t flow_paths[flow_path_count][3] = {{1, 2, 1}, {2, 3, 2}, {3, 0, 3}, {0, 1, 1}};
static const int32_t description_types[2] = {1, 2};
static const char* const description_texts[2] = {"Sample run", "Written by the exchange test"};
static const float hour_in_days = 1.0f / 24.0f;

/* Values of moment m (from 0), constituent c and element e: distinct and
 * exact in a 4-byte float. */
static float segment_value(int m, int c, int e)
{
    return (float)(m * 100 + c * 10 + e) + 0.25f;
}
static float flow_value(int m, int c, int e)
{
    return -0.5f * (float)(m * 100 + c * 10 + e);
}

int write_sample_linkage(const char* path)
{
    const int32_t write_mode = 1, language = 1, creator = 1;
    const int32_t month = 7, day = 4, year = 2001, hour = 10, minute = 5, second = 9;
    const int32_t fixed_step = 0, ratio = 120, layers = 2;
    const float hyd_time_step = 30.0f, update_interval = 0.5f;
    const int32_t nseg = segment_count, nsc = segment_constituent_count;
    const int32_t nfp = flow_path_count, nfpc = flow_constituent_count;
    int32_t handle = 0, error = 0, close_error = 0;
    int32_t i, m;

    _twopen(path, &write_mode, &handle, &error);
    if (error) {
        _twclose(&handle, &close_error);
        return error;
    }
#define CALL(expr)            \
    do {                      \
        expr;                 \
        if (error) goto done; \
    } while (0)
    CALL(_twsetlanguage(&handle, &language, &error));
    CALL(_twsetcreator(&handle, &creator, &error));
    CALL(_twsetseedmoment(&handle, &month, &day, &year, &hour, &minute, &second, &error));
    CALL(_twsetvartimestep(&handle, &fixed_step, &error));
    CALL(_twsethydtimestep(&handle, &hyd_time_step, &error));
    CALL(_twsetupdateint(&handle, &update_interval, &error));
    CALL(_twsethydtokelvaratio(&handle, &ratio, &error));
    CALL(_twsetnumlayers(&handle, &layers, &error));
    for (i = 0; i < 2; ++i) CALL(_twadddescription(&handle, &description_types[i], description_texts[i], &error));
    CALL(_twsetnumsegments(&handle, &nseg, &error));
    CALL(_twsetnumsegconsts(&handle, &nsc, &error));
    CALL(_twsetnumflowpaths(&handle, &nfp, &error));
    CALL(_twsetnumfpconsts(&handle, &nfpc, &error));
    for (i = 1; i <= segment_count; ++i) CALL(_twsetsegname(&handle, &i, segment_names[i - 1], &error));
    for (i = 1; i <= segment_constituent_count; ++i)
        CALL(_twsetsegconsttype(&handle, &i, &segment_constituent_types[i - 1], &error));
    for (i = 1; i <= flow_constituent_count; ++i)
        CALL(_twsetfpconsttype(&handle, &i, &flow_constituent_types[i - 1], &error));
    for (i = 1; i <= flow_path_count; ++i)
        CALL(_twsetflowpath(&handle, &i, &flow_paths[i - 1][0], &flow_paths[i - 1][1], &flow_paths[i - 1][2], &error));
    for (m = 0; m < moment_count; ++m) {
        float segment_values[segment_count], flow_values[flow_path_count];
        int32_t c, e;
        for (c = 1; c <= segment_constituent_count; ++c) {
            for (e = 0; e < segment_count; ++e) segment_values[e] = segment_value(m, c, e);
            CALL(_twsetseginfo(&handle, &c, segment_values, &error));
        }
        for (c = 1; c <= flow_constituent_count; ++c) {
            for (e = 0; e < flow_path_count; ++e) flow_values[e] = flow_value(m, c, e);
            CALL(_twsetflowinfo(&handle, &c, flow_values, &error));
        }
        CALL(_twsettimestep(&handle, &hour_in_days, &error));
        CALL(_twmomentcomplete(&handle, &error));
    }
#undef CALL
done:
    _twclose(&handle, &close_error);
    return error ? error : close_error;
}

struct checker {
    FILE* report;
    int differences;
};

static void expect_int(struct checker* check, const char* what, int32_t actual, int32_t expected)
{
    if (actual == expected) return;
    fprintf(check->report, "%s: %ld instead of %ld\n", what, (long)actual, (long)expected);
    ++check->differences;
}

/* Floats are compared by their bits: the sample's values are exact. */
static void expect_float(struct checker* check, const char* what, float actual, float expected)
{
    if (memcmp(&actual, &expected, sizeof actual) == 0) return;
    fprintf(check->report, "%s: %.9g instead of %.9g\n", what, (double)actual, (double)expected);
    ++check->differences;
}

static void expect_text(struct checker* check, const char* what, const char* actual, const char* expected)
{
    if (strcmp(actual, expected) == 0) return;
    fprintf(check->report, "%s: '%s' instead of '%s'\n", what, actual, expected);
    ++check->differences;
}

static void check_header(struct checker* check, const int32_t* handle)
{
    int32_t value = -1, error = 0, i;
    int32_t month, day, year, hour, minute, second;
    float number = -1.0f, elapsed;
    char text[256];

    _twgetcreator(handle, &value, &error);
    expect_int(check, "creator", value, 1);
    _twgetseedmoment(handle, &month, &day, &year, &hour, &minute, &second, &elapsed, text, &error);
    expect_text(check, "seed moment", text, "7/4/2001 10:05:09");
    _twgetvartimestep(handle, &value, &error);
    expect_int(check, "variable time step", value, 0);
    _twgethydtimestep(handle, &number, &error);
    expect_float(check, "hydrodynamic time step", number, 30.0f);
    _twgetupdateint(handle, &number, &error);
    expect_float(check, "update interval", number, 0.5f);
    _twgethydtokelvaratio(handle, &value, &error);
    expect_int(check, "ratio", value, 120);
    _twgetnumlayers(handle, &value, &error);
    expect_int(check, "layers", value, 2);
    _twgetnummoments(handle, &value, &error);
    expect_int(check, "moments", value, moment_count);
    _twgetnumdescriptions(handle, &value, &error);
    expect_int(check, "descriptions", value, 2);
    for (i = 1; i <= 2; ++i) {
        int32_t type = -1;
        text[0] = '\0';
        _twgetdescription(handle, &i, &type, text, &error);
        expect_int(check, "description type", type, description_types[i - 1]);
        expect_text(check, "description", text, description_texts[i - 1]);
    }
    _twgetnumsegments(handle, &value, &error);
    expect_int(check, "segments", value, segment_count);
    for (i = 1; i <= segment_count; ++i) {
        text[0] = '\0';
        _twgetsegname(handle, &i, text, &error);
        expect_text(check, "segment name", text, segment_names[i - 1]);
    }
    _twgetnumsegconsts(handle, &value, &error);
    expect_int(check, "segment constituents", value, segment_constituent_count);
    for (i = 1; i <= segment_constituent_count; ++i) {
        _twgetsegconsttype(handle, &i, &value, &error);
        expect_int(check, "segment constituent type", value, segment_constituent_types[i - 1]);
    }
    _twgetnumfpconsts(handle, &value, &error);
    expect_int(check, "flow constituents", value, flow_constituent_count);
    for (i = 1; i <= flow_constituent_count; ++i) {
        _twgetfpconsttype(handle, &i, &value, &error);
        expect_int(check, "flow constituent type", value, flow_constituent_types[i - 1]);
    }
    _twgetnumflowpaths(handle, &value, &error);
    expect_int(check, "flow paths", value, flow_path_count);
    for (i = 1; i <= flow_path_count; ++i) {
        int32_t from = -1, to = -1, direction = -1;
        _twgetflowpath(handle, &i, &from, &to, &direction, &error);
        expect_int(check, "flow path from", from, flow_paths[i - 1][0]);
        expect_int(check, "flow path to", to, flow_paths[i - 1][1]);
        expect_int(check, "flow path direction", direction, flow_paths[i - 1][2]);
    }
    _twgetendmoment(handle, &month, &day, &year, &hour, &minute, &second, &elapsed, text, &error);
    expect_text(check, "end moment", text, "7/4/2001 12:05:09");
}

static void check_moments(struct checker* check, const int32_t* handle)
{
    int32_t m, c, e, error = 0;
    for (m = 0; m < moment_count; ++m) {
        float segment_values[segment_count], flow_values[flow_path_count], step = -1.0f;
        for (c = 1; c <= segment_constituent_count; ++c) {
            memset(segment_values, 0, sizeof segment_values);
            _twgetseginfo(handle, &c, segment_values, &error);
            for (e = 0; e < segment_count; ++e)
                expect_float(check, "segment value", segment_values[e], segment_value(m, c, e));
        }
        for (c = 1; c <= flow_constituent_count; ++c) {
            memset(flow_values, 0, sizeof flow_values);
            _twgetflowinfo(handle, &c, flow_values, &error);
            for (e = 0; e < flow_path_count; ++e)
                expect_float(check, "flow value", flow_values[e], flow_value(m, c, e));
        }
        _twgettimestep(handle, &step, &error);
        expect_float(check, "time step", step, hour_in_days);
        _twmomentcomplete(handle, &error);
        expect_int(check, "moment complete", error, 0);
    }
}

int check_sample_linkage(const char* path, FILE* report)
{
    const int32_t read_mode = 0, language = 1;
    int32_t handle = 0, error = 0;
    struct checker check = {report, 0};
    char text[256];

    _twopen(path, &read_mode, &handle, &error);
    if (error) {
        _twgetlasterror(text);
        fprintf(report, "%s: cannot open: %s\n", path, text);
        _twclose(&handle, &error);
        return -1;
    }
    _twsetlanguage(&handle, &language, &error);
    check_header(&check, &handle);
    check_moments(&check, &handle);
    _twclose(&handle, &error);
    if (error) {
        _twgetlasterror(text);
        fprintf(report, "%s: cannot close: %s\n", path, text);
        return -1;
    }
    return check.differences;
}
