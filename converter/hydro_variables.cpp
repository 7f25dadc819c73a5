#include "hydro_variables.h"

#include <string>

#include "netcdf_routines.h"
#include "vars.h"

namespace {

constexpr real4 fill_value = -9999.0f;
constexpr char netcdfext[] = ".nc";

struct variable_entry {
    const char* name;
    const char* units;
    int space_dimensions;
};

constexpr variable_entry table_entries[hydro_variable_table::numhydrovars] = {
    {"Volume", "m3", 3},         {"LayerDepth", "meters", 3},  {"Temp", "Celsius", 3}, {"Salt", "ppt", 3},
    {"WaterDepth", "meters", 2}, {"SurfaceElev", "meters", 2}, {"Ev", "m2/s", 3},      {"UFlow", "m3/s", 3},
    {"VFlow", "m3/s", 3},        {"WFlow", "m3/s", 3}};

// The grid each variable writes, in table order.
const real4* grid_of(int v)
{
    switch (v) {
        case 1:
            return vars.volume.data();
        case 2:
            return vars.depth.data();
        case 3:
            return vars.temp.data();
        case 4:
            return vars.salt.data();
        case 5:
            return vars.totdepth.data();
        case 6:
            return vars.surfelev.data();
        case 7:
            return vars.dispersion.data();
        case 8:
            return vars.uflow.data();
        case 9:
            return vars.vflow.data();
        default:
            return vars.wflow.data();
    }
}

}  // namespace

hydro_variable_table::hydro_variable_table()
{
    for (int v = 0; v < numhydrovars; ++v) {
        hydrovarname[v] = table_entries[v].name;
        hydrovarunits[v] = table_entries[v].units;
        dimensions[v] = table_entries[v].space_dimensions;
    }
}

void hydro_variable_table::create_files(int4 tm)
{
    for (int v = 0; v < numhydrovars; ++v) {
        // Whole, also where it is longer than the 200 characters of a path field.
        const std::string filename =
            std::string(vars.outputpath.trimmed()) + std::string(hydrovarname[v].trimmed()) + netcdfext;
        createnetcdffile(filename, std::string(hydrovarname[v].trimmed()), vars.im, vars.jm, vars.km, tm, hydroncid[v],
                         hydrovarid[v], tvarid, dimensions[v], fill_value, std::string(hydrovarunits[v].trimmed()));
    }
}

void hydro_variable_table::write_step(int4 istep, real8 stamp) const
{
    for (int v = 0; v < numhydrovars; ++v) {
        if (dimensions[v] == 3)
            writetimestepdata3d(hydroncid[v], hydrovarid[v], tvarid, istep, vars.im, vars.jm, vars.km, stamp,
                                grid_of(v + 1));
        else
            writetimestepdata2d(hydroncid[v], hydrovarid[v], tvarid, istep, vars.im, vars.jm, stamp, grid_of(v + 1));
    }
}

void hydro_variable_table::close_files() const
{
    for (int v = 0; v < numhydrovars; ++v) closenetcdffile(hydroncid[v]);
}
