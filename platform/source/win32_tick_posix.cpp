#include "win32_tick.h"

#include <ctime>

namespace {

// The system's own counter advances in steps of 10 to 16 ms, so a clock that
// steps no coarser than that loses nothing the call timing can show.
constexpr long coarsest_step_nanoseconds = 16 * 1000 * 1000;

// Every export reads the counter twice: the coarse clock is read without
// consulting the hardware timer, at a fraction of the full clock's cost.
clockid_t counter_clock()
{
#if defined(CLOCK_MONOTONIC_COARSE)
    timespec step{};
    if (clock_getres(CLOCK_MONOTONIC_COARSE, &step) == 0 && step.tv_sec == 0 &&
        step.tv_nsec <= coarsest_step_nanoseconds)
        return CLOCK_MONOTONIC_COARSE;
#endif
    return CLOCK_MONOTONIC;
}

}  // namespace

DWORD GetTickCount()
{
    static const clockid_t counter = counter_clock();
    timespec now{};
    clock_gettime(counter, &now);
    const auto milliseconds = static_cast<unsigned long long>(now.tv_sec) * 1000ull +
                              static_cast<unsigned long long>(now.tv_nsec) / 1000000ull;
    // The counter wraps like the system's own: modulo 2^32.
    return static_cast<DWORD>(milliseconds);
}
