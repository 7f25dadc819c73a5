// lxly.dat and latlon.dat from lxly.inp: the metric factor of every valid
// column, and its cell centre converted from UTM to latitude and longitude.
#include <cmath>
#include <limits>

#include "console.h"
#include "freeform_line.h"
#include "grid_bounds.h"
#include "grid_input_file.h"
#include "grid_output_file.h"
#include "run_steps.h"
#include "utm2latlon.h"
#include "vars.h"

namespace {

constexpr real4 no_coordinate = -9999.0f;

struct shape_arrays {
    onebased_array<real4, 2> g{"garray"};
    onebased_array<real4, 2> east{"eastarray"};
    onebased_array<real4, 2> north{"northarray"};
    onebased_array<real4, 2> lat{"latarray"};
    onebased_array<real4, 2> lon{"lonarray"};

    shape_arrays()
    {
        for (auto* array : {&g, &east, &north, &lat, &lon}) array->allocate(vars.im, vars.jm);
        g.fill(0.0f);
        for (auto* array : {&east, &north, &lat, &lon}) array->fill(no_coordinate);
    }
};

// The square root of the metric determinant, taken in double precision and
// rounded once; a negative determinant gives NaN.  A root beyond the largest
// 4-byte real (factors near that limit) becomes infinity rather than an
// out-of-range conversion.
real4 metric_factor(real4 g11, real4 g12, real4 g21, real4 g22)
{
    const double determinant = static_cast<double>(g11) * g22 - static_cast<double>(g12) * g21;
    const double root = std::sqrt(determinant);
    if (root > std::numeric_limits<real4>::max()) return std::numeric_limits<real4>::infinity();
    return static_cast<real4>(root);
}

void read_shapes(shape_arrays& shapes)
{
    grid_input_file input(bentha_input.shapeinpfile);
    real4 indi = 0, indj = 0, utmeast = 0, utmnorth = 0, g11 = 0, g12 = 0, g21 = 0, g22 = 0;
    while (input.next_record(indi, indj, utmeast, utmnorth, g11, g12, g21, g22)) {
        std::int64_t i = 0;
        std::int64_t j = 0;
        if (!real_index(indi, i) || !real_index(indj, j) || !inside_grid(i, j)) {
            report_record_outside_grid(input.path(), indi, indj);
            continue;
        }
        if (!valid_column(i, j)) continue;
        shapes.g(i, j) = metric_factor(g11, g12, g21, g22);
        shapes.east(i, j) = utmeast;
        shapes.north(i, j) = utmnorth;
    }
}

void convert_coordinates(shape_arrays& shapes)
{
    initialize_utm2latlon();
    for (int4 i = 1; i <= vars.im; ++i)
        for (int4 j = 1; j <= vars.jm; ++j)
            if (shapes.east(i, j) != no_coordinate && shapes.north(i, j) != no_coordinate)
                convertutm2latlon(shapes.east(i, j), shapes.north(i, j), shapes.lat(i, j), shapes.lon(i, j));
}

}  // namespace

void shapedata()
{
    console::write(freeform_line() << "Writing shape data");
    shape_arrays shapes;
    read_shapes(shapes);

    text_output_file out;
    open_grid_output(out, bentha_input.lxlydatfile);
    write_grid_block(out, "mask", shapes.g, [](formatted_line& line, real4 value) { line.fixed(value, 10, 8); });
    out.close();

    convert_coordinates(shapes);
    const auto degrees_field = [](formatted_line& line, real4 value) { line.fixed(value, 14, 8); };
    open_grid_output(out, bentha_input.latlondatfile);
    write_grid_block(out, "lat", shapes.lat, degrees_field);
    write_grid_block(out, "lon", shapes.lon, degrees_field);
    out.close();
}
