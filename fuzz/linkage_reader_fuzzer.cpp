// Fuzz target: any byte string, taken as a linkage file, opened for reading
// and walked through every getter and every moment.
//
// The library must reject or read each input cleanly. Beyond the sanitizers,
// the walk checks what a sound reader guarantees whatever the bytes are:
// failure texts fit the 256-character buffer that callers give, no count
// exceeds what the file's bytes can hold, and no more frames load than the
// file has room for. Output buffers are sized exactly, so that a library
// writing past them is caught by AddressSanitizer.
//
// Caps on the number of calls belong to the walk (they keep one input fast);
// the library is not told about them.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "scratch_directory.h"
#include "tidewire.h"

namespace {

// Closing a handle before any open writes the timing summary, and so opens
// LOG.TXT, in the scratch directory, where it leads to /dev/null.
void open_library_log()
{
    int32_t no_handle = 0, error = 0;
    _twclose(&no_handle, &error);
}

const std::string& input_path()
{
    static const std::string path = [] {
        tidewire_fuzz::in_scratch_directory(open_library_log);
        return tidewire_fuzz::scratch_directory() + "/input.lnk";
    }();
    return path;
}

// Calls per table and moments per input; enough to reach the last records
// of every table that a small input can describe.
const uint32_t kMaxRecordsWalked = 64;
const uint32_t kMaxMomentsWalked = 64;

// Smallest encodings in the file: a segment name or constituent type takes
// 4 bytes, a flow path 12, a description 8, a frame 12.
const uint32_t kSegmentBytes = 4;
const uint32_t kConstituentBytes = 4;
const uint32_t kFlowPathBytes = 12;
const uint32_t kDescriptionBytes = 8;
const uint32_t kFrameBytes = 12;

[[noreturn]] void fault(const char* what)
{
    std::fprintf(stderr, "linkage reader fault: %s\n", what);
    std::abort();
}

// Failure texts are at most 255 characters; callers give 256 bytes.
void check_last_error()
{
    std::vector<char> text(4096, 'x');
    _twgetlasterror(text.data());
    if (std::memchr(text.data(), '\0', 256) == nullptr) fault("last-error text longer than 255 characters");
}

void check_count(int32_t count, uint32_t bytes_each, std::size_t file_size, const char* what)
{
    if (static_cast<uint64_t>(static_cast<uint32_t>(count)) * bytes_each > file_size) fault(what);
}

class linkage_walk {
public:
    // Indexes start at 1 under language 1 (as the converter reads) and at 0
    // under language 0.
    linkage_walk(int32_t handle, std::size_t file_size, int32_t language)
        : handle_(handle), file_size_(file_size), index_base_(language), text_(file_size + 64)
    {
    }

    void run()
    {
        int32_t language = index_base_;
        _twsetlanguage(&handle_, &language, &error_);
        if (error_ != 0) fault("a valid language refused on an open file");
        read_plain_fields();
        read_moments_of_header();
        read_descriptions();
        read_segments();
        read_flow_paths();
        read_constituent_types();
        step_through_moments();
    }

private:
    void after_call()
    {
        if (error_ != 0) check_last_error();
    }

    void read_plain_fields()
    {
        int32_t value = 0;
        float real = 0;
        _twgetlanguage(&handle_, &value, &error_);
        after_call();
        _twgetcreator(&handle_, &value, &error_);
        after_call();
        _twgetvartimestep(&handle_, &value, &error_);
        after_call();
        _twgethydtimestep(&handle_, &real, &error_);
        after_call();
        _twgetupdateint(&handle_, &real, &error_);
        after_call();
        _twgethydtokelvaratio(&handle_, &value, &error_);
        after_call();
        _twgetnumlayers(&handle_, &value, &error_);
        after_call();
        _twgettimestep(&handle_, &real, &error_);
        after_call();
        _twgetcompfact(&handle_, &real, &error_);
        after_call();
        _twgetdebug(&value);
    }

    void read_moment(void (*getter)(const int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, int32_t*, float*,
                                    char*, int32_t*))
    {
        int32_t month, day, year, hour, minute, second;
        float elapsed = 0;
        // Six 32-bit numbers with separators need at most 71 characters.
        std::vector<char> date(72);
        getter(&handle_, &month, &day, &year, &hour, &minute, &second, &elapsed, date.data(), &error_);
        after_call();
    }

    void read_nth_moment(int32_t index)
    {
        int32_t month, day, year, hour, minute, second;
        float elapsed = 0;
        std::vector<char> date(72);
        _twgetnthmoment(&handle_, &index, &month, &day, &year, &hour, &minute, &second, &elapsed, date.data(), &error_);
        after_call();
    }

    void read_moments_of_header()
    {
        read_moment(_twgetseedmoment);
        read_moment(_twgetendmoment);
        read_moment(_twgetcurrentmoment);
        _twgetnummoments(&handle_, &num_moments_, &error_);
        after_call();
        for (int32_t index : {-1, 0, 1, 2, num_moments_, num_moments_ + 1}) read_nth_moment(index);
    }

    void read_descriptions()
    {
        int32_t count = 0;
        _twgetnumdescriptions(&handle_, &count, &error_);
        after_call();
        check_count(count, kDescriptionBytes, file_size_, "more descriptions than the file can hold");
        for (int32_t index : indexes_to_walk(count)) {
            int32_t id = 0;
            _twgetdescription(&handle_, &index, &id, text_.data(), &error_);
            after_call();
        }
    }

    void read_segments()
    {
        _twgetnumsegments(&handle_, &num_segments_, &error_);
        after_call();
        check_count(num_segments_, kSegmentBytes, file_size_, "more segments than the file can hold");
        for (int32_t index : indexes_to_walk(num_segments_)) {
            _twgetsegname(&handle_, &index, text_.data(), &error_);
            after_call();
        }
    }

    void read_flow_paths()
    {
        _twgetnumflowpaths(&handle_, &num_flow_paths_, &error_);
        after_call();
        check_count(num_flow_paths_, kFlowPathBytes, file_size_, "more flow paths than the file can hold");
        for (int32_t index : indexes_to_walk(num_flow_paths_)) {
            int32_t from_seg, to_seg, direction;
            _twgetflowpath(&handle_, &index, &from_seg, &to_seg, &direction, &error_);
            after_call();
        }
    }

    void read_constituent_types()
    {
        _twgetnumsegconsts(&handle_, &num_seg_consts_, &error_);
        after_call();
        check_count(num_seg_consts_, kConstituentBytes, file_size_, "more segment constituents than the file can hold");
        for (int32_t index : indexes_to_walk(num_seg_consts_)) {
            int32_t type;
            _twgetsegconsttype(&handle_, &index, &type, &error_);
            after_call();
        }
        _twgetnumfpconsts(&handle_, &num_fp_consts_, &error_);
        after_call();
        check_count(num_fp_consts_, kConstituentBytes, file_size_, "more flow constituents than the file can hold");
        for (int32_t index : indexes_to_walk(num_fp_consts_)) {
            int32_t type;
            _twgetfpconsttype(&handle_, &index, &type, &error_);
            after_call();
        }
    }

    // One constituent's values into an array of exactly one value per element
    // (never a null array, even for none). A failed call must leave the
    // array as it was.
    void read_values(void (*getter)(const int32_t*, const int32_t*, float*, int32_t*), int32_t constituents,
                     int32_t elements)
    {
        std::vector<float> values(std::max<uint32_t>(1, static_cast<uint32_t>(elements)), -12345.0f);
        for (int32_t index : indexes_to_walk(constituents)) {
            const std::vector<float> before = values;
            getter(&handle_, &index, values.data(), &error_);
            after_call();
            if (error_ != 0 && std::memcmp(before.data(), values.data(), values.size() * sizeof(float)) != 0)
                fault("a failed value read changed the caller's array");
        }
    }

    // The values of the loaded moment.
    void read_frame()
    {
        read_values(_twgetseginfo, num_seg_consts_, num_segments_);
        read_values(_twgetflowinfo, num_fp_consts_, num_flow_paths_);
        float step = 0;
        _twgettimestep(&handle_, &step, &error_);
        after_call();
        read_moment(_twgetcurrentmoment);
    }

    // The first moment is loaded by the open; each completion loads the next.
    void step_through_moments()
    {
        const uint32_t stored = static_cast<uint32_t>(num_moments_);
        const uint64_t frames_that_fit = file_size_ >= 8 ? (file_size_ - 8) / kFrameBytes : 0;
        uint32_t loaded = stored > 0 ? 1 : 0;
        if (loaded > frames_that_fit) fault("a frame loaded from a file too short to hold one");
        read_frame();
        for (uint32_t step = 0; step < kMaxMomentsWalked && step <= stored; ++step) {
            _twmomentcomplete(&handle_, &error_);
            if (error_ != 0) {
                check_last_error();
                read_frame();  // a failed load must leave the dataset usable
                return;
            }
            if (loaded < stored) ++loaded;
            if (loaded > frames_that_fit) fault("more frames loaded than the file can hold");
            read_frame();
        }
    }

    // The first records, the last one, and the indexes just outside the table.
    std::vector<int32_t> indexes_to_walk(int32_t count) const
    {
        const int64_t base = index_base_;
        const int64_t n = static_cast<uint32_t>(count);
        std::vector<int64_t> wanted = {base - 1, INT32_MIN, INT32_MAX};
        for (int64_t i = 0; i < n && i < kMaxRecordsWalked; ++i) wanted.push_back(base + i);
        wanted.push_back(base + n - 1);
        wanted.push_back(base + n);
        std::vector<int32_t> indexes;
        for (int64_t index : wanted)
            if (index >= INT32_MIN && index <= INT32_MAX) indexes.push_back(static_cast<int32_t>(index));
        return indexes;
    }

    int32_t handle_;
    std::size_t file_size_;
    int32_t index_base_;
    // No stored text can be longer than the file it came from.
    std::vector<char> text_;
    int32_t error_ = 0;
    int32_t num_moments_ = 0;
    int32_t num_segments_ = 0;
    int32_t num_flow_paths_ = 0;
    int32_t num_seg_consts_ = 0;
    int32_t num_fp_consts_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = input_path();
    tidewire_fuzz::write_whole_file(path, data, size);

    int32_t mode = 0;
    int32_t handle = 0;
    int32_t error = 0;
    _twopen(path.c_str(), &mode, &handle, &error);
    const bool opened = error == 0;
    if (opened) {
        // The input's length picks the language, so both index bases are walked.
        linkage_walk(handle, size, static_cast<int32_t>(size % 2)).run();
    } else {
        check_last_error();
    }
    // Every open is matched by a close, failed or not, so that each input
    // starts without a session.
    _twclose(&handle, &error);
    if (opened && error != 0) fault("closing a file opened for reading failed");
    return 0;
}
