// tidewire_session: the table of open datasets, from handle to dataset.
//
// Handles are issued 1, 2, 3 ... by successful opens and never reused within
// one session. The session reports every failure by throwing the library's
// exception classes; it knows nothing of error codes, traces or timing.
#ifndef TIDEWIRE_TWSESSION_H
#define TIDEWIRE_TWSESSION_H

#include <cstdint>
#include <map>
#include <memory>

class tidewire_data;

class tidewire_session {
public:
    tidewire_session();
    // Destroys every open dataset, in ascending handle order, without its
    // close step: a file open for writing keeps no header block.
    ~tidewire_session();

    tidewire_session(const tidewire_session&) = delete;
    tidewire_session& operator=(const tidewire_session&) = delete;

    // Constructs a dataset for `file_name` in `mode` (0 read, 1 write) and
    // returns its new handle. Throws tidewire_cannot_open_exception (512) or
    // tidewire_memory_exhausted_exception (1025); a failed open issues no
    // handle and leaves no dataset behind.
    int32_t open(const char* file_name, int32_t mode);

    // The dataset of an open handle. Throws tidewire_unknown_dataset_exception
    // (513) for any other handle.
    tidewire_data& writer(int32_t handle) const;

    // Runs the close step of the handle's dataset, destroys it and removes the
    // handle. Throws tidewire_unknown_dataset_exception (513) for a handle that
    // is not open; a failing close step passes through unchanged and leaves
    // the handle open.
    void close(int32_t handle);

private:
    int32_t next_handle = 1;
    std::map<int32_t, std::unique_ptr<tidewire_data>> datasets;
};

#endif
