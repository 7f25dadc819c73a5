// Runs a program as a child process in a given directory, with a given text
// on its standard input and its standard output in a file, and measures its
// wall time.
//
// The peak resident memory of a child is not taken from wait4: Linux counts
// the resident memory of the process that forked it into the child's peak.
// A program that reports its own peak reads it from /proc/self/status
// (VmHWM, which starts afresh at exec); a program that does not is run under
// run_measuring_peak, a small launcher process whose own size is what the
// child's peak inherits.
#ifndef BENCH_CHILD_PROCESS_H
#define BENCH_CHILD_PROCESS_H

#include <string>
#include <vector>

namespace bench {

struct child_result {
    bool exited_normally = false;
    int exit_status = -1;
    double wall_seconds = 0.0;
};

// `arguments` starts with the program's path. Throws std::runtime_error when
// the child cannot be started.
child_result run_child(const std::vector<std::string>& arguments, const std::string& directory,
                       const std::string& stdin_text, const std::string& stdout_path);

// The launcher: runs `arguments` with this process's standard streams and
// directory, writes the child's peak resident memory in KiB (wait4's
// ru_maxrss) and, on a second line, its processor seconds (user and system)
// into `result_path`, and returns the child's exit status.
int run_measuring_peak(const std::string& result_path, const std::vector<std::string>& arguments);

// This process's own peak resident memory in KiB (VmHWM), 0 when unknown.
long own_peak_rss_kib();

// The processor seconds (user and system) this process has used so far.
double own_cpu_seconds();

// The path of the running program.
std::string own_program_path();

}  // namespace bench

#endif
