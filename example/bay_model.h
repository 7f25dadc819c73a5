// A small synthetic estuary for the example run: a bay on a 40 x 25 grid of
// 500 m cells, up to 5 layers, open to the sea along its northern edge, with
// a river entering at its head. Layer 1 is the surface; a column has as many
// layers as its depth gives (one per 2.5 m, at most 5).
//
// Moments are hourly; every value is a smooth function of the hour, the cell
// and the layer (a semidiurnal tide, a daily heating cycle, a salinity
// gradient from river to sea), so that each NetCDF record looks plausible.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace bay {

constexpr int im = 40;
constexpr int jm = 25;
constexpr int km = 5;
constexpr double cell_size = 500.0;       // metres, in I and in J
constexpr double origin_east = 400000.0;  // UTM zone 16, metres
constexpr double origin_north = 3300000.0;
constexpr int moments = 73;  // three days, hourly, both ends included

struct segment {
    int i, j, k;
};

// Flow path: receiving segment, other segment (0 at a boundary), direction
// (1 I, 2 J, 3 K); segments counted from 1.
using flow_path = std::array<int, 3>;

class model {
public:
    model();

    bool is_water(int i, int j) const { return layers(i, j) > 0; }
    int layers(int i, int j) const { return layers_[index(i, j)]; }
    double bottom_depth(int i, int j) const { return depth_[index(i, j)]; }

    const std::vector<segment>& segments() const { return segments_; }
    const std::vector<flow_path>& flow_paths() const { return paths_; }

    // Values at a moment (hour from the start) for every segment or path.
    double surface_elevation(int hour) const;
    std::vector<float> volumes(int hour) const;
    std::vector<float> layer_depths(int hour) const;
    std::vector<float> velocities(int hour) const;
    std::vector<float> temperatures(int hour) const;
    std::vector<float> salinities(int hour) const;
    std::vector<float> flows(int hour) const;
    std::vector<float> speeds(int hour) const;
    std::vector<float> dispersions(int hour) const;

private:
    static int index(int i, int j) { return (i - 1) + im * (j - 1); }
    int segment_number(int i, int j, int k) const;
    double layer_thickness(const segment& s, int hour) const;
    double current(int hour) const;

    std::array<int, im * jm> layers_{};
    std::array<double, im * jm> depth_{};
    std::array<int, im * jm * km> numbers_{};  // segment number of each cell, 0 for none
    std::vector<segment> segments_;
    std::vector<flow_path> paths_;
};

}  // namespace bay
