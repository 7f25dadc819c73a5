// Writes a TORVA linkage file through the library's own write side, so that
// converter tests read exactly what a hydrodynamic model would have written.
#ifndef TORVAUTIL_TEST_LINKAGE_FILE_BUILDER_H
#define TORVAUTIL_TEST_LINKAGE_FILE_BUILDER_H

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct linkage_file_content {
    int32_t creator = 1;  // TORVA
    // Start moment: month, day, year, hour, minute, second.
    std::array<int32_t, 6> seed_moment{{1, 1, 2020, 0, 0, 0}};
    float hydrodynamic_time_step = 3600.0f;
    float update_interval = 3600.0f;
    int32_t hydrodynamic_to_kelva_ratio = 1;
    int32_t layers = 1;
    std::vector<std::pair<int32_t, std::string>> descriptions;  // type code, text

    std::vector<std::string> segment_names;
    // From segment, to segment, direction (1 I, 2 J, 3 K); stored unchanged.
    std::vector<std::array<int32_t, 3>> flow_paths;
    std::vector<int32_t> segment_constituent_types{1, 2, 3};
    std::vector<int32_t> flow_constituent_types{1, 2, 3};

    int32_t moments = 2;
    float moment_step_days = 1.0f / 24.0f;  // time step stored with each frame
    // Values by moment (0-based), constituent (1-based) and segment or flow
    // path (0-based).  The defaults give distinct, recognisable values.
    std::function<float(int32_t, int32_t, int32_t)> segment_value = [](int32_t moment, int32_t constituent,
                                                                       int32_t segment) {
        return static_cast<float>(1000 * constituent + 10 * segment + moment);
    };
    std::function<float(int32_t, int32_t, int32_t)> flow_value = [](int32_t moment, int32_t constituent, int32_t path) {
        return static_cast<float>(-1000 * constituent - 10 * path - moment);
    };
};

// Segment names of the form "I=i J=j K=k".
std::string cell_name(int i, int j, int k);

// Writes the file and closes it (moments are written only when there is at
// least one segment, flow path and constituent of each kind).  Throws
// std::runtime_error with the library's last-error text on a failure.
void write_linkage_file(const std::string& path, const linkage_file_content& content);

#endif
