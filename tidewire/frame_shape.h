// frame_shape: the two counts of one side of a moment frame, its elements
// (segments or flow paths) and their constituents.
//
// A reader sizes every frame of a linkage file from the counts in the header
// block, so once a writer has completed a moment, the counts of its frames are
// the only ones the file can be read with. A count may then go to 0 (the side
// is passed over and keeps its buffers) or back to its value in the frames,
// and be set again to the value it has; nothing else.
#ifndef TIDEWIRE_FRAME_SHAPE_H
#define TIDEWIRE_FRAME_SHAPE_H

#include <cstdint>

struct frame_shape {
    uint32_t elements = 0;
    uint32_t constituents = 0;

    bool operator==(const frame_shape& other) const
    {
        return elements == other.elements && constituents == other.constituents;
    }
};

// Whether a side whose counts are `current` may take the counts `proposed`
// when frames of `written` are already in the file.
inline bool keeps_written_frames(const frame_shape& proposed, const frame_shape& current, const frame_shape& written)
{
    const auto fits = [](uint32_t count, uint32_t in_frames) { return count == 0 || count == in_frames; };
    return proposed == current ||
           (fits(proposed.elements, written.elements) && fits(proposed.constituents, written.constituents));
}

#endif
