// The converter's baseline: the ten NetCDF variable files of a run on a case,
// written with plain netCDF-C calls in the converter's order (all files
// created with the converter's block size, then for every output step one
// time value and one record per file, then all closed): the same layout and
// the same number of records, and nothing else.
#ifndef BENCH_NETCDF_BASELINE_H
#define BENCH_NETCDF_BASELINE_H

#include <filesystem>
#include <functional>
#include <vector>

#include "estuary_case.h"

namespace bench {

class netcdf_baseline {
public:
    // Prepares one grid of values per variable from the case's first moment.
    explicit netcdf_baseline(const estuary_case& estuary);

    // Throws std::runtime_error with the NetCDF text of a failed call.
    // `before_record`, when given, runs before each record is written.
    void write(const std::filesystem::path& folder, int records, const std::function<void()>& before_record = {}) const;

private:
    struct variable {
        const char* name;
        const char* units;
        bool three_d;
        std::vector<float> grid;
    };
    case_size size;
    std::vector<variable> variables;
};

}  // namespace bench

#endif
