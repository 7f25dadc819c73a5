// Placing one output step's values into the grid arrays of `vars`.
//
// The cells are worked out once, before the moment loop, from the segments'
// (final) layer indexes and the flow-path table, so that an output step only
// copies values. A flow path is placed only when both of its segments exist
// (1 .. numseg; 0 marks a boundary) and its receiving segment is valid: a
// path into a segment skipped in the first pass has no cell.
//
//   field_assembly fields(pass);                   // after the flow-path table
//   fields.place_segments(pass, names);            // each output step
//   fields.derive_water_depth();
//   fields.place_flows(pass);
#pragma once

#include <cstddef>
#include <vector>

#include "Hydro_Read.h"
#include "segment_name_field.h"

class field_assembly {
public:
    explicit field_assembly(const second_pass_state& pass);

    // Valid segments in order: their name is fetched from the library (and not
    // used), then volume, depth and, when switched on, temp and salt are set.
    void place_segments(second_pass_state& pass, segment_name_field& names) const;
    // totdepth: sum of the layer depths that are not missing; surfelev:
    // totdepth less the bottom depth.
    void derive_water_depth() const;
    // dispersion and the flow of the path's direction at the receiving cell; a
    // later path into the same cell overwrites an earlier one.
    void place_flows(const second_pass_state& pass) const;

private:
    struct placed_segment {
        int4 segment;      // 1-based
        std::size_t cell;  // offset into the (IM, JM, KM) grids
    };
    struct placed_value {
        std::size_t row;  // 0-based row of the flow-path table
        std::size_t cell;
    };

    std::vector<placed_segment> segments_;
    // Of the paths that name the same cell, only the last one's value stays
    // at the end of a step, and the paths are the same at every step: so each
    // array keeps only the last path per cell, in table order. [0] is
    // dispersion, [1] to [3] the flows of directions 1 to 3.
    std::vector<placed_value> writes_[4];
};
