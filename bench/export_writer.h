// Writes a case's linkage file through the library's exports, the way a
// hydrodynamic model does: the header and tables when it is constructed, one
// frame per complete_moment, the header block at close. Language 1, creator
// TORVA, so the converter takes the file as its own.
#ifndef BENCH_EXPORT_WRITER_H
#define BENCH_EXPORT_WRITER_H

#include <cstdint>
#include <string>

#include "estuary_case.h"
#include "moment_values.h"

namespace bench {

class export_writer {
public:
    // Throws std::runtime_error with the library's last-error text.
    export_writer(const estuary_case& estuary, const std::string& path, int32_t compression_level = 6);
    ~export_writer();
    export_writer(const export_writer&) = delete;
    export_writer& operator=(const export_writer&) = delete;

    // _twsettimestep, _twsetseginfo for every segment constituent,
    // _twsetflowinfo for every flow constituent, _twmomentcomplete.
    void complete_moment(const moment_values& values);
    // _twclose: the header block goes out.
    void close();

private:
    void write_header(const estuary_case& estuary, int32_t compression_level);
    void write_tables(const estuary_case& estuary);

    int32_t handle = 0;
    bool open = false;
};

// Writes the whole case (every moment of its size) into `path`.
void write_case_file(const estuary_case& estuary, const std::string& path, int32_t compression_level = 6);

// Throws std::runtime_error naming `call` and the last-error text when
// `error` is not 0.
void check_export(int32_t error, const char* call);

}  // namespace bench

#endif
