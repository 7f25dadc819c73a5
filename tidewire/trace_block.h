// trace_block: one call's block of the debug trace in LOG.TXT.
//
// The block is the export's name on a line of its own, then one line per
// traced argument: the export's fixed label (tab, direction, name, blanks and
// "= ") followed by the value read from the caller's address. Labels are
// passed in whole because their blanks differ between exports.
#ifndef TIDEWIRE_TRACE_BLOCK_H
#define TIDEWIRE_TRACE_BLOCK_H

#include <cstdint>
#include <string>

class trace_block {
public:
    // Starts the block with the name line. None of these throws: a block that
    // cannot be built for lack of memory is dropped.
    explicit trace_block(const char* name) noexcept;

    // An int32 as an unsigned 32-bit decimal: -1 prints as 4294967295.
    trace_block& integer(const char* label, const int32_t* value) noexcept;
    // A float32 as %g with six significant digits, with a decimal point
    // whatever the host's locale.
    trace_block& real(const char* label, const float* value) noexcept;
    // A NUL-terminated text as it is: inputs, and outputs the call wrote.
    trace_block& text(const char* label, const char* value) noexcept;
    // A text output: the caller's buffer is read only if the call wrote its
    // NUL-terminated text there. After a failure the buffer holds whatever the
    // caller left in it, of a size the library is not told, so it is not read
    // at all and the line shows unwritten_text_marker instead.
    trace_block& text_out(const char* label, const char* value, bool written) noexcept;
    // _twopen's file name, between apostrophes; the opening one ends its label.
    trace_block& quoted_text(const char* label, const char* value) noexcept;
    // A float32 array: the label ends in "[array]" and no value is printed.
    trace_block& array(const char* label) noexcept;

    // Appends the whole block to LOG.TXT in one write.
    void write() noexcept;

    static constexpr const char* unwritten_text_marker = "[unchanged]";

private:
    trace_block& line(const char* label, const char* value, const char* after_value) noexcept;

    std::string block;
    bool complete = true;
};

#endif
