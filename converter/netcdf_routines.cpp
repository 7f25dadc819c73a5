#include "netcdf_routines.h"

#include <netcdf.h>

#include <cstddef>
#include <cstdio>
#include <vector>

#include "console.h"
#include "fixed_text.h"
#include "freeform_line.h"
#include "netcdf_block_size.h"
#include "run_stop.h"

namespace {

void check(int status)
{
    if (status != NC_NOERR) handle_err(status);
}

// A negative size from the caller becomes a size NetCDF refuses, so the
// failure is reported like any other NetCDF status.
std::size_t extent(int4 size)
{
    return size >= 0 ? static_cast<std::size_t>(size) : static_cast<std::size_t>(-1);
}

void put_text_attribute(int ncid, int varid, const char* name, const std::string& value)
{
    // Stored without a terminating NUL.
    check(nc_put_att_text(ncid, varid, name, value.size(), value.data()));
}

int define_coordinate(int ncid, const char* name, int dimid)
{
    int varid = 0;
    check(nc_def_var(ncid, name, NC_INT, 1, &dimid, &varid));
    put_text_attribute(ncid, varid, "units", "meters");
    put_text_attribute(ncid, varid, "long_name", name);
    return varid;
}

void write_coordinate_values(int ncid, int varid, int4 count)
{
    if (count <= 0) return;
    std::vector<int> values(static_cast<std::size_t>(count));
    for (int4 n = 0; n < count; ++n) values[static_cast<std::size_t>(n)] = n + 1;
    check(nc_put_var_int(ncid, varid, values.data()));
}

void write_time_value(int ncid, int t_varid, int4 tstampindex, real8 tstamp)
{
    const std::size_t start[] = {static_cast<std::size_t>(tstampindex) - 1};
    const std::size_t count[] = {1};
    check(nc_put_vara_double(ncid, t_varid, start, count, &tstamp));
}

}  // namespace

void createnetcdffile(const std::string& filename, const std::string& varname, int4 im, int4 jm, int4 km, int4 tm,
                      int4& ncid, int4& varid, int4& t_varid, int4 vardim, real4 fillval, const std::string& units)
{
    // NC_CLOBBER without a format flag: the classic format, replacing any file.
    // nc__create is nc_create with a block size; 0 bytes reserved up front.
    std::size_t block_size = netcdf_block_size_hint;
    check(nc__create(filename.c_str(), NC_CLOBBER, 0, &block_size, &ncid));

    int dims[4] = {0, 0, 0, 0};  // in the order defined: X, Y, [Z,] Time
    int ndims = 0;
    check(nc_def_dim(ncid, "X", extent(im), &dims[ndims++]));
    if (vardim >= 2) check(nc_def_dim(ncid, "Y", extent(jm), &dims[ndims++]));
    if (vardim == 3) check(nc_def_dim(ncid, "Z", extent(km), &dims[ndims++]));
    check(nc_def_dim(ncid, "Time", extent(tm), &dims[ndims++]));
    const int time_dim = dims[ndims - 1];

    const int x_varid = define_coordinate(ncid, "X", dims[0]);
    const int y_varid = define_coordinate(ncid, "Y", dims[1]);
    // In a 2-D file the third dimension defined is Time: "Z" lies over it there
    // and is never written, which keeps "Time" the fourth variable everywhere.
    const int z_varid = define_coordinate(ncid, "Z", dims[2]);

    check(nc_def_var(ncid, "Time", NC_DOUBLE, 1, &time_dim, &t_varid));
    put_text_attribute(ncid, t_varid, "units", "seconds");
    put_text_attribute(ncid, t_varid, "long_name", "Time");

    // The data variable over Time and the space dimensions, slowest first.
    int data_dims[4] = {time_dim, 0, 0, 0};
    const int space_dims = ndims - 1;
    for (int d = 0; d < space_dims; ++d) data_dims[1 + d] = dims[space_dims - 1 - d];
    check(nc_def_var(ncid, varname.c_str(), NC_FLOAT, ndims, data_dims, &varid));
    put_text_attribute(ncid, varid, "units", units);
    check(nc_put_att_float(ncid, varid, "_FillValue", NC_FLOAT, 1, &fillval));

    check(nc_enddef(ncid));

    write_coordinate_values(ncid, x_varid, im);
    if (vardim >= 2) write_coordinate_values(ncid, y_varid, jm);
    if (vardim == 3) write_coordinate_values(ncid, z_varid, km);
}

void writetimestepdata3d(int4 ncid, int4 varid, int4 t_varid, int4 tstampindex, int4 im, int4 jm, int4 km, real8 tstamp,
                         const real4* vararray)
{
    write_time_value(ncid, t_varid, tstampindex, tstamp);
    const std::size_t start[] = {static_cast<std::size_t>(tstampindex) - 1, 0, 0, 0};
    const std::size_t count[] = {1, extent(km), extent(jm), extent(im)};
    check(nc_put_vara_float(ncid, varid, start, count, vararray));
}

void writetimestepdata2d(int4 ncid, int4 varid, int4 t_varid, int4 tstampindex, int4 im, int4 jm, real8 tstamp,
                         const real4* vararray)
{
    write_time_value(ncid, t_varid, tstampindex, tstamp);
    const std::size_t start[] = {static_cast<std::size_t>(tstampindex) - 1, 0, 0};
    const std::size_t count[] = {1, extent(jm), extent(im)};
    check(nc_put_vara_float(ncid, varid, start, count, vararray));
}

void closenetcdffile(int4 ncid)
{
    check(nc_close(ncid));
}

void handle_err(int status)
{
    const fixed_text<80> message(nc_strerror(status));
    console::write(freeform_line() << "Error: " << message);
    std::fputs("STOP 2\n", stderr);
    stop_run(2);
}
