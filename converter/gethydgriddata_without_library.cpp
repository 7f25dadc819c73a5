// Stand-in for the first pass in a tree whose linkage library is not built:
// the run stops with a message instead of failing to link.
#include <cstdio>

#include "flowgrid.h"
#include "run_stop.h"

void gethydgriddata()
{
    std::fprintf(stderr, "Error: torvautil was built without the tidewire library\n");
    stop_run(2);
}
