#include "win32_last_error.h"
#include "win32_file.h"

#include <cerrno>

namespace {
thread_local DWORD last_error = NO_ERROR;
}

void set_last_error(DWORD code)
{
    last_error = code;
}

DWORD GetLastError()
{
    return last_error;
}

DWORD error_code_from_errno(int posix_error)
{
    switch (posix_error) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return ERROR_PATH_NOT_FOUND;
        case EMFILE:
        case ENFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return ERROR_ACCESS_DENIED;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case EWOULDBLOCK:
            return ERROR_SHARING_VIOLATION;
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return ERROR_DISK_FULL;
        case EIO:
            return ERROR_READ_FAULT;
        default:
            return ERROR_INVALID_PARAMETER;
    }
}
