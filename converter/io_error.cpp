#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "run_stop.h"

void io_error()
{
    if (bentha_input.iostatus == 0) return;
    console::write(freeform_line() << "Error: IO STATUS " << bentha_input.iostatus);
    console::write(freeform_line() << "   with file: " << bentha_input.filepath);
    stop_run(0);
}
