// The free-form value reader over the console or an input file. One read
// takes its values from the next line (record) of the source:
//   - leading blanks are skipped; a value ends at a blank, a comma, a slash or
//     the end of the line; a slash also ends the read: the values not yet
//     read keep what they held;
//   - a text may be enclosed in apostrophes or quotation marks (a doubled
//     mark inside stands for one); an unquoted text ends at its first blank,
//     comma or slash;
//   - empty lines before the first value are skipped; when a line holds fewer
//     values than asked for, reading goes on with the following lines; values
//     beyond those asked for are ignored, and the next read starts on the next
//     line;
//   - an integer must be written as an integer; a real may be written in any
//     decimal or exponent notation (E, D or Q as the exponent letter);
//   - a text target of length N keeps the first N characters of the value,
//     padded with blanks (a char target keeps the first character: "yes" -> 'y').
//
// Two ways to read. read(...) returns a status for `iostatus`: 0, -1 at the
// end of the file, or bad_value_status. read_or_stop(...) ends the run with a
// read error naming the source and exit status 2 on anything but 0 (the end of
// console input included).
//
//   char answer = ' ';
//   freeform_reader::console().read_or_stop(answer);
//
//   std::ifstream in(path, std::ios::binary);
//   freeform_reader reader(in, path);
//   reader.skip_record();                        // header line
//   int4 i = 0, j = 0; real4 dx = 0, dy = 0, d = 0;
//   bentha_input.iostatus = reader.read(i, j, dx, dy, d);
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "fixed_text.h"
#include "precmod.h"

// One target of a read: a reference to an integer, a real, a char or a text.
class value_target {
public:
    value_target(int4& target) : kind_(kind::integer), integer_(&target) {}
    value_target(real4& target) : kind_(kind::real4), real4_(&target) {}
    value_target(real8& target) : kind_(kind::real8), real8_(&target) {}
    value_target(char& target) : kind_(kind::text), text_(&target), text_length_(1) {}
    template <std::size_t N>
    value_target(fixed_text<N>& target) : kind_(kind::text), text_(target.data()), text_length_(N)
    {
    }

    // Stores a value token; false when it does not fit the target's syntax.
    bool store(std::string_view token, bool quoted) const;

private:
    enum class kind { integer, real4, real8, text };
    kind kind_;
    int4* integer_ = nullptr;
    real4* real4_ = nullptr;
    real8* real8_ = nullptr;
    char* text_ = nullptr;
    std::size_t text_length_ = 0;
};

class freeform_reader {
public:
    static constexpr int4 end_of_file_status = -1;
    static constexpr int4 bad_value_status = 5010;

    // `source_name` names the source in read errors: the file's path, or
    // "stdin" for the console.
    freeform_reader(std::istream& source, std::string source_name);

    // The reader over standard input.
    static freeform_reader& console();

    template <typename... Targets>
    int4 read(Targets&... targets)
    {
        const value_target list[] = {value_target(targets)...};
        return read_values(list, sizeof...(Targets));
    }

    template <typename... Targets>
    void read_or_stop(Targets&... targets)
    {
        const value_target list[] = {value_target(targets)...};
        stop_on_failure(read_values(list, sizeof...(Targets)));
    }

    // One read of targets whose number is known only at run time (a row of IM
    // values in a grid file).
    int4 read_list(const value_target* targets, std::size_t count) { return read_values(targets, count); }
    void read_list_or_stop(const value_target* targets, std::size_t count)
    {
        stop_on_failure(read_values(targets, count));
    }

    // Reads one whole line without its line end (a trailing carriage return is
    // dropped). Returns 0, or -1 at the end of the source.
    int4 read_line(std::string& line);
    // Skips one line; -1 at the end of the source.
    int4 skip_record();
    // skip_record, ending the run with a read error at the end of the source.
    void skip_record_or_stop();

    // Ends the run: one line on the console naming the source and the cause,
    // then exit status 2.
    [[noreturn]] void read_error(std::string_view cause) const;

    const std::string& source_name() const { return source_name_; }

private:
    int4 read_values(const value_target* targets, std::size_t count);
    void stop_on_failure(int4 status) const;

    std::istream& source_;
    std::string source_name_;
    std::string bad_token_;  // the value that the last failed read rejected
};
