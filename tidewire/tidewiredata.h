// tidewire_data: the dataset of one open linkage file.
//
// A linkage file is an 8-byte header offset, one compressed frame per
// completed moment, then the header block that the close step appends.  A
// write-mode dataset (mode 1) collects the header fields and appends one frame
// per momentcomplete; a read-mode dataset (mode 0) reads the whole header when
// it is constructed, loads the first frame, and loads the next one at every
// momentcomplete.
//
// Index arguments have the index base (0, or 1 under language 1) subtracted
// and are then compared, unsigned, with the count of their table.  Text
// outputs are written whole with their NUL into the caller's buffer; value
// arrays hold one 4-byte value per segment (or flow path).  Outputs are
// written only on success.
//
// Every failure is thrown as one of the library's exception classes; a failed
// write to the file is thrown as an output_exception, which is not a library
// application exception.
#ifndef TIDEWIRE_TIDEWIREDATA_H
#define TIDEWIRE_TIDEWIREDATA_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "datadescription.h"
#include "file_stream.h"
#include "frame_buffers.h"
#include "frame_codec.h"
#include "frame_shape.h"
#include "moment.h"
#include "records.h"

class tidewire_data {
public:
    // Opens `file_name` for reading (mode 0) or creates it for writing
    // (mode 1).  Throws tidewire_cannot_open_exception (bad mode, a file that
    // cannot be opened, or a file that is not a complete linkage file) or
    // tidewire_memory_exhausted_exception (tables or frame buffers that cannot
    // be allocated).  A failed construction leaves the file closed.
    tidewire_data(const std::string& file_name, int32_t access_mode);
    // Releases everything and writes nothing: a write-mode file destroyed
    // without write_header keeps a header offset of 0.
    ~tidewire_data();

    tidewire_data(const tidewire_data&) = delete;
    tidewire_data& operator=(const tidewire_data&) = delete;

    // The close step.  Write mode: appends the header block and stores its
    // offset at byte 0.  Both modes: closes the file.
    void write_header();

    // Language, creator, descriptions.
    void setlanguage(int32_t language);
    void getlanguage(int32_t& language) const;
    void setcreator(int32_t creator);
    void getcreator(int32_t& creator) const;
    void adddescription(int32_t type, const char* text);
    void getnumdescriptions(int32_t& count) const;
    void getdescription(int32_t index, int32_t& type, char* text) const;

    // Moments: month, day, year, hour, minute, second, elapsed days and the
    // date-time text "m/d/y h:mm:ss".
    void setseedmoment(int32_t month, int32_t day, int32_t year, int32_t hour, int32_t minute, int32_t second);
    void getseedmoment(int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute, int32_t& second,
                       float& elapsed_days, char* text) const;
    void getcurrentmoment(int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute, int32_t& second,
                          float& elapsed_days, char* text) const;
    void getendmoment(int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute, int32_t& second,
                      float& elapsed_days, char* text) const;
    void getnthmoment(int32_t n, int32_t& month, int32_t& day, int32_t& year, int32_t& hour, int32_t& minute,
                      int32_t& second, float& elapsed_days, char* text) const;

    // Counts, names and types.  A count setter resizes its table and then
    // resizes that side's frame buffers (the current values must be set again).
    // A count whose frame of one constituent could not exist fails with 1025
    // before anything is resized.  Once a moment has been written, a count
    // other than 0, its value in the written frames or the value it has fails
    // with 517 and changes nothing, so that the file stays readable.
    void setnumsegments(int32_t count);
    void getnumsegments(int32_t& count) const;
    void setnumflowpaths(int32_t count);
    void getnumflowpaths(int32_t& count) const;
    void setnumsegconsts(int32_t count);
    void getnumsegconsts(int32_t& count) const;
    void setnumfpconsts(int32_t count);
    void getnumfpconsts(int32_t& count) const;
    void setsegname(int32_t index, const char* name);
    void getsegname(int32_t index, char* name) const;
    void setsegconsttype(int32_t index, int32_t type);
    void getsegconsttype(int32_t index, int32_t& type) const;
    void setfpconsttype(int32_t index, int32_t type);
    void getfpconsttype(int32_t index, int32_t& type) const;

    // Plain header fields.
    void setvartimestep(int32_t flag);
    void getvartimestep(int32_t& flag) const;
    void sethydtimestep(float step);
    void gethydtimestep(float& step) const;
    void setupdateint(float interval);
    void getupdateint(float& interval) const;
    void sethydtokelvaratio(int32_t ratio);
    void gethydtokelvaratio(int32_t& ratio) const;
    void setnumlayers(int32_t layers);
    void getnumlayers(int32_t& layers) const;
    void settimestep(float step);
    void gettimestep(float& step) const;
    void getnummoments(int32_t& count) const;
    void setcompressionlevel(int32_t level);
    void getcompfact(float& factor) const;

    // Flow paths and the values of the current moment.
    void setflowpath(int32_t index, int32_t from_seg, int32_t to_seg, int32_t direction);
    void getflowpath(int32_t index, int32_t& from_seg, int32_t& to_seg, int32_t& direction) const;
    void setseginfo(int32_t index, const float* values);
    void getseginfo(int32_t index, float* values) const;
    void setflowinfo(int32_t index, const float* values);
    void getflowinfo(int32_t index, float* values) const;

    // Write mode: compresses the current moment and appends it as one frame.
    // Read mode: loads the next frame; does nothing after the last one.  The
    // stream of a side whose count is 0 is passed over: it has no values to
    // load.
    // Throws tidewire_compression_exception for a frame that cannot be
    // compressed or loaded, and output_exception for a write that the file
    // did not take.  A failed completion leaves the file position, the time
    // step, the elapsed time and the frame count as they were, so it can be
    // tried again; after a failed load the values of the current moment may
    // hold part of the damaged frame.
    void momentcomplete();

private:
    void read_file();
    void read_header_block();
    void read_header_fields();
    void reallocate_segment_buffers();
    void reallocate_flow_buffers();
    // Throw 517 at `line` when moments are written and the side's counts
    // `proposed` would not keep them readable (frame_shape.h).
    void check_segment_counts(const frame_shape& proposed, int32_t line, const char* function) const;
    void check_flow_counts(const frame_shape& proposed, int32_t line, const char* function) const;
    void write_frame();
    void load_frame();
    // What the reader found of one frame in the file.
    struct frame_streams {
        float step = 0.0f;
        int32_t segment_length = 0;
        int32_t flow_length = 0;
        int64_t end = 0;
        bool next_head_read = false;
    };
    // Reads one frame's streams into the buffers of the sides it loads and
    // passes over the streams of the others.
    frame_streams read_frame_streams(int32_t frame_number, bool load_segments, bool load_flows);
    void pass_over(int64_t offset, int32_t frame_number);
    void inflate_frame(frame_buffers& side, int32_t compressed_length, int32_t frame_number, const char* side_name);
    // The position in the table of a caller's index; throws 517 at `line`.
    uint32_t table_index(int32_t index, std::size_t count, int32_t line, const char* function) const;
    // The byte offset of one constituent's run of values in a side's frame.
    std::size_t value_run(const frame_buffers& side, uint32_t constituent, std::size_t elements, int32_t line,
                          const char* function) const;
    moment seed_plus_days(float days) const;
    moment nth_moment(int64_t steps, float& elapsed_days) const;

    int32_t mode;
    int32_t language = 0;
    int32_t index_base = 0;
    file_stream file;
    int32_t frame_count = 0;
    int32_t compression_level = 6;
    float ratio_sum = 0.0f;
    float compression_factor = 0.0f;
    int32_t version;
    int32_t time_stamp = 0;
    int32_t creator = 0;
    moment seed_moment;
    int32_t var_time_step = 0;
    float hyd_time_step = 0.0f;
    float update_interval = 0.0f;
    int32_t hyd_to_kelva_ratio = 0;
    int32_t num_layers = 0;
    int32_t num_moments = 0;
    data_description_type descriptions;
    std::vector<flow_data> flow_paths;
    std::vector<segment_data> segments;
    std::vector<flow_constituent_data> flow_constituents;
    std::vector<segment_constituent_data> segment_constituents;
    float time_step = 0.0f;
    float elapsed_time = 0.0f;
    float end_time = 0.0f;
    frame_buffers segment_side;
    frame_buffers flow_side;
    // The counts each side's buffers were last sized for: once a moment is
    // written, those of every frame in the file.
    frame_shape segment_shape;
    frame_shape flow_shape;
    // The zlib streams, kept from one frame to the next.
    frame_codec codec;
    // Where the next frame starts; in read mode the frames end at the header
    // block.
    int64_t next_frame_offset = 0;
    int64_t header_offset = 0;
    // Read mode: the next frame's step and N1, read with the frame before it.
    unsigned char next_frame_head[8] = {};
    bool next_frame_head_read = false;
};

#endif
