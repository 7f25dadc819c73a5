// A path held like the converter's other texts, blank-padded to a field of 200
// characters, except that it is never cut: a path built from a deep working
// directory may be longer than the field, and a cut one names another file.
// Such a path is kept, used and printed whole.
//
//   path_field control = "/runs/bay/input/control.dat";
//   control.view().size()  -> 200 (the path and its blanks)
//   control.trimmed()      -> "/runs/bay/input/control.dat"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class path_field {
public:
    static constexpr std::size_t length = 200;

    path_field() : text_(length, ' ') {}
    path_field(std::string_view path) { assign(path); }
    path_field(const char* path) { assign(path); }

    path_field& operator=(std::string_view path)
    {
        assign(path);
        return *this;
    }
    path_field& operator=(const char* path)
    {
        assign(path);
        return *this;
    }

    void assign(std::string_view path)
    {
        text_.assign(path);
        if (text_.size() < length) text_.append(length - text_.size(), ' ');
    }

    // The path padded to the field, or the whole path when it is longer.
    std::string_view view() const { return text_; }
    operator std::string_view() const { return text_; }

    // Without trailing blanks.
    std::string_view trimmed() const
    {
        std::string_view text = text_;
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        return text;
    }

private:
    std::string text_;
};
