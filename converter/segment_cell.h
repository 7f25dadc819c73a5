// The grid cell named by a segment: a TORVA segment name holds its cell as
// "I=", "J=" and "K=" markers, each followed by the index in decimal.
#ifndef TORVAUTIL_SEGMENT_CELL_H
#define TORVAUTIL_SEGMENT_CELL_H

#include <cstdint>
#include <string>

// Which index of a name could not be read; none when all three were read.
enum class segment_parse_failure { none, i_index, j_index, k_index };

struct segment_cell {
    segment_parse_failure failure = segment_parse_failure::none;
    int32_t i = 0;
    int32_t j = 0;
    int32_t k = 0;
};

// Reads one integer the way an "(i5)" edit does: only the first five
// characters count, blanks are ignored, an optional sign may lead, and an
// empty or all-blank field reads as 0.  Returns false on anything else
// (a letter, a sign without digits) and leaves value unchanged then.
bool read_i5(const std::string& field, int32_t& value);

// Parses a packed name (blanks and control characters already removed,
// blank-padded to 30 characters).  I and J are read from the text between
// their marker and the next one; K from the text after its marker, as the
// longest prefix of up to five characters that reads as an integer, so that
// trailing characters such as ")" are allowed.  The indexes after a failing
// one are left at 0.  No bounds are checked here.
segment_cell parse_segment_cell(const std::string& packed_name);

#endif
