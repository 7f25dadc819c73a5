// UTM zone 16 north to latitude and longitude, in single precision.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "utm2latlon.h"

namespace {

// Single precision keeps about seven digits: some metres at these values.
constexpr double tolerance_degrees = 5e-5;

struct converted {
    real4 lat;
    real4 lon;
};

converted convert(real4 east, real4 north)
{
    converted result{0, 0};
    convertutm2latlon(east, north, result.lat, result.lon);
    return result;
}

std::string console_of(real4 east, real4 north)
{
    testing::internal::CaptureStdout();
    convert(east, north);
    return testing::internal::GetCapturedStdout();
}

const char easting_warning[] = " Outside permissible range of easting values\r\n";
const char northing_warning[] = " Outside permissible range of northing values\r\n";

}  // namespace

TEST(Utm2latlon, InitialisationSetsTheDatumOfZone16)
{
    initialize_utm2latlon();
    initialize_utm2latlon();  // any number of times, the same values
    EXPECT_EQ(utm2latlon.datumchoice, 1);
    EXPECT_EQ(utm2latlon.a, 6378137.0f);
    EXPECT_EQ(utm2latlon.datumflat[0], 298.25723f);
    EXPECT_NEAR(utm2latlon.b, 6356752.3f, 0.5f);
    EXPECT_NEAR(utm2latlon.e, 0.0818192f, 1e-6f);
    EXPECT_EQ(utm2latlon.k0, 0.9996f);
    EXPECT_EQ(utm2latlon.utmz, 16);
}

// The module's own check points; the expected values follow the same series
// in double precision.
TEST(Utm2latlon, TestcasePoints)
{
    initialize_utm2latlon();
    const struct {
        real4 east, north;
        double lat, lon;
    } points[] = {
        {416728.34f, 3361591.5f, 30.383423, -87.866722},
        {416819.81f, 3360864.25f, 30.376867, -87.865712},
        {417251.72f, 3360827.75f, 30.376567, -87.861214},
    };
    for (const auto& p : points) {
        const converted c = convert(p.east, p.north);
        EXPECT_NEAR(c.lat, p.lat, tolerance_degrees) << p.east << " " << p.north;
        EXPECT_NEAR(c.lon, p.lon, tolerance_degrees) << p.east << " " << p.north;
    }

    // The self-check prints the same points, one line each: easting, northing,
    // latitude, longitude.
    testing::internal::CaptureStdout();
    testcase();
    std::istringstream console(testing::internal::GetCapturedStdout());
    std::string line;
    for (const auto& p : points) {
        ASSERT_TRUE(std::getline(console, line));
        ASSERT_EQ(line.size(), 1 + 4 * 16 + 3 + 1u) << line;  // four real fields, CR
        double east = 0, north = 0, lat = 0, lon = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf %lf %lf %lf", &east, &north, &lat, &lon), 4) << line;
        EXPECT_EQ(static_cast<real4>(east), p.east);
        EXPECT_EQ(static_cast<real4>(north), p.north);
        EXPECT_NEAR(lat, p.lat, tolerance_degrees);
        EXPECT_NEAR(lon, p.lon, tolerance_degrees);
    }
    EXPECT_FALSE(std::getline(console, line));
}

TEST(Utm2latlon, CentralMeridianGivesTheFootpointLatitude)
{
    initialize_utm2latlon();
    const converted c = convert(500000.0f, 3361591.5f);
    EXPECT_EQ(c.lon, -87.0f);
    EXPECT_NEAR(c.lat, 30.386297, tolerance_degrees);
}

TEST(Utm2latlon, RangeWarningsAndTheirLimits)
{
    initialize_utm2latlon();
    EXPECT_EQ(console_of(160000.0f, 3361591.5f), "");
    EXPECT_EQ(console_of(840000.0f, 0.0f), "");
    EXPECT_EQ(console_of(500000.0f, 10000000.0f), "");
    EXPECT_EQ(console_of(159999.0f, 3361591.5f), easting_warning);
    EXPECT_EQ(console_of(840001.0f, 3361591.5f), easting_warning);
    EXPECT_EQ(console_of(840001.0f, 10000001.0f), std::string(easting_warning) + northing_warning);
}

TEST(Utm2latlon, NegativeNorthingWarnsAndStillConverts)
{
    initialize_utm2latlon();
    EXPECT_EQ(console_of(500000.0f, -1.0f), northing_warning);
    const converted c = convert(500000.0f, -1.0f);
    EXPECT_LT(c.lat, 0.0f);
    EXPECT_GT(c.lat, -1e-4f);
}

TEST(Utm2latlon, NotANumberGivesNoWarningAndNotANumber)
{
    initialize_utm2latlon();
    EXPECT_EQ(console_of(std::nanf(""), std::nanf("")), "");
    const converted c = convert(std::nanf(""), 3361591.5f);
    EXPECT_TRUE(std::isnan(c.lat));
    EXPECT_TRUE(std::isnan(c.lon));
}
