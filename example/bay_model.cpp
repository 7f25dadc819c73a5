#include "bay_model.h"

#include <algorithm>
#include <cmath>

namespace bay {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double tidal_period_hours = 12.42;
constexpr double layer_per_metres = 2.5;

// Deeper towards the mouth (high J) and the middle of the bay; land along
// the sides, the southern edge and a headland on the eastern shore.
double depth_at(int i, int j)
{
    if (i == 1 || i == im || j == 1) return 0.0;
    if (i > 30 && j > 10 && j < 16) return 0.0;
    const double across = std::sin(pi * (i - 0.5) / im);
    const double along = static_cast<double>(j - 1) / (jm - 1);
    return 1.0 + 12.0 * across * (0.3 + 0.7 * along);
}

}  // namespace

model::model()
{
    for (int j = 1; j <= jm; ++j)
        for (int i = 1; i <= im; ++i) {
            const double depth = depth_at(i, j);
            depth_[index(i, j)] = depth;
            const int layers = depth < 1.5 ? 0 : static_cast<int>(std::ceil(depth / layer_per_metres));
            layers_[index(i, j)] = std::min(layers, km);
        }
    for (int j = 1; j <= jm; ++j)
        for (int i = 1; i <= im; ++i)
            for (int k = 1; k <= layers(i, j); ++k) {
                segments_.push_back({i, j, k});
                numbers_[index(i, j) + im * jm * (k - 1)] = static_cast<int>(segments_.size());
            }

    // Each segment receives the flow across its western and southern faces and
    // across its bottom; the sea lies beyond the northern edge, and a river
    // enters at the head of the bay.
    int river_inlets = 0;
    for (std::size_t n = 0; n < segments_.size(); ++n) {
        const segment& s = segments_[n];
        const int self = static_cast<int>(n) + 1;
        if (s.i > 1 && s.k <= layers(s.i - 1, s.j)) paths_.push_back({self, segment_number(s.i - 1, s.j, s.k), 1});
        if (s.j > 1 && s.k <= layers(s.i, s.j - 1)) paths_.push_back({self, segment_number(s.i, s.j - 1, s.k), 2});
        if (s.k < layers(s.i, s.j)) paths_.push_back({self, segment_number(s.i, s.j, s.k + 1), 3});
        if (s.j == jm) paths_.push_back({0, self, 2});  // open sea boundary
        if (s.j == 2 && s.k == 1 && river_inlets < 2) {
            paths_.push_back({self, 0, 2});  // river inflow
            ++river_inlets;
        }
    }
}

int model::segment_number(int i, int j, int k) const
{
    return numbers_[index(i, j) + im * jm * (k - 1)];
}

double model::surface_elevation(int hour) const
{
    return 0.6 * std::sin(2.0 * pi * hour / tidal_period_hours) + 0.1 * std::sin(2.0 * pi * hour / 24.0);
}

double model::current(int hour) const
{
    return 0.4 * std::cos(2.0 * pi * hour / tidal_period_hours);
}

double model::layer_thickness(const segment& s, int hour) const
{
    return (bottom_depth(s.i, s.j) + surface_elevation(hour)) / layers(s.i, s.j);
}

std::vector<float> model::volumes(int hour) const
{
    std::vector<float> values;
    for (const segment& s : segments_)
        values.push_back(static_cast<float>(cell_size * cell_size * layer_thickness(s, hour)));
    return values;
}

std::vector<float> model::layer_depths(int hour) const
{
    std::vector<float> values;
    for (const segment& s : segments_) values.push_back(static_cast<float>(layer_thickness(s, hour)));
    return values;
}

std::vector<float> model::velocities(int hour) const
{
    std::vector<float> values;
    for (const segment& s : segments_) values.push_back(static_cast<float>(current(hour) * (1.0 - 0.12 * (s.k - 1))));
    return values;
}

std::vector<float> model::temperatures(int hour) const
{
    std::vector<float> values;
    for (const segment& s : segments_) {
        const double daily = 1.5 * std::sin(2.0 * pi * (hour - 8) / 24.0) * std::exp(-(s.k - 1) / 1.5);
        values.push_back(static_cast<float>(24.0 - 0.7 * (s.k - 1) + daily + 0.05 * (jm - s.j)));
    }
    return values;
}

std::vector<float> model::salinities(int hour) const
{
    std::vector<float> values;
    for (const segment& s : segments_) {
        const double seaward = static_cast<double>(s.j - 1) / (jm - 1);
        const double tidal = 0.8 * std::sin(2.0 * pi * hour / tidal_period_hours) * seaward;
        values.push_back(static_cast<float>(8.0 + 24.0 * seaward + 0.6 * (s.k - 1) + tidal));
    }
    return values;
}

std::vector<float> model::flows(int hour) const
{
    std::vector<float> values;
    for (const flow_path& path : paths_) {
        const int receiving = path[0] != 0 ? path[0] : path[1];
        const segment& s = segments_[static_cast<std::size_t>(receiving - 1)];
        const double face = cell_size * layer_thickness(s, hour);
        const double u = current(hour) * (1.0 - 0.12 * (s.k - 1));
        switch (path[2]) {
            case 1:
                values.push_back(static_cast<float>(0.15 * u * face));
                break;
            case 2:
                values.push_back(static_cast<float>(u * face));
                break;
            default:
                values.push_back(static_cast<float>(0.002 * u * cell_size * cell_size));
                break;
        }
    }
    return values;
}

std::vector<float> model::speeds(int hour) const
{
    std::vector<float> values;
    for (std::size_t n = 0; n < paths_.size(); ++n) values.push_back(static_cast<float>(std::fabs(current(hour))));
    return values;
}

std::vector<float> model::dispersions(int hour) const
{
    std::vector<float> values;
    for (std::size_t n = 0; n < paths_.size(); ++n)
        values.push_back(static_cast<float>(1.0 + 2.5 * std::fabs(current(hour))));
    return values;
}

}  // namespace bay
