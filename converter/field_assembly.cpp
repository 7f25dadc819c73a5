#include "field_assembly.h"

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

    const std::size_t rows = static_cast<std::size_t>(vars.nf > 0 ? vars.nf : 0);
    for (std::size_t row = 0; row < rows && row < pass.jq.size(); ++row) {
        const int4 receiving = pass.jq[row];
        const int4 other = pass.iq[row];
        if (receiving == 0 || other == 0) continue;  // a boundary path
        if (!is_segment(receiving) || !is_segment(other)) continue;
        if (vars.validseg(receiving) == 0) continue;
        paths_.push_back({row, cell_of_segment(receiving), pass.idirect[row]});
    }
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
    real4* dispersion = vars.dispersion.data();
    real4* flows[] = {vars.uflow.data(), vars.vflow.data(), vars.wflow.data()};
    for (const placed_path& path : paths_) {
        dispersion[path.cell] = pass.torvabrint[path.row];
        if (path.direction >= 1 && path.direction <= 3) flows[path.direction - 1][path.cell] = pass.tempflow[path.row];
    }
}
