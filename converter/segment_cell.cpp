#include "segment_cell.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::size_t packed_name_length = 30;
constexpr std::size_t k_part_length = 10;

// 1-based position of the first occurrence of marker in text, 0 when absent.
std::size_t marker_position(const std::string& text, const char* marker)
{
    const std::size_t found = text.find(marker);
    return found == std::string::npos ? 0 : found + 1;
}

// Characters first..last (1-based, inclusive) of text; empty when the range
// is empty or lies beyond the text.
std::string character_range(const std::string& text, std::size_t first, std::size_t last)
{
    if (last < first || first > text.size()) return std::string();
    last = std::min(last, text.size());
    return text.substr(first - 1, last - first + 1);
}

}  // namespace

bool read_i5(const std::string& field, int32_t& value)
{
    const std::string counted = field.substr(0, std::min<std::size_t>(field.size(), 5));
    bool negative = false;
    bool sign_seen = false;
    bool digit_seen = false;
    int32_t magnitude = 0;  // five characters hold at most four digits after a sign
    for (const char c : counted) {
        if (c == ' ') continue;
        if ((c == '+' || c == '-') && !sign_seen && !digit_seen) {
            sign_seen = true;
            negative = (c == '-');
        } else if (c >= '0' && c <= '9') {
            digit_seen = true;
            magnitude = magnitude * 10 + (c - '0');
        } else {
            return false;
        }
    }
    if (sign_seen && !digit_seen) return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

segment_cell parse_segment_cell(const std::string& packed_name)
{
    std::string name = packed_name.substr(0, std::min(packed_name.size(), packed_name_length));
    name.resize(packed_name_length, ' ');

    const std::size_t ipos = marker_position(name, "I=");
    const std::size_t jpos = marker_position(name, "J=");
    const std::size_t kpos = marker_position(name, "K=");

    segment_cell cell;
    // A missing marker has position 0, so the ranges below start or end
    // where the algorithm's arithmetic puts them (0 - 1 is an empty range).
    const auto before = [](std::size_t pos) { return pos == 0 ? std::size_t{0} : pos - 1; };
    if (!read_i5(character_range(name, ipos + 2, before(jpos)), cell.i)) {
        cell.failure = segment_parse_failure::i_index;
        return cell;
    }
    if (!read_i5(character_range(name, jpos + 2, before(kpos)), cell.j)) {
        cell.failure = segment_parse_failure::j_index;
        return cell;
    }

    std::string k_part = character_range(name, kpos + 2, packed_name_length);
    k_part.resize(k_part_length, ' ');
    for (std::size_t n = 1; n <= 5; ++n) {
        if (!read_i5(k_part.substr(0, n), cell.k)) {
            if (n == 1) cell.failure = segment_parse_failure::k_index;
            break;
        }
    }
    return cell;
}
