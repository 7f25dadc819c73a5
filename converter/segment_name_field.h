// Fetching segment names from the library.
//
// The library writes a whole name and its NUL into the buffer it is given,
// whatever the name's length, so a fixed 30-character field would overrun
// on long names.  A name is stored inside the linkage file, so it can never
// be longer than the file itself: the buffer here is sized from the file.
// The converter keeps the first 30 characters as the name.
//
//     segment_name_field names(linkage_file_path);    // after the file opened
//     int32_t error = names.fetch(handle, iseg);      // 0 on success
//     std::string name = names.field();               // 30 characters
#ifndef TORVAUTIL_SEGMENT_NAME_FIELD_H
#define TORVAUTIL_SEGMENT_NAME_FIELD_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class segment_name_field {
public:
    static constexpr std::size_t length = 30;

    // Sizes the buffer from the size of the linkage file at path.  Throws
    // std::bad_alloc when that buffer cannot be had, and std::runtime_error
    // when the file's size cannot be read.
    explicit segment_name_field(const std::string& linkage_file_path);

    // Fills the field with blanks and calls _twgetsegname for the segment
    // (index by the dataset's language) into it.  Returns the error code.
    int32_t fetch(int32_t handle, int32_t segment_index);

    // The 30-character field as returned: the name, its NUL and blanks, or
    // the first 30 characters of a longer name.
    std::string field() const;

private:
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
};

#endif
