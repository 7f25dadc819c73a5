#include "field_assembly.h"

#include <algorithm>

#include "array_fault.h"
#include "second_pass_steps.h"
#include "vars.h"

namespace {

constexpr real4 missing = -9999.0f;

std::size_t cell_of_segment(int4 s)
{
    // The checked accessor validates the indexes once, here.
    return static_cast<std::size_t>(&vars.volume(vars.i_ind(s), vars.j_ind(s), vars.k_ind(s)) - vars.volume.data());
}

bool is_segment(int4 s)
{
    return s >= 1 && s <= vars.numseg;
}

}  // namespace

field_assembly::field_assembly(const second_pass_state& pass)
{
    for (int4 s = 1; s <= vars.numseg; ++s)
        if (vars.validseg(s) != 0) segments_.push_back({s, cell_of_segment(s)});

    if (vars.darray.size() != vars.totdepth.size()) array_fault::not_allocated("darray");

    // From the last path back, so that the first path met for a cell is the
    // one whose value stays there.
    const std::size_t rows = std::min(static_cast<std::size_t>(vars.nf > 0 ? vars.nf : 0), pass.jq.size());
    std::vector<bool> taken[4];
    for (std::vector<bool>& cells : taken) cells.assign(vars.volume.size(), false);
    const auto place = [&](std::size_t array, std::size_t row, std::size_t cell) {
        if (taken[array][cell]) return;
        taken[array][cell] = true;
        writes_[array].push_back({row, cell});
    };
    for (std::size_t row = rows; row-- > 0;) {
        const int4 receiving = pass.jq[row];
        const int4 other = pass.iq[row];
        if (receiving == 0 || other == 0) continue;  // a boundary path
        if (!is_segment(receiving) || !is_segment(other)) continue;
        if (vars.validseg(receiving) == 0) continue;
        const std::size_t cell = cell_of_segment(receiving);
        place(0, row, cell);
        const int4 direction = pass.idirect[row];
        if (direction >= 1 && direction <= 3) place(static_cast<std::size_t>(direction), row, cell);
    }
    for (std::vector<placed_value>& writes : writes_) std::reverse(writes.begin(), writes.end());
}

void field_assembly::place_segments(second_pass_state& pass, segment_name_field& names) const
{
    real4* volume = vars.volume.data();
    real4* depth = vars.depth.data();
    real4* temp = vars.temp.data();
    real4* salt = vars.salt.data();
    for (const placed_segment& placed : segments_) {
        stop_on_library_error(names.fetch(pass.handle, placed.segment));
        const std::size_t s = static_cast<std::size_t>(placed.segment - 1);
        volume[placed.cell] = pass.volseg[s];
        depth[placed.cell] = pass.depthseg[s];
        if (pass.temperature) temp[placed.cell] = pass.tempseg[s];
        if (pass.salinity) salt[placed.cell] = pass.salseg[s];
    }
}

void field_assembly::derive_water_depth() const
{
    const std::size_t columns = vars.totdepth.size();
    const std::size_t layers = columns == 0 ? 0 : vars.depth.size() / columns;
    const real4* depth = vars.depth.data();
    real4* totdepth = vars.totdepth.data();
    real4* surfelev = vars.surfelev.data();
    const real4* darray = vars.darray.data();
    for (std::size_t column = 0; column < columns; ++column) {
        real4 total = 0.0f;
        for (std::size_t k = 0; k < layers; ++k) {
            const real4 value = depth[column + k * columns];
            if (value != missing) total += value;
        }
        totdepth[column] = total;
        surfelev[column] = total - darray[column];
    }
}

void field_assembly::place_flows(const second_pass_state& pass) const
{
    const auto place = [](const std::vector<placed_value>& writes, const std::vector<real4>& values, real4* grid) {
        for (const placed_value& write : writes) grid[write.cell] = values[write.row];
    };
    place(writes_[0], pass.torvabrint, vars.dispersion.data());
    place(writes_[1], pass.tempflow, vars.uflow.data());
    place(writes_[2], pass.tempflow, vars.vflow.data());
    place(writes_[3], pass.tempflow, vars.wflow.data());
}
