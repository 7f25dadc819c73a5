// The library's only way to a file: a stream over one operating system file
// handle, unbuffered except in the buffered and gathered runs it offers.
#ifndef TIDEWIRE_COMMON_FILE_STREAM_H
#define TIDEWIRE_COMMON_FILE_STREAM_H

#include "win32_types.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Outside those runs every read, write and seek is one call on the handle, at
// the handle's own position. The stream owns the handle and closes it when it is closed or
// destroyed. Between streams the share rules of the stream modes hold: any
// number of streams may read a file at once; a file open in mode 1 or 2 cannot
// be opened again, and a file open for reading cannot be opened in mode 1 or 2.
class file_stream {
public:
    // Stream modes of open().
    static constexpr std::uint8_t mode_read = 0;        // existing file, shared with readers
    static constexpr std::uint8_t mode_write = 1;       // created or emptied, not shared
    static constexpr std::uint8_t mode_read_write = 2;  // opened or created, kept, not shared

    file_stream();
    ~file_stream();
    file_stream(const file_stream&) = delete;
    file_stream& operator=(const file_stream&) = delete;

    // Opens the file at the operating system path `name`; called once, on a
    // closed stream. Throws persistence_exception on a mode other than 0, 1
    // and 2 (nothing is opened or created) or when the system refuses the
    // open (the file is then neither created nor emptied). Mode 0 opens a
    // regular file only: a FIFO, a device or a directory is refused the same
    // way, at once, without waiting for a writer.
    void open(const std::string& name, std::uint8_t mode);

    // Closes the handle if open; does nothing on a closed stream.
    void close();

    // Read or write n bytes at the current position and return whether the
    // system call succeeded. The count transferred is not looked at: a read at
    // the end of the file fills only what the file still holds, leaves the
    // rest of the buffer as it was, and reports success.
    bool read(void* buffer, std::uint32_t n);
    bool write(const void* buffer, std::uint32_t n);

    // The checked variants, for callers that must not take a value from bytes
    // that were not read (or leave a short write unnoticed): true only when
    // the call succeeded and all n bytes were transferred. A short read may
    // still have filled the front of the buffer; the caller must not use it.
    bool read_fully(void* buffer, std::uint32_t n)
    {
        // While reading buffered the bytes are usually in the window already.
        if (buffered_reads && n <= window_left()) {
            if (n != 0) std::memcpy(buffer, window.data() + window_position, n);
            window_position += n;
            return true;
        }
        return read_fully_unwindowed(buffer, n);
    }
    bool write_fully(const void* buffer, std::uint32_t n);

    // The current position from the start of the file; -1 on a closed stream.
    std::int64_t get_offset();

    // Moves to `offset` bytes from the start of the file. A position past the
    // end is allowed. Throws seek_exception when the system refuses (for
    // example a negative offset, or a closed stream).
    void set_offset(std::int64_t offset);

    // The bytes between the current position and the end of the file: 0 at
    // or past the end, and on a closed stream. Lets readers refuse a stored
    // length or count that the file cannot hold before they allocate for it.
    std::int64_t bytes_left()
    {
        // While reading buffered no one writes the file: its size stays as it
        // was at the start, and the position is known without a system call.
        if (buffered_reads) {
            const std::int64_t position = window_end_offset - static_cast<std::int64_t>(window_left());
            return buffered_file_size > position ? buffered_file_size - position : 0;
        }
        return bytes_left_of_handle();
    }

    // Many small items (the records of a table) cost one system call each.
    // Between begin_buffered_reads and end_buffered_reads, reads are served
    // from a window of the file that is refilled as it empties; positions and
    // bytes_left are those of the bytes consumed. end_buffered_reads moves the
    // handle back to the first byte not consumed and returns false when that
    // seek fails. Only for a stream that no one writes meanwhile (mode 0).
    // A run may hold inner runs (the header block holds its tables): only the
    // outermost end leaves the window.
    void begin_buffered_reads();
    bool end_buffered_reads();

    // While reading buffered: the next n bytes of the file in one piece, not
    // yet consumed, valid until the next call on the stream; consume_buffered
    // then consumes them. Lets a reader decode a record in place. nullptr
    // when the stream is not reading buffered, when n is larger than the
    // window, or when the file ends or the system read fails before n bytes;
    // the caller then reads through read_fully, which reports the failure.
    const unsigned char* peek_buffered(std::uint32_t n)
    {
        if (buffered_reads && n <= window_left()) return window.data() + window_position;
        return peek_after_refill(n);
    }
    // Only for n bytes that peek_buffered has just given.
    void consume_buffered(std::uint32_t n) { window_position += n; }

    // Between begin_gathered_writes and end_gathered_writes, writes are
    // gathered in memory and go to the file in large blocks. A write then
    // fails only when memory runs out or a block it completes is not taken
    // whole; end_gathered_writes writes the rest and returns whether the file
    // took every byte gathered. A stream closed or
    // destroyed while gathering drops what it has not written.
    void begin_gathered_writes();
    bool end_gathered_writes();

private:
    // Bytes of the read window not yet consumed.
    std::size_t window_left() const { return window.size() - window_position; }
    bool read_fully_unwindowed(void* buffer, std::uint32_t n);
    std::int64_t bytes_left_of_handle();
    const unsigned char* peek_after_refill(std::uint32_t n);
    bool leave_window();
    bool read_from_window(void* buffer, std::uint32_t n, std::uint32_t& transferred);
    bool write_gathered();
    void stop_buffering();

    HANDLE handle;
    bool buffered_reads = false;
    int inner_buffered_runs = 0;
    std::vector<unsigned char> window;
    std::size_t window_position = 0;
    std::int64_t window_end_offset = 0;  // the handle's position while reading buffered
    std::int64_t buffered_file_size = 0;
    bool gathered_writes = false;
    bool gathered_write_failed = false;
    std::vector<unsigned char> gathered;
};

#endif
