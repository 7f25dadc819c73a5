#include "freeform_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

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
            errno = 0;
            if (kind_ == kind::real4) {
                const float value = std::strtof(normal.c_str(), nullptr);
                if (std::isinf(value)) return false;
                *real4_ = value;
            } else {
                const double value = std::strtod(normal.c_str(), nullptr);
                if (std::isinf(value)) return false;
                *real8_ = value;
            }
            return true;
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
