// The millisecond tick counter behind the call timing: milliseconds since an
// arbitrary fixed start, as an unsigned 32-bit count that wraps after about
// 49.7 days. It never runs backwards, whatever happens to the wall clock, and
// like the system's own it may advance in steps of several milliseconds (at
// most 16).
#ifndef TIDEWIRE_PLATFORM_WIN32_TICK_H
#define TIDEWIRE_PLATFORM_WIN32_TICK_H

#include "win32_types.h"

#if !defined(_WIN32)
DWORD GetTickCount();
#endif

#endif
