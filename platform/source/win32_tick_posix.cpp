#include "win32_tick.h"

#include <ctime>

DWORD GetTickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<unsigned long long>(now.tv_sec) * 1000ull +
                              static_cast<unsigned long long>(now.tv_nsec) / 1000000ull;
    // The counter wraps like the system's own: modulo 2^32.
    return static_cast<DWORD>(milliseconds);
}
