// torvautil: turns a TORVA linkage file and its grid input files into the
// BENTHA grid and time input files and one NetCDF file per variable.
#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "run_steps.h"
#include "run_stop.h"
#include "standard_streams.h"

int main()
{
    use_binary_standard_streams();
    setpath();
    readcontrolfile();
    console::write(freeform_line() << "calling getHydGridData");
    gethydgriddata();
    console::write(freeform_line() << "calling convertInput");
    convertinput();
    console::write(freeform_line() << "calling tidewire_read");
    tidewire_read();
    console::write(freeform_line() << "calling timedata");
    timedata();
    console::write(freeform_line() << "calling modeldimtxt");
    modeldimtxt();
    stop_run(0);
}
