// The NetCDF variable files: layout, values record by record, replacement of
// an existing file, and the stop on a NetCDF failure.
#include "netcdf_routines.h"

#include "netcdf_file_reader.h"
#include "support/scratch_workdir.h"

#include <gtest/gtest.h>
#include <netcdf.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class netcdf_file_test : public testing::Test {
protected:
    std::string path(const std::string& name) const { return (workdir_.path() / name).string(); }

    scratch_workdir workdir_;
};

std::string command_output(const std::string& command)
{
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe) != nullptr) output += chunk.data();
        pclose(pipe);
    }
    return output;
}

// A grid whose element (i, j, k) holds 100 i + 10 j + k + 1000 record, I fastest.
std::vector<float> numbered_grid(int im, int jm, int km, int record)
{
    std::vector<float> grid;
    for (int k = 1; k <= km; ++k)
        for (int j = 1; j <= jm; ++j)
            for (int i = 1; i <= im; ++i) grid.push_back(static_cast<float>(100 * i + 10 * j + k + 1000 * record));
    return grid;
}

TEST_F(netcdf_file_test, ThreeDimensionalFileHasTheClassicLayoutInOrder)
{
    int4 ncid = 0, varid = 0, tvarid = 0;
    createnetcdffile(path("Volume.nc"), "Volume", 3, 2, 4, 5, ncid, varid, tvarid, 3, -9999.0f, "m3");
    closenetcdffile(ncid);
    EXPECT_EQ(tvarid, 3);
    EXPECT_EQ(varid, 4);

    netcdf_file file(path("Volume.nc"));
    ASSERT_EQ(file.status(), NC_NOERR);
    int format = 0, ndims = 0, nvars = 0, ngatts = 0, unlimited = 0;
    nc_inq_format(file.id(), &format);
    nc_inq(file.id(), &ndims, &nvars, &ngatts, &unlimited);
    EXPECT_EQ(format, NC_FORMAT_CLASSIC);
    EXPECT_EQ(ngatts, 0);
    EXPECT_EQ(unlimited, -1) << "Time is a fixed-length dimension";

    ASSERT_EQ(ndims, 4);
    const char* dim_names[] = {"X", "Y", "Z", "Time"};
    const std::size_t dim_lengths[] = {3, 2, 4, 5};
    for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(file.dimension_name(d), dim_names[d]);
        EXPECT_EQ(file.dimension_length(d), dim_lengths[d]);
    }

    ASSERT_EQ(nvars, 5);
    const char* var_names[] = {"X", "Y", "Z", "Time", "Volume"};
    const nc_type var_types[] = {NC_INT, NC_INT, NC_INT, NC_DOUBLE, NC_FLOAT};
    for (int v = 0; v < 5; ++v) {
        EXPECT_EQ(file.variable_name(v), var_names[v]);
        EXPECT_EQ(file.variable_type(v), var_types[v]);
    }
    EXPECT_EQ(file.variable_dimensions(0), std::vector<std::string>{"X"});
    EXPECT_EQ(file.variable_dimensions(1), std::vector<std::string>{"Y"});
    EXPECT_EQ(file.variable_dimensions(2), std::vector<std::string>{"Z"});
    EXPECT_EQ(file.variable_dimensions(3), std::vector<std::string>{"Time"});
    EXPECT_EQ(file.variable_dimensions(4), (std::vector<std::string>{"Time", "Z", "Y", "X"}));

    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(file.attribute_names(v), (std::vector<std::string>{"units", "long_name"}));
        EXPECT_EQ(file.text_attribute(v, "units"), "meters");
        EXPECT_EQ(file.text_attribute(v, "long_name"), var_names[v]);
    }
    EXPECT_EQ(file.text_attribute(3, "units"), "seconds");
    EXPECT_EQ(file.text_attribute(3, "long_name"), "Time");
    EXPECT_EQ(file.attribute_names(4), (std::vector<std::string>{"units", "_FillValue"}));
    EXPECT_EQ(file.text_attribute(4, "units"), "m3") << "no blanks, no NUL";
    nc_type fill_type = NC_NAT;
    std::size_t fill_length = 0;
    nc_inq_att(file.id(), 4, "_FillValue", &fill_type, &fill_length);
    EXPECT_EQ(fill_type, NC_FLOAT);
    EXPECT_EQ(fill_length, 1u);
    float fill = 0.0f;
    nc_get_att_float(file.id(), 4, "_FillValue", &fill);
    EXPECT_EQ(fill, -9999.0f);

    EXPECT_EQ(file.ints(0), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(file.ints(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(file.ints(2), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(netcdf_file_test, RecordsHoldTheGridInPlaceAndUnwrittenOnesTheFillValues)
{
    const int im = 3, jm = 2, km = 2;
    int4 ncid = 0, varid = 0, tvarid = 0;
    createnetcdffile(path("Temp.nc"), "Temp", im, jm, km, 3, ncid, varid, tvarid, 3, -9999.0f, "Celsius");
    const std::vector<float> second = numbered_grid(im, jm, km, 2);
    writetimestepdata3d(ncid, varid, tvarid, 2, im, jm, km, 1704067200.0, second.data());
    closenetcdffile(ncid);

    netcdf_file file(path("Temp.nc"));
    ASSERT_EQ(file.status(), NC_NOERR);
    for (int k = 1; k <= km; ++k)
        for (int j = 1; j <= jm; ++j)
            for (int i = 1; i <= im; ++i) {
                float value = 0.0f;
                const std::size_t at2[] = {1, std::size_t(k - 1), std::size_t(j - 1), std::size_t(i - 1)};
                nc_get_var1_float(file.id(), 4, at2, &value);
                EXPECT_EQ(value, 100 * i + 10 * j + k + 2000) << i << "," << j << "," << k;
                const std::size_t at1[] = {0, std::size_t(k - 1), std::size_t(j - 1), std::size_t(i - 1)};
                nc_get_var1_float(file.id(), 4, at1, &value);
                EXPECT_EQ(value, -9999.0f);
            }
    double times[3] = {0, 0, 0};
    nc_get_var_double(file.id(), 3, times);
    EXPECT_EQ(times[0], NC_FILL_DOUBLE);
    EXPECT_EQ(times[1], 1704067200.0);
    EXPECT_EQ(times[2], NC_FILL_DOUBLE);
}

TEST_F(netcdf_file_test, TwoDimensionalRecordsGoToTheirTimeIndex)
{
    const int im = 2, jm = 3;
    int4 ncid = 0, varid = 0, tvarid = 0;
    createnetcdffile(path("SurfaceElev.nc"), "SurfaceElev", im, jm, 9, 2, ncid, varid, tvarid, 2, -9999.0f, "meters");
    const std::vector<float> first = numbered_grid(im, jm, 1, 0);
    const std::vector<float> second = numbered_grid(im, jm, 1, 5);
    writetimestepdata2d(ncid, varid, tvarid, 1, im, jm, 10.0, first.data());
    writetimestepdata2d(ncid, varid, tvarid, 2, im, jm, 20.0, second.data());
    closenetcdffile(ncid);

    netcdf_file file(path("SurfaceElev.nc"));
    std::vector<float> all(2 * im * jm);
    nc_get_var_float(file.id(), 4, all.data());
    std::vector<float> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(all, expected);
    double times[2] = {0, 0};
    nc_get_var_double(file.id(), 3, times);
    EXPECT_EQ(times[0], 10.0);
    EXPECT_EQ(times[1], 20.0);
}

TEST_F(netcdf_file_test, AnExistingFileIsReplaced)
{
    {
        std::ofstream old(path("Salt.nc"), std::ios::binary);
        old << "not a NetCDF file at all";
    }
    int4 ncid = 0, varid = 0, tvarid = 0;
    createnetcdffile(path("Salt.nc"), "Salt", 2, 2, 2, 1, ncid, varid, tvarid, 3, -9999.0f, "ppt");
    closenetcdffile(ncid);
    netcdf_file file(path("Salt.nc"));
    EXPECT_EQ(file.status(), NC_NOERR);
    EXPECT_EQ(file.variable_name(4), "Salt");
}

// A 2-D file keeps a variable Z, over Time and never written, so that "Time"
// is the fourth variable in every file.
TEST_F(netcdf_file_test, NcdumpReadsATwoDimensionalFileAsClassicWithTheExpectedHeader)
{
    int4 ncid = 0, varid = 0, tvarid = 0;
    createnetcdffile(path("SurfaceElev.nc"), "SurfaceElev", 4, 3, 2, 2, ncid, varid, tvarid, 2, -9999.0f, "meters");
    closenetcdffile(ncid);

    EXPECT_EQ(command_output("ncdump -k " + path("SurfaceElev.nc")), "classic\n");
    const std::string expected =
        "netcdf SurfaceElev {\n"
        "dimensions:\n"
        "\tX = 4 ;\n"
        "\tY = 3 ;\n"
        "\tTime = 2 ;\n"
        "variables:\n"
        "\tint X(X) ;\n"
        "\t\tX:units = \"meters\" ;\n"
        "\t\tX:long_name = \"X\" ;\n"
        "\tint Y(Y) ;\n"
        "\t\tY:units = \"meters\" ;\n"
        "\t\tY:long_name = \"Y\" ;\n"
        "\tint Z(Time) ;\n"
        "\t\tZ:units = \"meters\" ;\n"
        "\t\tZ:long_name = \"Z\" ;\n"
        "\tdouble Time(Time) ;\n"
        "\t\tTime:units = \"seconds\" ;\n"
        "\t\tTime:long_name = \"Time\" ;\n"
        "\tfloat SurfaceElev(Time, Y, X) ;\n"
        "\t\tSurfaceElev:units = \"meters\" ;\n"
        "\t\tSurfaceElev:_FillValue = -9999.f ;\n"
        "}\n";
    EXPECT_EQ(command_output("cd " + workdir_.path().string() + " && ncdump -h SurfaceElev.nc"), expected);
    const netcdf_file file(path("SurfaceElev.nc"));
    EXPECT_EQ(file.ints(2), (std::vector<int>{NC_FILL_INT, NC_FILL_INT}));
}

// The console line goes to a file inside the dying process, read afterwards.
TEST_F(netcdf_file_test, ARecordBeyondTheTimeDimensionStopsTheRunWithStatus2)
{
    const std::string console_path = path("console.txt");
    const std::vector<float> grid = numbered_grid(2, 2, 2, 1);
    const auto write_beyond_the_last_record = [&] {
        if (std::freopen(console_path.c_str(), "w", stdout) == nullptr) std::abort();
        int4 ncid = 0, varid = 0, tvarid = 0;
        createnetcdffile(path("UFlow.nc"), "UFlow", 2, 2, 2, 1, ncid, varid, tvarid, 3, -9999.0f, "m3/s");
        writetimestepdata3d(ncid, varid, tvarid, 2, 2, 2, 2, 0.0, grid.data());
    };
    EXPECT_EXIT(write_beyond_the_last_record(), testing::ExitedWithCode(2), "STOP 2");

    std::ifstream in(console_path, std::ios::binary);
    std::stringstream console;
    console << in.rdbuf();
    std::string message = nc_strerror(NC_EINVALCOORDS);
    message.resize(80, ' ');
    EXPECT_EQ(console.str(), " Error: " + message + "\r\n");
}

TEST_F(netcdf_file_test, AFileThatCannotBeCreatedStopsTheRunWithStatus2)
{
    int4 ncid = 0, varid = 0, tvarid = 0;
    EXPECT_EXIT(createnetcdffile(path("missing/Ev.nc"), "Ev", 2, 2, 2, 1, ncid, varid, tvarid, 3, -9999.0f, "m2/s"),
                testing::ExitedWithCode(2), "STOP 2");
}

}  // namespace
