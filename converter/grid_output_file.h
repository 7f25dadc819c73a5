// Writing a BENTHA grid file of the output folder: a file of one or two
// blocks, each a label line and JM rows (row J = 1 first) of IM fields
// separated by one blank.
//
//   text_output_file out;
//   open_grid_output(out, bentha_input.maskdatfile);
//   write_grid_block(out, "mask", mask, [](formatted_line& line, int4 v) { line.integer(v, 1); });
#pragma once

#include "fixed_text.h"
#include "formatted_line.h"
#include "onebased_array.h"
#include "text_output_file.h"
#include "vars.h"

// Opens (creates or replaces) the file; a failure ends the run through
// io_error with the path in bentha_input.filepath.
void open_grid_output(text_output_file& file, const fixed_text<30>& name);

template <typename T, typename FieldWriter>
void write_grid_block(text_output_file& file, const char* label, const onebased_array<T, 2>& values,
                      FieldWriter write_field)
{
    file.write(formatted_line().text(label));
    for (int4 j = 1; j <= vars.jm; ++j) {
        formatted_line row;
        for (int4 i = 1; i <= vars.im; ++i) {
            if (i > 1) row.blanks(1);
            write_field(row, values(i, j));
        }
        file.write(row);
    }
}
