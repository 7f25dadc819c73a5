// The NetCDF baseline writes the converter's ten files: the same format,
// dimensions, variables and attributes as torvautil's own output on the same
// case, so that the two are timed on the same writes.
#include <gtest/gtest.h>

#include <netcdf.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "converter_workdir.h"
#include "netcdf_baseline.h"
#include "scratch_directory.h"

namespace bench {
namespace {

// Everything about a file except its values: format, dimensions, variables
// with their types, dimensions and attributes.
std::string layout_of(const std::filesystem::path& path)
{
    int ncid = 0;
    if (nc_open(path.string().c_str(), NC_NOWRITE, &ncid) != NC_NOERR) return "cannot open " + path.string();
    std::string text;
    int format = 0, dims = 0, vars = 0, globals = 0, unlimited = 0;
    nc_inq_format(ncid, &format);
    nc_inq(ncid, &dims, &vars, &globals, &unlimited);
    text += "format " + std::to_string(format) + ", " + std::to_string(globals) + " global attributes, unlimited " +
            std::to_string(unlimited) + "\n";
    for (int d = 0; d < dims; ++d) {
        char name[NC_MAX_NAME + 1] = {};
        std::size_t length = 0;
        nc_inq_dim(ncid, d, name, &length);
        text += "dim " + std::string(name) + " " + std::to_string(length) + "\n";
    }
    for (int v = 0; v < vars; ++v) {
        char name[NC_MAX_NAME + 1] = {};
        nc_type type = 0;
        int var_dims = 0, var_dim_ids[NC_MAX_VAR_DIMS] = {}, attributes = 0;
        nc_inq_var(ncid, v, name, &type, &var_dims, var_dim_ids, &attributes);
        text += "var " + std::string(name) + " type " + std::to_string(type) + " dims";
        for (int d = 0; d < var_dims; ++d) text += " " + std::to_string(var_dim_ids[d]);
        text += "\n";
        for (int a = 0; a < attributes; ++a) {
            char attribute[NC_MAX_NAME + 1] = {};
            nc_inq_attname(ncid, v, a, attribute);
            std::size_t length = 0;
            nc_inq_attlen(ncid, v, attribute, &length);
            std::vector<char> value(length * 8 + 1);
            nc_get_att(ncid, v, attribute, value.data());
            text += "  att " + std::string(attribute) + " = " + std::string(value.data(), length) + "\n";
        }
    }
    nc_close(ncid);
    return text;
}

TEST(NetcdfBaseline, WritesTheLayoutOfTheConvertersTenFiles)
{
    const scratch_directory scratch;
    const estuary_case estuary(case_size{16, 12, 3, 4});
    const std::filesystem::path workdir = scratch.path() / "work";
    lay_out_workdir(estuary, workdir);
    const child_result run = run_child({TORVAUTIL_PROGRAM}, workdir.string(), converter_answers(),
                                       (scratch.path() / "console.txt").string());
    ASSERT_EQ(run.exit_status, 0);
    ASSERT_TRUE(std::filesystem::exists(workdir / "output" / "Model_dim.txt"));

    const std::filesystem::path baseline_folder = scratch.path() / "baseline";
    std::filesystem::create_directories(baseline_folder);
    netcdf_baseline(estuary).write(baseline_folder, estuary.size().moments);
    for (const char* name :
         {"Volume", "LayerDepth", "Temp", "Salt", "WaterDepth", "SurfaceElev", "Ev", "UFlow", "VFlow", "WFlow"}) {
        const std::string file = std::string(name) + ".nc";
        EXPECT_EQ(layout_of(baseline_folder / file), layout_of(workdir / "output" / file)) << file;
    }
}

}  // namespace
}  // namespace bench
