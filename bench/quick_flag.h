// The benchmarks' own --quick flag, taken out of the command line before
// Google Benchmark sees the rest.
#ifndef BENCH_QUICK_FLAG_H
#define BENCH_QUICK_FLAG_H

namespace bench {

// Removes every --quick from argv (shortening argc); true when there was one.
bool take_quick_flag(int& argc, char** argv);

}  // namespace bench

#endif
