// last_error_text: the process-wide last-error text that _twgetlasterror hands
// out.
#ifndef TIDEWIRE_LAST_ERROR_TEXT_H
#define TIDEWIRE_LAST_ERROR_TEXT_H

#include <cstddef>
#include <memory>

// Texts of up to 255 characters (every failure text of the library) live in
// a fixed buffer, so that reporting a failure, an exhausted memory included,
// never allocates. Only a longer text given by _twsetlasterror goes to the
// heap; if even that cannot be allocated, its first 255 characters are kept.
class last_error_text {
public:
    static constexpr std::size_t fixed_length = 255;

    // Replaces the text with the NUL-terminated `text`. Never throws.
    void set(const char* text) noexcept;
    // Replaces the text with "No error", the text of every successful export
    // call: copied once, then left in place until another text replaces it.
    void set_no_error() noexcept
    {
        if (holds_no_error) return;
        set("No error");
        holds_no_error = true;
    }
    // The current text, NUL-terminated; empty until the first set.
    const char* get() const noexcept { return long_text ? long_text.get() : fixed; }

private:
    char fixed[fixed_length + 1] = {};
    std::unique_ptr<char[]> long_text;
    bool holds_no_error = false;
};

#endif
