/* The public header used from plain C: a file written and read back through a
 * few exports. Runs in a directory of its own (LOG.TXT goes there). Exits with
 * 0 when every check holds. */
#include <stdio.h>
#include <string.h>

#include "tidewire.h"

static int failures = 0;

static void check(int condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "failed: %s\n", what);
        ++failures;
    }
}

/* The text of a close of an unknown handle. It begins with the path under
 * which the session unit was compiled, which this file's own path gives, and
 * is cut at 255 characters like every failure text. */
static void unknown_handle_close_text(char* text, size_t size, int32_t handle)
{
    const char* here = __FILE__;
    const char* tail = "tidewire/tests/api_c_test.c";
    const size_t tree = strlen(here) - strlen(tail);
    check(strlen(here) >= strlen(tail) && strcmp(here + tree, tail) == 0, "this file compiled under the tree");
    snprintf(text, size, "%.*stidewire/twsession.cpp (62) : tidewire_session::close : %d", (int)tree, here,
             (int)handle);
}

int main(void)
{
    const int32_t write_mode = 1, read_mode = 0, segments = 4, index = 2;
    int32_t handle = 0, error = -1, count = 0;
    char name[32];
    char text[256], expected[256];

    _twopen("c_test.lnk", &write_mode, &handle, &error);
    check(error == 0 && handle == 1, "open for writing");
    _twsetnumsegments(&handle, &segments, &error);
    _twsetsegname(&handle, &index, "I=3 J=1 K=1", &error);
    check(error == 0, "segment name set");
    _twclose(&handle, &error);
    check(error == 0, "close of the writer");

    _twopen("c_test.lnk", &read_mode, &handle, &error);
    check(error == 0, "open for reading");
    _twgetnumsegments(&handle, &count, &error);
    check(error == 0 && count == segments, "segment count read back");
    _twgetsegname(&handle, &index, name, &error);
    check(error == 0 && strcmp(name, "I=3 J=1 K=1") == 0, "segment name read back");
    _twclose(&handle, &error);
    _twclose(&handle, &error);
    check(error == 513, "second close of one handle");
    _twgetlasterror(text);
    unknown_handle_close_text(expected, sizeof expected, handle);
    check(strcmp(text, expected) == 0, "last-error text of the second close");

    return failures == 0 ? 0 : 1;
}
