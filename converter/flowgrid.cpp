// Module flowgrid: the layer counts read back from nz.dat, and the grid
// validation that numbers the cells and lists those no segment fills.
#include "flowgrid.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "bentha_input.h"
#include "console.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "input_file.h"
#include "text_output_file.h"
#include "vars.h"

fixed_text<30> removenuls(const fixed_text<30>& text)
{
    fixed_text<30> copy = text;
    const std::string_view field = text.view();
    const std::size_t nul = field.find('\0');
    // A name that starts with its NUL is kept as it is.
    if (nul == std::string_view::npos || nul == 0) return copy;
    for (std::size_t position = nul; position < fixed_text<30>::length; ++position) copy[position] = ' ';
    return copy;
}

void readnzfile()
{
    vars.nza.allocate(vars.im, vars.jm);
    const std::string path = std::string(vars.basepath.trimmed()) + "/output/nz.dat";
    vars.nzfilename = path;

    // Opened as a unit that may be written: a missing file is created empty,
    // and its label line is then the read that fails.
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) std::ofstream(path, std::ios::binary | std::ios::app);

    std::ifstream stream;
    const int4 open_status = open_input_file(stream, path);
    freeform_reader reader(stream, path);
    // nz.dat was written by this run; without it the layer counts are lost.
    if (open_status != 0) reader.read_error("cannot open the file");
    reader.skip_record_or_stop();  // the label line

    std::vector<value_target> row;
    for (int4 j = 1; j <= vars.jm; ++j) {
        row.clear();
        for (int4 i = 1; i <= vars.im; ++i) row.emplace_back(vars.nza(i, j));
        reader.read_list_or_stop(row.data(), row.size());
    }
}

namespace {

void list_invalid_columns(text_output_file& report)
{
    report.write(freeform_line() << "Columns to be removed at:");
    for (int4 j = 1; j <= vars.jm; ++j)
        for (int4 i = 1; i <= vars.im; ++i)
            if (vars.invalidcolumn(i, j) != 0) report.write(freeform_line() << "(i,j)=(" << i << "," << j << ")");
}

// Numbers cells layer by layer from k = 1, within a layer row by row with I
// running fastest; a column has cells only down to its nza layers.
int4 number_cells(text_output_file& report)
{
    report.write(freeform_line() << "Cells to be removed at:");
    int4 cells = 0;
    for (int4 k = 1; k <= vars.km; ++k)
        for (int4 j = 1; j <= vars.jm; ++j)
            for (int4 i = 1; i <= vars.im; ++i) {
                if (vars.nza(i, j) < k) continue;
                vars.flowcell(i, j, k) = ++cells;
                if (vars.validcell(i, j, k) == 0)
                    report.write(freeform_line() << "(i,j,k)=(" << i << "," << j << "," << k << ")");
            }
    return cells;
}

}  // namespace

void validategrid()
{
    vars.flowcell.allocate(vars.im, vars.jm, vars.km);
    vars.flowcell.fill(-1);

    const std::string path = std::string(vars.basepath.trimmed()) + "/output/removedCells.txt";
    text_output_file report;
    bentha_input.filepath = path;
    bentha_input.iostatus = report.open(path, text_output_file::mode::keep);
    io_error();
    list_invalid_columns(report);
    const int4 cells = number_cells(report);
    report.close();

    vars.flowgrid_numcells = cells;
    console::write(freeform_line() << "cellnum=" << cells);
}
