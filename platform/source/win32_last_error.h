// The calling thread's last error code, shared by the POSIX stand-ins of the
// Windows calls.
#ifndef TIDEWIRE_PLATFORM_WIN32_LAST_ERROR_H
#define TIDEWIRE_PLATFORM_WIN32_LAST_ERROR_H

#include "win32_types.h"

void set_last_error(DWORD code);

// The Windows error code closest to a POSIX errno value.
DWORD error_code_from_errno(int posix_error);

#endif
