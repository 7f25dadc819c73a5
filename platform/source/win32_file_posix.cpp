// The Windows file calls over POSIX descriptors. A HANDLE carries the
// descriptor number itself, so INVALID_HANDLE_VALUE is descriptor -1.
#include "win32_file.h"
#include "win32_last_error.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int descriptor_of(HANDLE handle)
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(handle));
}

HANDLE handle_of(int descriptor)
{
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(descriptor));
}

BOOL fail_with_errno()
{
    set_last_error(error_code_from_errno(errno));
    return FALSE;
}

int open_flags(DWORD desired_access, DWORD creation_disposition)
{
    const bool reads = (desired_access & GENERIC_READ) != 0;
    const bool writes = (desired_access & GENERIC_WRITE) != 0;
    // Non-blocking only while opening: a FIFO would otherwise wait for a peer.
    int flags = O_CLOEXEC | O_NONBLOCK;
    if (reads && writes)
        flags |= O_RDWR;
    else if (writes)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    // Never O_TRUNC: CREATE_ALWAYS empties the file only once the share lock
    // is held, so a refused open leaves another handle's file intact.
    if (creation_disposition != OPEN_EXISTING) flags |= O_CREAT;
    return flags;
}

// flock locks belong to the open file description, so two opens of one file in
// one process conflict as two processes would. A handle that only reads and
// lets others read takes a shared lock; every other handle an exclusive one.
int lock_kind(DWORD desired_access, DWORD share_mode)
{
    const bool read_only = desired_access == GENERIC_READ;
    const bool shares_reading = (share_mode & FILE_SHARE_READ) != 0;
    return read_only && shares_reading ? LOCK_SH : LOCK_EX;
}

}  // namespace

HANDLE CreateFileA(LPCSTR file_name, DWORD desired_access, DWORD share_mode,
                   LPSECURITY_ATTRIBUTES /*security_attributes*/, DWORD creation_disposition,
                   DWORD /*flags_and_attributes*/, HANDLE /*template_file*/)
{
    if (file_name == nullptr || (desired_access & (GENERIC_READ | GENERIC_WRITE)) == 0 ||
        (creation_disposition != CREATE_ALWAYS && creation_disposition != OPEN_EXISTING &&
         creation_disposition != OPEN_ALWAYS)) {
        set_last_error(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }

    int descriptor;
    do {
        descriptor = ::open(file_name, open_flags(desired_access, creation_disposition), 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        fail_with_errno();
        return INVALID_HANDLE_VALUE;
    }

    auto refuse = [descriptor](DWORD code) {
        ::close(descriptor);
        set_last_error(code);
        return INVALID_HANDLE_VALUE;
    };

    // A directory opens under POSIX but is no file to read or write.
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return refuse(error_code_from_errno(errno));
    if (S_ISDIR(status.st_mode)) return refuse(ERROR_ACCESS_DENIED);

    // Reads and writes wait for their data again, as ReadFile and WriteFile do.
    const int status_flags = ::fcntl(descriptor, F_GETFL);
    if (status_flags < 0 || ::fcntl(descriptor, F_SETFL, status_flags & ~O_NONBLOCK) != 0)
        return refuse(error_code_from_errno(errno));

    int locked;
    do {
        locked = ::flock(descriptor, lock_kind(desired_access, share_mode) | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) return refuse(errno == EWOULDBLOCK ? ERROR_SHARING_VIOLATION : error_code_from_errno(errno));

    if (creation_disposition == CREATE_ALWAYS && ::ftruncate(descriptor, 0) != 0)
        return refuse(error_code_from_errno(errno));

    set_last_error(NO_ERROR);
    return handle_of(descriptor);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytes_to_read, LPDWORD bytes_read, LPOVERLAPPED /*overlapped*/)
{
    if (bytes_read != nullptr) *bytes_read = 0;
    auto* destination = static_cast<unsigned char*>(buffer);
    DWORD done = 0;
    // A regular file gives everything in one call; the loop only covers
    // interrupted or partial transfers. 0 bytes means the end of the file.
    while (done < bytes_to_read) {
        const ssize_t got = ::read(descriptor_of(file), destination + done, bytes_to_read - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            return fail_with_errno();
        }
        if (got == 0) break;
        done += static_cast<DWORD>(got);
        if (bytes_read != nullptr) *bytes_read = done;
    }
    if (bytes_to_read == 0 && ::fcntl(descriptor_of(file), F_GETFD) < 0) return fail_with_errno();
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytes_to_write, LPDWORD bytes_written, LPOVERLAPPED /*overlapped*/)
{
    if (bytes_written != nullptr) *bytes_written = 0;
    const auto* source = static_cast<const unsigned char*>(buffer);
    DWORD done = 0;
    while (done < bytes_to_write) {
        const ssize_t put = ::write(descriptor_of(file), source + done, bytes_to_write - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return fail_with_errno();
        }
        // A write that takes nothing would otherwise be retried forever.
        if (put == 0) {
            set_last_error(ERROR_WRITE_FAULT);
            return FALSE;
        }
        done += static_cast<DWORD>(put);
        if (bytes_written != nullptr) *bytes_written = done;
    }
    if (bytes_to_write == 0 && ::fcntl(descriptor_of(file), F_GETFD) < 0) return fail_with_errno();
    return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance_low, PLONG distance_high, DWORD move_method)
{
    std::int64_t distance = distance_low;
    if (distance_high != nullptr) {
        const std::uint64_t bits = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(*distance_high)) << 32) |
                                   static_cast<std::uint32_t>(distance_low);
        distance = static_cast<std::int64_t>(bits);
    }

    int whence;
    switch (move_method) {
        case FILE_BEGIN:
            whence = SEEK_SET;
            break;
        case FILE_CURRENT:
            whence = SEEK_CUR;
            break;
        case FILE_END:
            whence = SEEK_END;
            break;
        default:
            set_last_error(ERROR_INVALID_PARAMETER);
            return INVALID_SET_FILE_POINTER;
    }

    const int descriptor = descriptor_of(file);
    if (distance_high == nullptr) {
        // Without a high half the result must fit 32 bits; refuse otherwise
        // and leave the position where it was.
        const off_t before = ::lseek(descriptor, 0, SEEK_CUR);
        if (before < 0) {
            fail_with_errno();
            return INVALID_SET_FILE_POINTER;
        }
        const off_t after = ::lseek(descriptor, static_cast<off_t>(distance), whence);
        if (after < 0) {
            set_last_error(errno == EINVAL ? ERROR_NEGATIVE_SEEK : error_code_from_errno(errno));
            return INVALID_SET_FILE_POINTER;
        }
        if (after > 0x7FFFFFFF) {
            ::lseek(descriptor, before, SEEK_SET);
            set_last_error(ERROR_INVALID_PARAMETER);
            return INVALID_SET_FILE_POINTER;
        }
        set_last_error(NO_ERROR);
        return static_cast<DWORD>(after);
    }

    const off_t after = ::lseek(descriptor, static_cast<off_t>(distance), whence);
    if (after < 0) {
        set_last_error(errno == EINVAL ? ERROR_NEGATIVE_SEEK : error_code_from_errno(errno));
        return INVALID_SET_FILE_POINTER;
    }
    const auto position = static_cast<std::uint64_t>(after);
    *distance_high = static_cast<LONG>(static_cast<std::int32_t>(static_cast<std::uint32_t>(position >> 32)));
    // A position whose low half is all ones is still a success: the caller
    // tells the two apart by the last error.
    set_last_error(NO_ERROR);
    return static_cast<DWORD>(position);
}

BOOL GetFileSizeEx(HANDLE file, PLARGE_INTEGER size)
{
    struct stat status {};
    if (::fstat(descriptor_of(file), &status) != 0) return fail_with_errno();
    size->QuadPart = static_cast<LONGLONG>(status.st_size);
    set_last_error(NO_ERROR);
    return TRUE;
}

DWORD GetFileType(HANDLE file)
{
    struct stat status {};
    if (::fstat(descriptor_of(file), &status) != 0) {
        fail_with_errno();
        return FILE_TYPE_UNKNOWN;
    }
    set_last_error(NO_ERROR);
    if (S_ISREG(status.st_mode)) return FILE_TYPE_DISK;
    if (S_ISCHR(status.st_mode)) return FILE_TYPE_CHAR;
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) return FILE_TYPE_PIPE;
    return FILE_TYPE_UNKNOWN;
}

BOOL CloseHandle(HANDLE object)
{
    // close releases the share lock with the last reference to the description.
    if (::close(descriptor_of(object)) != 0 && errno != EINTR) return fail_with_errno();
    return TRUE;
}
