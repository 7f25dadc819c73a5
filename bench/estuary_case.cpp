#include "estuary_case.h"

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double tidal_period_hours = 12.42;
constexpr double layer_thickness = 2.5;  // metres of depth per layer
constexpr double tidal_range = 0.6;      // metres of surface amplitude

// A shelf that deepens towards the sea (high J) and flattens across most of
// the width, so that most columns have every layer.
double depth_at(int i, int j, const case_size& size)
{
    if (i == 1 || i == size.im || j == 1) return 0.0;
    const double across = std::min(1.0, 2.5 * std::sin(pi * (i - 0.5) / size.im));
    const double along = static_cast<double>(j - 1) / std::max(1, size.jm - 1);
    return 1.0 + 1.2 * size.km * layer_thickness * across * (0.6 + 0.4 * along);
}

// The tide reaches the head of the estuary later than the mouth.
double phase_at(int i, int j, const case_size& size)
{
    return 2.0 * pi * (size.jm - j) / (1.5 * size.jm) + 0.3 * i / size.im;
}

}  // namespace

estuary_case::estuary_case(case_size size) : size_(size)
{
    build_grid();
    build_paths();
    build_waves();
}

void estuary_case::build_grid()
{
    const std::size_t columns = static_cast<std::size_t>(size_.im) * static_cast<std::size_t>(size_.jm);
    layers_.assign(columns, 0);
    depth_.assign(columns, 0.0);
    numbers_.assign(columns * static_cast<std::size_t>(size_.km), 0);
    for (int j = 1; j <= size_.jm; ++j)
        for (int i = 1; i <= size_.im; ++i) {
            const double depth = depth_at(i, j, size_);
            depth_[column(i, j)] = depth;
            const int layers = depth < 1.5 ? 0 : static_cast<int>(std::ceil(depth / layer_thickness));
            layers_[column(i, j)] = std::min(layers, size_.km);
        }
    for (int j = 1; j <= size_.jm; ++j)
        for (int i = 1; i <= size_.im; ++i)
            for (int k = 1; k <= layers(i, j); ++k) {
                segments_.push_back({i, j, k});
                numbers_[column(i, j) + columns * static_cast<std::size_t>(k - 1)] =
                    static_cast<int32_t>(segments_.size());
            }
}

void estuary_case::build_paths()
{
    const std::size_t columns = static_cast<std::size_t>(size_.im) * static_cast<std::size_t>(size_.jm);
    const auto number = [&](int i, int j, int k) {
        return numbers_[column(i, j) + columns * static_cast<std::size_t>(k - 1)];
    };
    for (std::size_t n = 0; n < segments_.size(); ++n) {
        const grid_cell& s = segments_[n];
        const int32_t self = static_cast<int32_t>(n) + 1;
        if (s.i > 1 && s.k <= layers(s.i - 1, s.j)) paths_.push_back({self, number(s.i - 1, s.j, s.k), 1});
        if (s.j > 1 && s.k <= layers(s.i, s.j - 1)) paths_.push_back({self, number(s.i, s.j - 1, s.k), 2});
        if (s.k < layers(s.i, s.j)) paths_.push_back({self, number(s.i, s.j, s.k + 1), 3});
        if (s.j == size_.jm) paths_.push_back({0, self, 2});  // the open sea
    }
}

void estuary_case::build_waves()
{
    for (wave& w : segment_waves_) {
        w.mean.resize(segments_.size());
        w.sine.resize(segments_.size());
        w.cosine.resize(segments_.size());
    }
    // Sets one element of a wave from its mean, amplitude and phase.
    const auto set = [](wave& w, std::size_t e, double mean, double amplitude, double phase) {
        w.mean[e] = static_cast<float>(mean);
        w.sine[e] = static_cast<float>(amplitude * std::cos(phase));
        w.cosine[e] = static_cast<float>(amplitude * std::sin(phase));
    };
    const double along_scale = 1.0 / std::max(1, size_.jm - 1);
    for (std::size_t e = 0; e < segments_.size(); ++e) {
        const grid_cell& s = segments_[e];
        const double layers = this->layers(s.i, s.j);
        const double thickness = bottom_depth(s.i, s.j) / layers;
        const double phase = phase_at(s.i, s.j, size_);
        const double seaward = (s.j - 1) * along_scale;
        set(segment_waves_[0], e, cell_size * cell_size * thickness, cell_size * cell_size * tidal_range / layers,
            phase);
        set(segment_waves_[1], e, thickness, tidal_range / layers, phase);
        set(segment_waves_[2], e, 0.0, 0.4 * (1.0 - 0.06 * (s.k - 1)), phase + pi / 2);
        set(segment_waves_[3], e, 24.0 - 0.7 * (s.k - 1) + 2.0 * (1.0 - seaward), 0.4 * std::exp(-(s.k - 1) / 3.0),
            phase);
        set(segment_waves_[4], e, 8.0 + 24.0 * seaward + 0.6 * (s.k - 1), 0.8 * seaward, phase);
    }

    for (wave& w : flow_waves_) {
        w.mean.resize(paths_.size());
        w.sine.resize(paths_.size());
        w.cosine.resize(paths_.size());
    }
    for (std::size_t e = 0; e < paths_.size(); ++e) {
        const flow_path& path = paths_[e];
        const grid_cell& s = segments_[static_cast<std::size_t>((path[0] != 0 ? path[0] : path[1]) - 1)];
        const double face = cell_size * bottom_depth(s.i, s.j) / layers(s.i, s.j);
        const double current = 0.4 * (1.0 - 0.06 * (s.k - 1));
        const double phase = phase_at(s.i, s.j, size_) + pi / 2;
        const double seaward = (s.j - 1) * along_scale;
        const double flow = path[2] == 1   ? 0.15 * current * face
                            : path[2] == 2 ? current * face
                                           : 0.002 * current * cell_size * cell_size;
        set(flow_waves_[0], e, 0.05 * flow, flow, phase);
        set(flow_waves_[1], e, 0.3, 0.1 * current, phase);
        set(flow_waves_[2], e, 1.5 + 0.5 * seaward, 0.3 * current, phase);
    }
}

std::string estuary_case::segment_name(std::size_t index) const
{
    const grid_cell& s = segments_[index];
    return "I=" + std::to_string(s.i) + " J=" + std::to_string(s.j) + " K=" + std::to_string(s.k);
}

std::size_t estuary_case::frame_bytes() const
{
    return 4 * (segments_.size() * segment_constituents + paths_.size() * flow_constituents);
}

void estuary_case::evaluate(const wave& w, int moment, float* out)
{
    const double angle = 2.0 * pi * moment / tidal_period_hours;
    const float s = static_cast<float>(std::sin(angle));
    const float c = static_cast<float>(std::cos(angle));
    const std::size_t count = w.mean.size();
    for (std::size_t e = 0; e < count; ++e) out[e] = w.mean[e] + w.sine[e] * s + w.cosine[e] * c;
}

void estuary_case::segment_values(int moment, int constituent, float* out) const
{
    evaluate(segment_waves_[static_cast<std::size_t>(constituent)], moment, out);
}

void estuary_case::flow_values(int moment, int constituent, float* out) const
{
    evaluate(flow_waves_[static_cast<std::size_t>(constituent)], moment, out);
}

}  // namespace bench
