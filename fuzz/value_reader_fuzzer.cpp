// Fuzz target: the converter's free-form value reader and the cell.inp
// record reader over any text.
//
// The first byte picks the shape of the records read (the shapes of the
// console answers, control.dat and the grid input files, or cell.inp rows,
// whose IM is the second byte); the rest is the source. The reader is driven
// until the end of the source or a rejected value. It must end: every read
// that succeeds starts on a new line, so a source cannot yield more
// successful reads than it has lines.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cell_row.h"

#include "fixed_text.h"
#include "freeform_reader.h"
#include "precmod.h"

namespace {

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "value reader fault: %s\n", what);
    std::abort();
}

enum class record_shape : uint8_t {
    one_integer,          // control.dat, the output multiple
    layer_record,         // GVCLAYER.INP: I, J, layers
    depth_record,         // dxdy.inp: I, J, dx, dy, depth
    shape_record,         // lxly.inp: eight reals
    answer,               // one-character answers
    file_name,            // the linkage file's name
    double_and_text,      // an 8-byte real and a short text
    header_then_integer,  // a skipped header line, then one integer
    whole_line,           // a line read as it stands
    cell_record,          // cell.inp: 5 columns skipped, one digit per I
    count
};

// A cell row decodes to exactly IM digits (none for IM 0 or below), each 0-9.
int4 read_cell_row(freeform_reader& reader, int4 im)
{
    std::string line;
    const int4 status = reader.read_line(line);
    if (status != 0) return status;
    std::vector<int4> digits(3, -1);
    if (!decode_cell_row(line, im, digits)) return freeform_reader::bad_value_status;
    if (digits.size() != static_cast<std::size_t>(im > 0 ? im : 0)) fault("a cell row of the wrong length");
    for (int4 digit : digits)
        if (digit < 0 || digit > 9) fault("a cell type that is not a digit");
    return 0;
}

int4 read_one(freeform_reader& reader, record_shape shape, int4 im)
{
    switch (shape) {
        case record_shape::one_integer: {
            int4 value = -9999;
            return reader.read(value);
        }
        case record_shape::layer_record: {
            int4 i = 0, j = 0, layers = 0;
            return reader.read(i, j, layers);
        }
        case record_shape::depth_record: {
            int4 i = 0, j = 0;
            real4 dx = 0, dy = 0, depth = 0;
            return reader.read(i, j, dx, dy, depth);
        }
        case record_shape::shape_record: {
            real4 v[8] = {0, 0, 0, 0, 0, 0, 0, 0};
            return reader.read(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
        }
        case record_shape::answer: {
            char answer = ' ';
            return reader.read(answer);
        }
        case record_shape::file_name: {
            fixed_text<256> name;
            return reader.read(name);
        }
        case record_shape::double_and_text: {
            real8 value = 0;
            fixed_text<3> text;
            return reader.read(value, text);
        }
        case record_shape::header_then_integer: {
            int4 status = reader.skip_record();
            if (status != 0) return status;
            int4 value = 0;
            return reader.read(value);
        }
        case record_shape::cell_record:
            return read_cell_row(reader, im);
        case record_shape::whole_line:
        case record_shape::count:
            break;
    }
    std::string line;
    return reader.read_line(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const auto shape = static_cast<record_shape>(data[0] % static_cast<uint8_t>(record_shape::count));
    std::size_t text_start = 1;
    int4 im = 0;
    if (shape == record_shape::cell_record && size > 1) {
        im = static_cast<int8_t>(data[1]);  // negative IMs too: control.dat is not checked
        text_start = 2;
    }
    const std::string text(reinterpret_cast<const char*>(data) + text_start, size - text_start);
    std::istringstream source(text);
    freeform_reader reader(source, "fuzz input");

    std::size_t lines = 1;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    for (std::size_t successes = 0;; ++successes) {
        if (successes > lines) fault("more records read than the source has lines");
        const int4 status = read_one(reader, shape, im);
        if (status == 0) continue;
        if (status != freeform_reader::end_of_file_status && status != freeform_reader::bad_value_status)
            fault("a read status other than 0, end of file or a bad value");
        break;
    }
    return 0;
}
