#include "file_stream.h"

#include "my_set_file_pointer.h"
#include "persistence_exception.h"
#include "win32_file.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Fixed line numbers of the throw sites, so that a failure text names its
// site the same way in every build.
constexpr std::int32_t line_invalid_mode = 85;
constexpr std::int32_t line_open_failed = 92;
constexpr std::int32_t line_seek_failed = 131;

// Buffered reads refill a window of this size; reads at least as large go
// straight to the file. Gathered writes go out whenever this much is held.
constexpr std::uint32_t window_capacity = 64 * 1024;
constexpr std::size_t gather_block = 1024 * 1024;

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
    // Reading takes files only. A pipe or a device (a FIFO, a named pipe, NUL
    // or CON) has no size and no positions, and may never end; a directory
    // does not open at all.
    if (handle != INVALID_HANDLE_VALUE && mode == mode_read && GetFileType(handle) != FILE_TYPE_DISK) close();
    if (handle == INVALID_HANDLE_VALUE)
        throw persistence_exception(
            exception_descriptor(__FILE__, line_open_failed, "file_stream::open", "Createfile failed"));
}

void file_stream::close()
{
    stop_buffering();
    if (handle == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
}

bool file_stream::read(void* buffer, std::uint32_t n)
{
    if (buffered_reads) {
        std::uint32_t transferred = 0;
        return read_from_window(buffer, n, transferred);
    }
    DWORD transferred = 0;
    return ReadFile(handle, buffer, n, &transferred, nullptr) != FALSE;
}

bool file_stream::write(const void* buffer, std::uint32_t n)
{
    // A write takes the position of the bytes consumed, not of the window.
    if (buffered_reads && !leave_window()) return false;
    if (gathered_writes) return write_fully(buffer, n);
    DWORD transferred = 0;
    return WriteFile(handle, buffer, n, &transferred, nullptr) != FALSE;
}

bool file_stream::read_fully_unwindowed(void* buffer, std::uint32_t n)
{
    if (buffered_reads) {
        std::uint32_t transferred = 0;
        return read_from_window(buffer, n, transferred) && transferred == n;
    }
    DWORD transferred = 0;
    return ReadFile(handle, buffer, n, &transferred, nullptr) != FALSE && transferred == n;
}

bool file_stream::write_fully(const void* buffer, std::uint32_t n)
{
    // A write takes the position of the bytes consumed, not of the window.
    if (buffered_reads && !leave_window()) return false;
    if (gathered_writes) {
        try {
            const auto* bytes = static_cast<const unsigned char*>(buffer);
            gathered.insert(gathered.end(), bytes, bytes + n);
        } catch (const std::bad_alloc&) {
            gathered_write_failed = true;
            return false;
        }
        return gathered.size() < gather_block || write_gathered();
    }
    DWORD transferred = 0;
    return WriteFile(handle, buffer, n, &transferred, nullptr) != FALSE && transferred == n;
}

std::int64_t file_stream::get_offset()
{
    if (buffered_reads) return window_end_offset - static_cast<std::int64_t>(window_left());
    std::int64_t position = -1;
    if (!MySetFilePointer(handle, 0, &position, FILE_CURRENT)) return position;
    if (gathered_writes) return position + static_cast<std::int64_t>(gathered.size());
    return position;
}

void file_stream::set_offset(std::int64_t offset)
{
    // What was gathered belongs at the old position.
    if (gathered_writes) write_gathered();
    if (!MySetFilePointer(handle, offset, nullptr, FILE_BEGIN))
        throw seek_exception(
            exception_descriptor(__FILE__, line_seek_failed, "file_stream::set_offset", "MySetFilePointer failed"));
    // The window no longer lies at the new position.
    window.clear();
    window_position = 0;
    window_end_offset = offset;
}

std::int64_t file_stream::bytes_left_of_handle()
{
    if (gathered_writes) write_gathered();
    std::int64_t position = -1;
    if (!MySetFilePointer(handle, 0, &position, FILE_CURRENT)) return 0;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(handle, &size) == FALSE || size.QuadPart <= position) return 0;
    return size.QuadPart - position;
}

void file_stream::begin_buffered_reads()
{
    if (buffered_reads) {
        ++inner_buffered_runs;
        return;
    }
    // Without room for the window, or on a stream whose position or size is
    // unknown, the stream simply stays unbuffered.
    std::int64_t position = -1;
    LARGE_INTEGER size{};
    if (!MySetFilePointer(handle, 0, &position, FILE_CURRENT) || GetFileSizeEx(handle, &size) == FALSE) return;
    try {
        window.reserve(window_capacity);
    } catch (const std::bad_alloc&) {
        return;
    }
    window_end_offset = position;
    buffered_file_size = size.QuadPart;
    window.clear();
    window_position = 0;
    buffered_reads = true;
}

bool file_stream::end_buffered_reads()
{
    // An inner run leaves the window to the run around it.
    if (buffered_reads && inner_buffered_runs > 0) {
        --inner_buffered_runs;
        return true;
    }
    return leave_window();
}

bool file_stream::leave_window()
{
    const auto unread = static_cast<std::int64_t>(window_left());
    buffered_reads = false;
    inner_buffered_runs = 0;
    std::vector<unsigned char>().swap(window);
    window_position = 0;
    return unread == 0 || MySetFilePointer(handle, -unread, nullptr, FILE_CURRENT);
}

void file_stream::begin_gathered_writes()
{
    gathered.clear();
    gathered_write_failed = false;
    gathered_writes = true;
}

bool file_stream::end_gathered_writes()
{
    const bool written = write_gathered() && !gathered_write_failed;
    gathered_writes = false;
    gathered_write_failed = false;
    std::vector<unsigned char>().swap(gathered);
    return written;
}

const unsigned char* file_stream::peek_after_refill(std::uint32_t n)
{
    if (!buffered_reads || n > window_capacity) return nullptr;
    // The unread rest moves to the front, and the file fills the window
    // behind it: the bytes asked for end up in one piece.
    const std::size_t unread = window_left();
    if (unread != 0 && window_position != 0) std::memmove(window.data(), window.data() + window_position, unread);
    window.resize(unread);
    window_position = 0;
    while (window.size() < n) {
        const std::size_t held = window.size();
        // Within the capacity reserved at the start: no allocation.
        window.resize(window_capacity);
        DWORD filled = 0;
        const bool read_ok = ReadFile(handle, window.data() + held, static_cast<DWORD>(window_capacity - held), &filled,
                                      nullptr) != FALSE;
        window.resize(held + (read_ok ? filled : 0));
        window_end_offset += read_ok ? filled : 0;
        if (!read_ok || filled == 0) return nullptr;
    }
    return window.data();
}

bool file_stream::read_from_window(void* buffer, std::uint32_t n, std::uint32_t& transferred)
{
    auto* out = static_cast<unsigned char*>(buffer);
    transferred = 0;
    while (transferred < n) {
        if (window_position == window.size()) {
            const std::uint32_t wanted = n - transferred;
            if (wanted >= window_capacity) {
                DWORD direct = 0;
                const bool read_ok = ReadFile(handle, out + transferred, wanted, &direct, nullptr) != FALSE;
                transferred += direct;
                window_end_offset += direct;
                return read_ok;
            }
            // Within the capacity reserved at the start: no allocation.
            window.resize(window_capacity);
            DWORD filled = 0;
            const bool read_ok = ReadFile(handle, window.data(), window_capacity, &filled, nullptr) != FALSE;
            window.resize(read_ok ? filled : 0);
            window_position = 0;
            window_end_offset += read_ok ? filled : 0;
            if (!read_ok) return false;
            // At the end of the file the rest of the buffer stays as it was.
            if (filled == 0) return true;
        }
        const std::size_t take = std::min<std::size_t>(n - transferred, window.size() - window_position);
        std::memcpy(out + transferred, window.data() + window_position, take);
        window_position += take;
        transferred += static_cast<std::uint32_t>(take);
    }
    return true;
}

bool file_stream::write_gathered()
{
    std::size_t done = 0;
    while (done < gathered.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(gathered.size() - done, 1u << 30));
        DWORD transferred = 0;
        if (WriteFile(handle, gathered.data() + done, chunk, &transferred, nullptr) == FALSE || transferred != chunk) {
            gathered_write_failed = true;
            gathered.clear();
            return false;
        }
        done += chunk;
    }
    gathered.clear();
    return true;
}

void file_stream::stop_buffering()
{
    buffered_reads = false;
    inner_buffered_runs = 0;
    std::vector<unsigned char>().swap(window);
    window_position = 0;
    gathered_writes = false;
    gathered_write_failed = false;
    std::vector<unsigned char>().swap(gathered);
}
