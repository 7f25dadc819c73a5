// Second pass: the surface question and the reversal of the layer order.
//
// The reversal runs against KM in every water column, whatever its layer
// count in nz.dat: a segment at layer K moves to KM - K + 1, and the column's
// valid-cell marks move the same way. A segment and the mark of its cell so
// always stay together. A file that numbers layers from the bottom of the
// full KM-layer grid gets the layers of a shallow column of n layers at
// 1 .. n, which are the cells the grid validation counts; a layer count above
// KM is thereby taken as KM.
#include <vector>

#include "console.h"
#include "freeform_line.h"
#include "freeform_reader.h"
#include "second_pass_steps.h"
#include "vars.h"

namespace {

void reverse_segment_layers()
{
    for (int4 s = 1; s <= vars.numseg; ++s)
        if (vars.validseg(s) != 0) vars.k_ind(s) = vars.km - vars.k_ind(s) + 1;
}

void reverse_cell_marks()
{
    const int4 km = vars.km;
    std::vector<int4> column(static_cast<std::size_t>(km > 0 ? km : 0));
    for (int4 j = 1; j <= vars.jm; ++j)
        for (int4 i = 1; i <= vars.im; ++i) {
            for (int4 k = 1; k <= km; ++k) column[k - 1] = vars.validcell(i, j, k);
            for (int4 k = 1; k <= km; ++k) vars.validcell(i, j, km - k + 1) = column[k - 1];
        }
}

}  // namespace

void ask_surface_layer()
{
    console::write(freeform_line() << "Is k=1 the surface layer in the .hyd file? (y/n)");
    console::write(freeform_line() << "If 'n' the ordering of layers will be reversed");
    char answer = ' ';
    freeform_reader::console().read_or_stop(answer);
    if (answer != 'n' && answer != 'N') return;
    reverse_segment_layers();
    reverse_cell_marks();
}
