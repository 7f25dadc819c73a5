// Ending the run. Output already written (console and open files) is flushed
// first.
//   stop_run()   - the converter's own stops: exit status 0
//   stop_run(2)  - read errors and NetCDF failures: exit status 2
#pragma once

[[noreturn]] void stop_run(int exit_status = 0);
