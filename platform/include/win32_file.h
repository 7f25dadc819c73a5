// The file calls of the Windows API that file_stream is written against. On
// Windows these are the system's own; elsewhere source/win32_file_posix.cpp
// provides them over POSIX with the behaviour file_stream relies on:
//  - CreateFileA honours the share mode between handles of one process and of
//    other processes: a handle that only reads and shares reading lets other
//    such handles in; every other handle is exclusive. A refused open never
//    creates or empties the file. It never waits for a peer: a FIFO opens at
//    once for reading, and for writing only while some reader holds it.
//  - GetFileType reports FILE_TYPE_DISK for a regular file only,
//    FILE_TYPE_CHAR for a character device, FILE_TYPE_PIPE for a FIFO or a
//    socket, and FILE_TYPE_UNKNOWN for anything else (a block device too,
//    which Windows would call a disk).
//  - ReadFile transfers up to the requested count, less only at the end of the
//    file, and reports success at the end of the file.
//  - SetFilePointer reports failure as INVALID_SET_FILE_POINTER together with a
//    non-zero GetLastError, and sets the last error to NO_ERROR on success.
// Only the creation dispositions CREATE_ALWAYS, OPEN_EXISTING and OPEN_ALWAYS
// are supported; security attributes, flags, templates and overlapped I/O
// must be null or 0.
#ifndef TIDEWIRE_PLATFORM_WIN32_FILE_H
#define TIDEWIRE_PLATFORM_WIN32_FILE_H

#include "win32_types.h"

#if !defined(_WIN32)
HANDLE CreateFileA(LPCSTR file_name, DWORD desired_access, DWORD share_mode, LPSECURITY_ATTRIBUTES security_attributes,
                   DWORD creation_disposition, DWORD flags_and_attributes, HANDLE template_file);

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytes_to_read, LPDWORD bytes_read, LPOVERLAPPED overlapped);

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytes_to_write, LPDWORD bytes_written, LPOVERLAPPED overlapped);

// Moves the position by the 64-bit distance made of distance_low and, when
// distance_high is given, *distance_high as the high half (else distance_low
// sign-extended). Returns the low half of the new position and stores its
// high half in *distance_high.
DWORD SetFilePointer(HANDLE file, LONG distance_low, PLONG distance_high, DWORD move_method);

BOOL GetFileSizeEx(HANDLE file, PLARGE_INTEGER size);

DWORD GetFileType(HANDLE file);

BOOL CloseHandle(HANDLE object);

// The error code of the calling thread's latest failed call above.
DWORD GetLastError();
#endif

#endif
