#include "standard_grid.h"

#include <sstream>

#include "linkage_file_builder.h"

void write_standard_grid(const scratch_workdir& dir, int im, int jm, int km)
{
    dir.write_control(im, jm, km);
    std::vector<std::string> cells;
    for (int j = jm; j >= 1; --j) {
        std::ostringstream row;
        row.width(5);
        row << j << std::string(static_cast<std::size_t>(im), '5');
        cells.push_back(row.str());
    }
    dir.write_cell_inp(cells);

    std::vector<std::string> layers, depths, shapes;
    for (int j = 1; j <= jm; ++j)
        for (int i = 1; i <= im; ++i) {
            const std::string column = std::to_string(i) + " " + std::to_string(j);
            layers.push_back(column + " " + std::to_string(km));
            depths.push_back(column + " 100.0 200.0 10.0");
            shapes.push_back(column + " " + std::to_string(416000 + 100 * i) + " " + std::to_string(3360000 + 200 * j) +
                             " 1.0 0.0 0.0 1.0");
        }
    dir.write_grid_input("GVCLAYER.INP", layers);
    dir.write_grid_input("dxdy.inp", depths);
    dir.write_grid_input("lxly.inp", shapes);
}

std::vector<std::string> names_of_every_cell(int im, int jm, int km)
{
    std::vector<std::string> names;
    for (int k = 1; k <= km; ++k)
        for (int j = 1; j <= jm; ++j)
            for (int i = 1; i <= im; ++i) names.push_back(cell_name(i, j, k));
    return names;
}
