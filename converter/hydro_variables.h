// The ten NetCDF output variables of the second pass, in table order, with
// the grid array of `vars` that each one writes.
//
//   hydro_variable_table table;       // names, units, space dimensions
//   table.create_files(numsteps);     // one file per variable, in order
//   table.write_step(istep, stamp);   // one time record in each file
//   table.close_files();
#pragma once

#include <array>

#include "fixed_text.h"
#include "precmod.h"

class hydro_variable_table {
public:
    static constexpr int numhydrovars = 10;

    hydro_variable_table();

    // Creates output/<name>.nc for every variable with tm time records.
    void create_files(int4 tm);
    // Writes the current grids of `vars` as time record istep (1-based) of every
    // file, with stamp as its "Time" value.
    void write_step(int4 istep, real8 stamp) const;
    void close_files() const;

private:
    std::array<fixed_text<30>, numhydrovars> hydrovarname;
    std::array<fixed_text<30>, numhydrovars> hydrovarunits;
    std::array<int, numhydrovars> dimensions;
    std::array<int4, numhydrovars> hydroncid{};
    std::array<int4, numhydrovars> hydrovarid{};
    int4 tvarid = 0;  // the same id of "Time" in every file
};
