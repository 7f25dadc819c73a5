// A text of fixed length N, blank-padded: assigning a shorter text fills the
// rest with blanks, a longer one is cut at N. Every text of the converter's
// state has this form, and lines print it at its full length.
//
//   fixed_text<30> name = "control.dat";
//   name.trimmed()        -> "control.dat"
//   name.view().size()    -> 30
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N>
class fixed_text {
public:
    static constexpr std::size_t length = N;

    fixed_text() { chars_.fill(' '); }
    fixed_text(std::string_view text) { assign(text); }
    fixed_text(const char* text) { assign(text); }

    fixed_text& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    fixed_text& operator=(const char* text)
    {
        assign(text);
        return *this;
    }

    void assign(std::string_view text)
    {
        const std::size_t kept = text.size() < N ? text.size() : N;
        for (std::size_t i = 0; i < kept; ++i) chars_[i] = text[i];
        for (std::size_t i = kept; i < N; ++i) chars_[i] = ' ';
    }

    // The whole field, trailing blanks included.
    std::string_view view() const { return std::string_view(chars_.data(), N); }
    operator std::string_view() const { return view(); }

    // Without trailing blanks.
    std::string_view trimmed() const
    {
        std::size_t end = N;
        while (end > 0 && chars_[end - 1] == ' ') --end;
        return std::string_view(chars_.data(), end);
    }

    // Leading blanks moved to the end, then trimmed.
    std::string_view adjusted_left_trimmed() const
    {
        std::string_view text = trimmed();
        std::size_t start = 0;
        while (start < text.size() && text[start] == ' ') ++start;
        return text.substr(start);
    }

    // Length of the content: the field without its trailing blanks.
    std::size_t content_length() const { return trimmed().size(); }

    char* data() { return chars_.data(); }
    const char* data() const { return chars_.data(); }
    char& operator[](std::size_t index) { return chars_[index]; }
    char operator[](std::size_t index) const { return chars_[index]; }

    friend bool operator==(const fixed_text& a, const fixed_text& b) { return a.chars_ == b.chars_; }
    friend bool operator!=(const fixed_text& a, const fixed_text& b) { return !(a == b); }

private:
    std::array<char, N> chars_;
};
