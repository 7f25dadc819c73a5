#include "freeform_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <system_error>

#include "run_stop.h"

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool parse_integer(std::string_view token, int4& value)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) {
        negative = token[pos] == '-';
        ++pos;
    }
    if (pos == token.size()) return false;
    std::int64_t magnitude = 0;
    for (; pos < token.size(); ++pos) {
        if (!is_digit(token[pos])) return false;
        magnitude = magnitude * 10 + (token[pos] - '0');
        if (magnitude > 2147483648LL) return false;
    }
    if (!negative && magnitude > 2147483647LL) return false;
    value = static_cast<int4>(negative ? -magnitude : magnitude);
    return true;
}

// Checks the decimal and exponent notation (1, -1.5, .5, 5., 1.5E3, 1.5d-3,
// 1.5+3) and rewrites it in the C library's notation.
bool normalise_real(std::string_view token, std::string& normal)
{
    std::size_t pos = 0;
    normal.clear();
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) normal += token[pos++];
    std::size_t mantissa_digits = 0;
    while (pos < token.size() && is_digit(token[pos])) {
        normal += token[pos++];
        ++mantissa_digits;
    }
    if (pos < token.size() && token[pos] == '.') {
        normal += token[pos++];
        while (pos < token.size() && is_digit(token[pos])) {
            normal += token[pos++];
            ++mantissa_digits;
        }
    }
    if (mantissa_digits == 0) return false;
    if (pos == token.size()) return true;
    const char marker = token[pos];
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D' || marker == 'q' || marker == 'Q') {
        ++pos;
    } else if (marker != '+' && marker != '-') {
        return false;
    }
    normal += 'e';
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) normal += token[pos++];
    std::size_t exponent_digits = 0;
    while (pos < token.size() && is_digit(token[pos])) {
        normal += token[pos++];
        ++exponent_digits;
    }
    return exponent_digits > 0 && pos == token.size();
}

// The power of ten of the first nonzero digit of a normalised real (1.5e3
// gives 3, 0.05 gives -2), with the exponent saturated far beyond any real's
// range.
std::int64_t leading_power_of_ten(std::string_view normal)
{
    const std::size_t exponent_mark = std::min(normal.find('e'), normal.size());
    const std::string_view mantissa = normal.substr(0, exponent_mark);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const std::int64_t lead =
        first < point ? static_cast<std::int64_t>(point - first) - 1 : -static_cast<std::int64_t>(first - point);
    std::int64_t exponent = 0;
    std::size_t pos = exponent_mark + 1;
    const bool negative_exponent = pos < normal.size() && normal[pos] == '-';
    if (pos < normal.size() && (normal[pos] == '+' || normal[pos] == '-')) ++pos;
    for (; pos < normal.size() && exponent < 1000000000; ++pos) exponent = exponent * 10 + (normal[pos] - '0');
    return lead + (negative_exponent ? -exponent : exponent);
}

// A normalised real to the nearest float or double, by std::from_chars rather
// than the C library's strtod, so that every build reads the same value. A
// magnitude too small for the type reads as zero of the same sign; one too
// large is rejected.
template <typename Real>
bool parse_real(const std::string& normal, Real& value)
{
    const bool negative = !normal.empty() && normal[0] == '-';
    const char* first = normal.data() + (!normal.empty() && normal[0] == '+' ? 1 : 0);
    Real parsed = 0;
    const std::from_chars_result result = std::from_chars(first, normal.data() + normal.size(), parsed);
    if (result.ec == std::errc::result_out_of_range && leading_power_of_ten(normal) < 0) {
        value = negative ? -Real(0) : Real(0);
        return true;
    }
    if (result.ec != std::errc() || result.ptr != normal.data() + normal.size()) return false;
    value = parsed;
    return true;
}

}  // namespace

bool value_target::store(std::string_view token, bool quoted) const
{
    switch (kind_) {
        case kind::integer:
            return !quoted && parse_integer(token, *integer_);
        case kind::real4:
        case kind::real8: {
            std::string normal;
            if (quoted || !normalise_real(token, normal)) return false;
            return kind_ == kind::real4 ? parse_real(normal, *real4_) : parse_real(normal, *real8_);
        }
        case kind::text:
            for (std::size_t i = 0; i < text_length_; ++i) text_[i] = i < token.size() ? token[i] : ' ';
            return true;
    }
    return false;
}

freeform_reader::freeform_reader(std::istream& source, std::string source_name)
    : source_(source), source_name_(std::move(source_name))
{
}

freeform_reader& freeform_reader::console()
{
    static freeform_reader reader(std::cin, "stdin");
    return reader;
}

int4 freeform_reader::read_line(std::string& line)
{
    if (&source_ == &std::cin) std::fflush(stdout);
    line.clear();
    if (!std::getline(source_, line)) {
        if (source_.bad() || line.empty()) return end_of_file_status;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return 0;
}

int4 freeform_reader::skip_record()
{
    std::string ignored;
    return read_line(ignored);
}

void freeform_reader::skip_record_or_stop()
{
    stop_on_failure(skip_record());
}

int4 freeform_reader::read_values(const value_target* targets, std::size_t count)
{
    // A read of no values still takes its line.
    if (count == 0) return skip_record();
    std::size_t filled = 0;
    std::string line;
    while (filled < count) {
        if (read_line(line) != 0) return end_of_file_status;
        std::size_t pos = 0;
        while (filled < count) {
            while (pos < line.size() && (is_blank(line[pos]) || line[pos] == ',')) ++pos;
            if (pos == line.size()) break;  // go on with the next line
            if (line[pos] == '/') return 0;

            std::string token;
            bool quoted = false;
            const char mark = line[pos];
            if (mark == '\'' || mark == '"') {
                quoted = true;
                ++pos;
                while (pos < line.size()) {
                    if (line[pos] == mark) {
                        if (pos + 1 < line.size() && line[pos + 1] == mark) {
                            token += mark;
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    token += line[pos++];
                }
            } else {
                while (pos < line.size() && !is_blank(line[pos]) && line[pos] != ',' && line[pos] != '/')
                    token += line[pos++];
            }
            if (!targets[filled].store(token, quoted)) {
                bad_token_ = token;
                return bad_value_status;
            }
            ++filled;
        }
    }
    return 0;
}

void freeform_reader::stop_on_failure(int4 status) const
{
    if (status == 0) return;
    if (status == end_of_file_status) read_error(&source_ == &std::cin ? "end of input" : "end of file");
    read_error("bad value \"" + bad_token_ + "\"");
}

void freeform_reader::read_error(std::string_view cause) const
{
    std::fprintf(stderr, "Error: read error in %s: %.*s\n", source_name_.c_str(), static_cast<int>(cause.size()),
                 cause.data());
    stop_run(2);
}
