#include "converter_workdir.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "export_writer.h"

namespace bench {

namespace {

constexpr double origin_east = 400000.0;  // UTM metres
constexpr double origin_north = 3300000.0;

std::ofstream open_file(const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return out;
}

// Every grid input file starts with four header lines that are not read.
void write_title(std::ofstream& out, const char* file, const char* columns)
{
    out << "C " << file << "\r\nC benchmark estuary\r\nC\r\nC " << columns << "\r\n";
}

std::string formatted(const char* layout, double a, double b, double c, double d, double e)
{
    char line[160];
    std::snprintf(line, sizeof line, layout, a, b, c, d, e);
    return line;
}

void write_control(const estuary_case& estuary, const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "control.dat");
    out << "Benchmark estuary grid: IM, JM, KM\r\n"
        << estuary.size().im << "\r\n"
        << estuary.size().jm << "\r\n"
        << estuary.size().km << "\r\n";
}

// Rows from J = JM down to 1: five characters, then one cell type per I
// (5 water, 0 land).
void write_cells(const estuary_case& estuary, const std::filesystem::path& input)
{
    std::ofstream out = open_file(input / "cell.inp");
    write_title(out, "cell.inp", "cell types, row J = JM first");
    for (int j = estuary.size().jm; j >= 1; --j) {
        char number[16];
        std::snprintf(number, sizeof number, "%5d", j % 100000);
        std::string row = number;
        for (int i = 1; i <= estuary.size().im; ++i) row += estuary.is_water(i, j) ? '5' : '0';
        out << row << "\r\n";
    }
}

void write_columns(const estuary_case& estuary, const std::filesystem::path& input)
{
    std::ofstream layers = open_file(input / "GVCLAYER.INP");
    write_title(layers, "GVCLAYER.INP", "I J layers");
    std::ofstream depths = open_file(input / "dxdy.inp");
    write_title(depths, "dxdy.inp", "I J dx dy depth");
    std::ofstream shape = open_file(input / "lxly.inp");
    write_title(shape, "lxly.inp", "I J east north g11 g12 g21 g22");
    const double size = estuary_case::cell_size;
    for (int j = 1; j <= estuary.size().jm; ++j)
        for (int i = 1; i <= estuary.size().im; ++i) {
            if (!estuary.is_water(i, j)) continue;
            layers << i << " " << j << " " << estuary.layers(i, j) << "\r\n";
            depths << formatted("%4.0f %4.0f %9.2f %9.2f %8.3f", i, j, size, size, estuary.bottom_depth(i, j))
                   << "\r\n";
            shape << formatted("%4.0f %4.0f %12.2f %12.2f", i, j, origin_east + (i - 0.5) * size,
                               origin_north + (j - 0.5) * size, 0.0)
                  << " 1.0 0.0 0.0 1.0\r\n";
        }
}

}  // namespace

std::string converter_answers()
{
    return std::string("Y\n") + linkage_file_name + "\ny\n1\n\n";
}

void lay_out_workdir(const estuary_case& estuary, const std::filesystem::path& workdir)
{
    std::filesystem::create_directories(workdir / "input");
    std::filesystem::create_directories(workdir / "output");
    write_control(estuary, workdir / "input");
    write_cells(estuary, workdir / "input");
    write_columns(estuary, workdir / "input");
    write_case_file(estuary, (workdir / linkage_file_name).string());
}

}  // namespace bench
