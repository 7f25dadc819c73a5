// Second pass: the arrays that the moment loop fills, allocated once the
// header is known.
#include <algorithm>
#include <cstdint>
#include <new>

#include "array_fault.h"
#include "console.h"
#include "freeform_line.h"
#include "run_stop.h"
#include "second_pass_steps.h"
#include "vars.h"

namespace {

// The 8-byte header offset comes first, and every stored moment takes at
// least 12 bytes (its time step and two stream lengths), so a count beyond
// that cannot be right and must not size the time arrays.
bool moment_count_fits_file(int4 num_moments, std::uintmax_t file_size)
{
    if (num_moments < 0) return false;
    const std::uintmax_t most = file_size >= 8 ? (file_size - 8) / 12 : 0;
    return static_cast<std::uintmax_t>(num_moments) <= most;
}

// Never empty: the library is always handed a real address.
template <typename T>
void allocate_buffer(std::vector<T>& buffer, int4 count, const char* name)
{
    try {
        buffer.assign(static_cast<std::size_t>(std::max<int4>(count, 1)), T{});
    } catch (const std::bad_alloc&) {
        array_fault::allocation_failed(name);
    }
}

}  // namespace

void allocate_second_pass(second_pass_state& pass)
{
    if (!moment_count_fits_file(vars.num_moments, pass.linkage_file_size)) {
        console::write(freeform_line() << "Error: the hyd file cannot hold its number of moments:" << vars.num_moments);
        stop_run(0);
    }

    const int4 im = vars.im, jm = vars.jm, km = vars.km;
    for (auto* grid :
         {&vars.volume, &vars.depth, &vars.temp, &vars.salt, &vars.dispersion, &vars.uflow, &vars.vflow, &vars.wflow})
        grid->allocate(im, jm, km);
    vars.totdepth.allocate(im, jm);
    vars.surfelev.allocate(im, jm);
    vars.tstrarray.allocate(vars.num_moments);
    for (auto* grid : {&vars.volume, &vars.depth, &vars.temp, &vars.salt, &vars.dispersion}) grid->fill(-9999.0f);
    vars.totdepth.fill(-9999.0f);
    vars.surfelev.fill(-9999.0f);
    for (auto* grid : {&vars.uflow, &vars.vflow, &vars.wflow}) grid->fill(0.0f);
    vars.tstamp_array.allocate(vars.num_moments);

    // The library writes one value per segment of the file it has open; the
    // buffers hold that many even if the file no longer matches the first pass.
    const int4 segments = std::max(vars.numseg, pass.noseg);
    for (auto* buffer : {&pass.volseg, &pass.depthseg, &pass.velseg, &pass.tempseg, &pass.salseg})
        allocate_buffer(*buffer, segments, "segment buffer");
    for (auto* buffer : {&pass.tempflow, &pass.crntmp, &pass.torvabrint})
        allocate_buffer(*buffer, vars.nf, "flow buffer");
    for (auto* buffer : {&pass.iq, &pass.jq, &pass.idirect}) allocate_buffer(*buffer, vars.nf, "flow-path table");
}
