#include "utm2latlon.h"

#include <cmath>

#include "console.h"
#include "freeform_line.h"
#include "portable_math.h"

utm2latlon_state utm2latlon;

void initialize_utm2latlon()
{
    utm2latlon_state& s = utm2latlon;
    s.datumchoice = 1;
    s.datumeqrad[0] = s.datumeqrad[1] = 6378137.0f;
    s.datumflat[0] = s.datumflat[1] = 298.257223563f;
    const int chosen = s.datumchoice - 1;
    // Products and quotients in double, rounded as they are stored.
    s.a = s.datumeqrad[chosen];
    s.f = static_cast<real4>(1.0 / static_cast<double>(s.datumflat[chosen]));
    s.b = static_cast<real4>((1.0 - static_cast<double>(s.f)) * static_cast<double>(s.a));
    const double ratio = static_cast<double>(s.b) / static_cast<double>(s.a);
    s.e = static_cast<real4>(std::sqrt(1.0 - ratio * ratio));
    s.k0 = 0.9996f;
    s.pi = 3.1415927f;
    s.drad = static_cast<real4>(static_cast<double>(s.pi) / 180.0);
    s.utmz = 16;
}

void convertutm2latlon(real4 east, real4 north, real4& lat, real4& lon)
{
    utm2latlon_state& s = utm2latlon;
    const real4 ba = s.b / s.a;
    const real4 esq = 1.0f - ba * ba;
    const real4 e2 = s.e * s.e;
    const real4 e0sq = e2 / (1.0f - e2);

    if (east < 160000.0f || east > 840000.0f)
        console::write(freeform_line() << "Outside permissible range of easting values");
    if (north < 0.0f || north > 10000000.0f)
        console::write(freeform_line() << "Outside permissible range of northing values");

    const real4 zcm = static_cast<real4>(3 + 6 * (s.utmz - 1) - 180);
    const real4 root = std::sqrt(1.0f - e2);
    const real4 e1 = (1.0f - root) / (1.0f + root);
    const real4 m0 = 0.0f;
    const real4 m = north / s.k0 + m0;
    const real4 mu = m / (s.a * (1.0f - esq * (0.25f + esq * (3.0f / 64.0f + esq * 5.0f / 256.0f))));

    const real4 e1sq = e1 * e1;
    const real4 e1cu = e1sq * e1;
    const real4 e1q = e1sq * e1sq;
    const real4 phi1 = mu + (1.5f * e1 - 27.0f / 32.0f * e1cu) * portable_math::sin(2.0f * mu) +
                       (21.0f / 16.0f * e1sq - 55.0f / 32.0f * e1q) * portable_math::sin(4.0f * mu) +
                       (151.0f / 96.0f * e1cu) * portable_math::sin(6.0f * mu) +
                       (1097.0f / 512.0f * e1q) * portable_math::sin(8.0f * mu);

    const real4 cos_phi1 = portable_math::cos(phi1);
    const real4 sin_phi1 = portable_math::sin(phi1);
    const real4 tan_phi1 = portable_math::tan(phi1);
    const real4 c1 = e0sq * cos_phi1 * cos_phi1;
    const real4 t1 = tan_phi1 * tan_phi1;
    const real4 n1 = s.a / std::sqrt(1.0f - e2 * sin_phi1 * sin_phi1);
    const real4 r1 = (1.0f - e2) * n1 / (1.0f - e2 * sin_phi1 * sin_phi1);
    const real4 d = (east - 500000.0f) / (s.k0 * n1);

    const real4 d2 = d * d;
    const real4 d4 = d2 * d2;
    s.phi = d2 / 2.0f - (5.0f + 3.0f * t1 + 10.0f * c1 - 4.0f * c1 * c1 - 9.0f * e0sq) * d4 / 24.0f;
    s.phi = s.phi + (61.0f + 90.0f * t1 + 298.0f * c1 + 45.0f * t1 * t1 - 252.0f * e0sq - 3.0f * c1 * c1) *
                        portable_math::power(d, 6) / 720.0f;
    s.phi = phi1 - s.phi * tan_phi1 * n1 / r1;
    lat = s.phi * 1000000.0f / s.drad / 1000000.0f;

    const real4 d3 = d2 * d;
    const real4 d5 = d4 * d;
    real4 longitude = (d - (1.0f + 2.0f * t1 + c1) * d3 / 6.0f +
                       (5.0f - 2.0f * c1 + 28.0f * t1 - 3.0f * c1 * c1 + 8.0f * e0sq + 24.0f * t1 * t1) * d5 / 120.0f) /
                      cos_phi1;
    lon = longitude / s.drad + zcm;
}

void testcase()
{
    const real4 points[3][2] = {{416728.34f, 3361591.5f}, {416819.81f, 3360864.25f}, {417251.72f, 3360827.75f}};
    initialize_utm2latlon();
    for (const auto& point : points) {
        real4 lat = 0, lon = 0;
        convertutm2latlon(point[0], point[1], lat, lon);
        console::write(freeform_line() << point[0] << point[1] << lat << lon);
    }
}
