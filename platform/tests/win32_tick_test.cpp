#include "win32_tick.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// The counter advances in milliseconds and never goes back within a run. It
// may step as coarsely as the system's own (up to 16 ms), so an interval
// reads at most one step short.
TEST(TickCount, AdvancesInMilliseconds)
{
    const DWORD before = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const DWORD after = GetTickCount();
    // Differences are taken modulo 2^32, as the call timing takes them.
    const DWORD elapsed = after - before;
    EXPECT_GE(elapsed, 34u);
    EXPECT_LT(elapsed, 60000u);
}
