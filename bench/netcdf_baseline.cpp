#include "netcdf_baseline.h"

#include <netcdf.h>

#include <numeric>
#include <stdexcept>
#include <string>

#include "netcdf_block_size.h"

namespace bench {

namespace {

constexpr float fill_value = -9999.0f;

void check(int status, const char* call)
{
    if (status != NC_NOERR) throw std::runtime_error(std::string(call) + ": " + nc_strerror(status));
}

void text_attribute(int ncid, int varid, const char* name, const char* value)
{
    check(nc_put_att_text(ncid, varid, name, std::char_traits<char>::length(value), value), "nc_put_att_text");
}

int coordinate(int ncid, const char* name, int dimid)
{
    int varid = 0;
    check(nc_def_var(ncid, name, NC_INT, 1, &dimid, &varid), "nc_def_var");
    text_attribute(ncid, varid, "units", "meters");
    text_attribute(ncid, varid, "long_name", name);
    return varid;
}

void coordinate_values(int ncid, int varid, int count)
{
    std::vector<int> values(static_cast<std::size_t>(count));
    std::iota(values.begin(), values.end(), 1);
    check(nc_put_var_int(ncid, varid, values.data()), "nc_put_var_int");
}

struct open_file {
    int ncid = 0, varid = 0, time_varid = 0;
};

}  // namespace

netcdf_baseline::netcdf_baseline(const estuary_case& estuary) : size(estuary.size())
{
    const std::size_t cells = static_cast<std::size_t>(size.im) * size.jm * size.km;
    const std::size_t columns = static_cast<std::size_t>(size.im) * size.jm;
    const std::size_t segments = estuary.segments().size();
    std::vector<float> values(segments);
    const auto spread = [&](int constituent) {
        estuary.segment_values(0, constituent, values.data());
        std::vector<float> grid(cells, fill_value);
        for (std::size_t s = 0; s < segments; ++s) {
            const grid_cell& c = estuary.segments()[s];
            grid[static_cast<std::size_t>(c.i - 1) +
                 size.im * (static_cast<std::size_t>(c.j - 1) + size.jm * (c.k - 1))] = values[s];
        }
        return grid;
    };
    const auto surface = [&](int constituent) {
        std::vector<float> grid = spread(constituent);
        grid.resize(columns);
        return grid;
    };
    variables = {{"Volume", "m3", true, spread(0)},
                 {"LayerDepth", "meters", true, spread(1)},
                 {"Temp", "Celsius", true, spread(3)},
                 {"Salt", "ppt", true, spread(4)},
                 {"WaterDepth", "meters", false, surface(1)},
                 {"SurfaceElev", "meters", false, surface(2)},
                 {"Ev", "m2/s", true, spread(2)},
                 {"UFlow", "m3/s", true, spread(2)},
                 {"VFlow", "m3/s", true, spread(2)},
                 {"WFlow", "m3/s", true, spread(2)}};
}

void netcdf_baseline::write(const std::filesystem::path& folder, int records,
                            const std::function<void()>& before_record) const
{
    std::vector<open_file> files(variables.size());
    for (std::size_t v = 0; v < variables.size(); ++v) {
        const variable& var = variables[v];
        open_file& file = files[v];
        const std::string path = (folder / (std::string(var.name) + ".nc")).string();
        std::size_t block_size = netcdf_block_size_hint;
        check(nc__create(path.c_str(), NC_CLOBBER, 0, &block_size, &file.ncid), "nc__create");
        int x = 0, y = 0, z = 0, time = 0;
        check(nc_def_dim(file.ncid, "X", static_cast<std::size_t>(size.im), &x), "nc_def_dim");
        check(nc_def_dim(file.ncid, "Y", static_cast<std::size_t>(size.jm), &y), "nc_def_dim");
        if (var.three_d) check(nc_def_dim(file.ncid, "Z", static_cast<std::size_t>(size.km), &z), "nc_def_dim");
        check(nc_def_dim(file.ncid, "Time", static_cast<std::size_t>(records), &time), "nc_def_dim");
        const int x_var = coordinate(file.ncid, "X", x);
        const int y_var = coordinate(file.ncid, "Y", y);
        const int z_var = coordinate(file.ncid, "Z", var.three_d ? z : time);
        check(nc_def_var(file.ncid, "Time", NC_DOUBLE, 1, &time, &file.time_varid), "nc_def_var");
        text_attribute(file.ncid, file.time_varid, "units", "seconds");
        text_attribute(file.ncid, file.time_varid, "long_name", "Time");
        const int dims_3d[] = {time, z, y, x};
        const int dims_2d[] = {time, y, x};
        check(nc_def_var(file.ncid, var.name, NC_FLOAT, var.three_d ? 4 : 3, var.three_d ? dims_3d : dims_2d,
                         &file.varid),
              "nc_def_var");
        text_attribute(file.ncid, file.varid, "units", var.units);
        check(nc_put_att_float(file.ncid, file.varid, "_FillValue", NC_FLOAT, 1, &fill_value), "nc_put_att_float");
        check(nc_enddef(file.ncid), "nc_enddef");
        coordinate_values(file.ncid, x_var, size.im);
        coordinate_values(file.ncid, y_var, size.jm);
        if (var.three_d) coordinate_values(file.ncid, z_var, size.km);
    }

    for (int record = 0; record < records; ++record) {
        if (before_record) before_record();
        const double stamp = 1.7e9 + 3600.0 * record;
        for (std::size_t v = 0; v < variables.size(); ++v) {
            const variable& var = variables[v];
            const std::size_t time_start[] = {static_cast<std::size_t>(record)};
            const std::size_t time_count[] = {1};
            check(nc_put_vara_double(files[v].ncid, files[v].time_varid, time_start, time_count, &stamp),
                  "nc_put_vara_double");
            const std::size_t start[] = {static_cast<std::size_t>(record), 0, 0, 0};
            const std::size_t count_3d[] = {1, static_cast<std::size_t>(size.km), static_cast<std::size_t>(size.jm),
                                            static_cast<std::size_t>(size.im)};
            const std::size_t count_2d[] = {1, static_cast<std::size_t>(size.jm), static_cast<std::size_t>(size.im)};
            check(nc_put_vara_float(files[v].ncid, files[v].varid, start, var.three_d ? count_3d : count_2d,
                                    var.grid.data()),
                  "nc_put_vara_float");
        }
    }
    for (const open_file& file : files) check(nc_close(file.ncid), "nc_close");
}

}  // namespace bench
