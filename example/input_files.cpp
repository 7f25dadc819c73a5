#include "input_files.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace bay {

namespace {

constexpr char cell_water = '5';
constexpr char cell_land = '0';

std::ofstream open_file(const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return out;
}

// Every grid input file starts with four header lines that are not read.
void write_header(std::ofstream& out, const char* title, const char* columns)
{
    out << "C " << title << "\r\n"
        << "C example bay, 40 x 25 cells of 500 m\r\n"
        << "C\r\n"
        << "C " << columns << "\r\n";
}

std::string format(const char* layout, double a, double b, double c, double d, double e)
{
    char line[160];
    std::snprintf(line, sizeof line, layout, a, b, c, d, e);
    return line;
}

void write_control(const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "control.dat");
    out << "Example bay grid: IM, JM, KM\r\n" << im << "\r\n" << jm << "\r\n" << km << "\r\n";
}

// Rows from J = JM down to 1: five characters (the row number), then one
// cell-type digit per I.
void write_cells(const model& bay, const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "cell.inp");
    write_header(out, "cell.inp", "cell types, row J = JM first");
    for (int j = jm; j >= 1; --j) {
        char number[8];
        std::snprintf(number, sizeof number, "%5d", j);
        std::string row = number;
        for (int i = 1; i <= im; ++i) row += bay.is_water(i, j) ? cell_water : cell_land;
        out << row << "\r\n";
    }
}

void write_layers(const model& bay, const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "GVCLAYER.INP");
    write_header(out, "GVCLAYER.INP", "I J layers");
    for (int j = 1; j <= jm; ++j)
        for (int i = 1; i <= im; ++i)
            if (bay.is_water(i, j)) out << i << " " << j << " " << bay.layers(i, j) << "\r\n";
}

void write_depths(const model& bay, const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "dxdy.inp");
    write_header(out, "dxdy.inp", "I J dx dy depth");
    for (int j = 1; j <= jm; ++j)
        for (int i = 1; i <= im; ++i)
            if (bay.is_water(i, j))
                out << format("%4.0f %4.0f %9.2f %9.2f %8.3f", i, j, cell_size, cell_size, bay.bottom_depth(i, j))
                    << "\r\n";
}

// Cell centres in UTM metres, with an unrotated grid (the metric factors
// give a unit determinant).
void write_shape(const model& bay, const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "lxly.inp");
    write_header(out, "lxly.inp", "I J east north g11 g12 g21 g22");
    for (int j = 1; j <= jm; ++j)
        for (int i = 1; i <= im; ++i)
            if (bay.is_water(i, j)) {
                const double east = origin_east + (i - 0.5) * cell_size;
                const double north = origin_north + (j - 0.5) * cell_size;
                out << format("%4.0f %4.0f %12.2f %12.2f", i, j, east, north, 0.0) << " 1.0 0.0 0.0 1.0\r\n";
            }
}

}  // namespace

void write_input_files(const model& bay, const std::filesystem::path& input_folder)
{
    write_control(input_folder);
    write_cells(bay, input_folder);
    write_layers(bay, input_folder);
    write_depths(bay, input_folder);
    write_shape(bay, input_folder);
}

}  // namespace bay
