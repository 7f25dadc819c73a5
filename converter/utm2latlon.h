// UTM easting and northing (metres) to latitude and longitude (degrees): the
// inverse transverse Mercator with the footpoint-latitude series, on WGS84, in
// the fixed zone 16 of the northern hemisphere, in single precision.
//
//   initialize_utm2latlon();
//   real4 lat = 0, lon = 0;
//   convertutm2latlon(416728.34f, 3361591.5f, lat, lon);   // lon near -87.9
#pragma once

#include "precmod.h"

struct utm2latlon_state {
    int4 datumchoice = 0;          // which datum entry is used (1-based)
    real4 datumeqrad[2] = {0, 0};  // equatorial radius, metres
    real4 datumflat[2] = {0, 0};   // inverse flattening
    real4 a = 0;                   // semi-major axis
    real4 f = 0;                   // flattening
    real4 b = 0;                   // semi-minor axis
    real4 e = 0;                   // eccentricity
    real4 k0 = 0;                  // scale on the central meridian
    real4 pi = 0;
    real4 drad = 0;  // radians per degree
    int4 utmz = 0;   // UTM zone
    real4 phi = 0;   // working latitude, radians
};

extern utm2latlon_state utm2latlon;

// Sets the module state; may run any number of times.
void initialize_utm2latlon();

// Prints a range warning for an easting outside 160000..840000 or a northing
// outside 0..10000000 and converts in every case. Never fails.
void convertutm2latlon(real4 east, real4 north, real4& lat, real4& lon);

// Self-check of the module: converts three points of the zone and prints one
// free-form line per point with its easting, northing, latitude and
// longitude. No run calls it.
void testcase();
