#include "file_stream.h"

#include "my_set_file_pointer.h"
#include "persistence_exception.h"
#include "win32_file.h"

namespace {

// Fixed line numbers of the throw sites, so that a failure text names its
// site the same way in every build.
constexpr std::int32_t line_invalid_mode = 85;
constexpr std::int32_t line_open_failed = 92;
constexpr std::int32_t line_seek_failed = 131;

struct open_arguments {
    DWORD desired_access;
    DWORD share_mode;
    DWORD creation_disposition;
};

// Indexed by stream mode.
constexpr open_arguments arguments_of_mode[] = {
    {GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING},
    {GENERIC_WRITE, 0, CREATE_ALWAYS},
    {GENERIC_READ | GENERIC_WRITE, 0, OPEN_ALWAYS},
};

}  // namespace

file_stream::file_stream() : handle(INVALID_HANDLE_VALUE) {}

file_stream::~file_stream()
{
    close();
}

void file_stream::open(const std::string& name, std::uint8_t mode)
{
    if (mode > mode_read_write)
        throw persistence_exception(
            exception_descriptor(__FILE__, line_invalid_mode, "file_stream::open", "Invalid access mode specified"));

    const open_arguments& arguments = arguments_of_mode[mode];
    handle = CreateFileA(name.c_str(), arguments.desired_access, arguments.share_mode, nullptr,
                         arguments.creation_disposition, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw persistence_exception(
            exception_descriptor(__FILE__, line_open_failed, "file_stream::open", "Createfile failed"));
}

void file_stream::close()
{
    if (handle == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
}

bool file_stream::read(void* buffer, std::uint32_t n)
{
    DWORD transferred = 0;
    return ReadFile(handle, buffer, n, &transferred, nullptr) != FALSE;
}

bool file_stream::write(const void* buffer, std::uint32_t n)
{
    DWORD transferred = 0;
    return WriteFile(handle, buffer, n, &transferred, nullptr) != FALSE;
}

bool file_stream::read_fully(void* buffer, std::uint32_t n)
{
    DWORD transferred = 0;
    return ReadFile(handle, buffer, n, &transferred, nullptr) != FALSE && transferred == n;
}

bool file_stream::write_fully(const void* buffer, std::uint32_t n)
{
    DWORD transferred = 0;
    return WriteFile(handle, buffer, n, &transferred, nullptr) != FALSE && transferred == n;
}

std::int64_t file_stream::get_offset()
{
    std::int64_t position = -1;
    MySetFilePointer(handle, 0, &position, FILE_CURRENT);
    return position;
}

void file_stream::set_offset(std::int64_t offset)
{
    if (!MySetFilePointer(handle, offset, nullptr, FILE_BEGIN))
        throw seek_exception(
            exception_descriptor(__FILE__, line_seek_failed, "file_stream::set_offset", "MySetFilePointer failed"));
}

std::int64_t file_stream::bytes_left()
{
    std::int64_t position = -1;
    if (!MySetFilePointer(handle, 0, &position, FILE_CURRENT))
        return 0;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(handle, &size) == FALSE || size.QuadPart <= position)
        return 0;
    return size.QuadPart - position;
}
