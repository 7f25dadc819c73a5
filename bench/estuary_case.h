// A synthetic estuary of any size, the case every benchmark writes and reads:
// an IM x JM x KM grid with land along the sides and the southern edge, deeper
// towards the sea (high J) and the middle, one segment per wet layer of a
// column (layer 1 at the surface), and TORVA's flow paths: each segment
// receives the flow across its western and southern faces and its bottom, and
// the sea lies beyond the northern edge.
//
// Every value is a tide that travels through the grid: at moment t (hours)
// value = mean + a * sin(wt) + b * cos(wt), with mean, a and b per element
// and constituent. That is as smooth as model output, varies in every bit
// of the float like model output, and costs two multiply-adds per value.
#ifndef BENCH_ESTUARY_CASE_H
#define BENCH_ESTUARY_CASE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct case_size {
    int im;
    int jm;
    int km;
    int moments;
};

struct grid_cell {
    int i, j, k;
};

// receiving segment, other segment (0 at the sea), direction (1 I, 2 J, 3 K);
// segments counted from 1.
using flow_path = std::array<int32_t, 3>;

class estuary_case {
public:
    static constexpr int segment_constituents = 5;  // volume, depth, velocity, temperature, salinity
    static constexpr int flow_constituents = 3;     // flow, speed, dispersion
    static constexpr double cell_size = 250.0;      // metres

    explicit estuary_case(case_size size);

    const case_size& size() const { return size_; }
    int layers(int i, int j) const { return layers_[column(i, j)]; }
    double bottom_depth(int i, int j) const { return depth_[column(i, j)]; }
    bool is_water(int i, int j) const { return layers(i, j) > 0; }
    const std::vector<grid_cell>& segments() const { return segments_; }
    const std::vector<flow_path>& flow_paths() const { return paths_; }
    std::string segment_name(std::size_t index) const;

    // Uncompressed bytes of one moment's frame (both sides).
    std::size_t frame_bytes() const;

    // One constituent (from 0) at moment `moment` (from 0, hourly) into `out`,
    // which holds one value per segment (or flow path).
    void segment_values(int moment, int constituent, float* out) const;
    void flow_values(int moment, int constituent, float* out) const;

private:
    // mean, in-phase and quadrature amplitude of one constituent, per element.
    struct wave {
        std::vector<float> mean, sine, cosine;
    };
    std::size_t column(int i, int j) const
    {
        return static_cast<std::size_t>(i - 1) + static_cast<std::size_t>(size_.im) * static_cast<std::size_t>(j - 1);
    }
    void build_grid();
    void build_paths();
    void build_waves();
    static void evaluate(const wave& w, int moment, float* out);

    case_size size_;
    std::vector<int> layers_;
    std::vector<double> depth_;
    std::vector<int32_t> numbers_;  // segment number of each cell, 0 for none
    std::vector<grid_cell> segments_;
    std::vector<flow_path> paths_;
    std::array<wave, segment_constituents> segment_waves_;
    std::array<wave, flow_constituents> flow_waves_;
};

}  // namespace bench

#endif
