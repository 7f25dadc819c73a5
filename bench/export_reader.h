// Reads a case's linkage file through the library's exports, the way a
// water-quality model does: open (which loads the first moment), then for
// every moment the values of each constituent and _twmomentcomplete.
#ifndef BENCH_EXPORT_READER_H
#define BENCH_EXPORT_READER_H

#include <cstdint>
#include <string>

#include "moment_values.h"

namespace bench {

class export_reader {
public:
    // Opens with language 1. Throws std::runtime_error with the library's
    // last-error text.
    explicit export_reader(const std::string& path);
    ~export_reader();
    export_reader(const export_reader&) = delete;
    export_reader& operator=(const export_reader&) = delete;

    int32_t moments() const { return moment_count; }
    // The loaded moment's values (_twgetseginfo, _twgetflowinfo) and time step.
    void read_moment(moment_values& values);
    // _twmomentcomplete: loads the next moment.
    void next_moment();
    void close();

private:
    int32_t handle = 0;
    int32_t moment_count = 0;
    bool open = false;
};

}  // namespace bench

#endif
