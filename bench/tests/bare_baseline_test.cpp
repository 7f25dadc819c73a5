// The bare zlib baselines against the library: the baseline writer's file is
// a linkage file whose frames are byte for byte the library's, and the
// baseline reader inflates the library's frames to the values written.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "bare_frame_reader.h"
#include "bare_frame_writer.h"
#include "export_reader.h"
#include "export_writer.h"
#include "header_block.h"
#include "scratch_directory.h"

namespace bench {
namespace {

using byte_vector = std::vector<unsigned char>;

byte_vector file_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return byte_vector(std::istreambuf_iterator<char>(in), {});
}

uint64_t header_offset(const byte_vector& file)
{
    uint64_t offset = 0;
    for (int n = 7; n >= 0; --n) offset = offset << 8 | file[static_cast<std::size_t>(n)];
    return offset;
}

class BareBaseline : public testing::Test {
protected:
    scratch_directory scratch;
    const estuary_case estuary{case_size{14, 12, 3, 3}};
    std::string library_file = (scratch.path() / "library.twl").string();
    std::string bare_file = (scratch.path() / "bare.twl").string();

    void write_bare_file()
    {
        bare_frame_writer writer(bare_file, estuary.segments().size() * estuary_case::segment_constituents,
                                 estuary.flow_paths().size() * estuary_case::flow_constituents, 6);
        moment_values values(estuary);
        for (int moment = 0; moment < estuary.size().moments; ++moment) {
            values.fill(estuary, moment);
            writer.write_moment(values);
        }
        writer.finish(encode_header_block(estuary, estuary.size().moments,
                                          end_time_of(estuary.size().moments, moment_values(estuary).time_step)));
    }
};

TEST_F(BareBaseline, WritesTheLibrarysFramesAndAHeaderTheLibraryReads)
{
    write_case_file(estuary, library_file);
    write_bare_file();
    const byte_vector library = file_bytes(library_file);
    const byte_vector bare = file_bytes(bare_file);
    ASSERT_GT(library.size(), 8u);
    ASSERT_EQ(header_offset(library), header_offset(bare));
    const auto frames_end = static_cast<std::ptrdiff_t>(header_offset(library));
    EXPECT_TRUE(std::equal(library.begin() + 8, library.begin() + frames_end, bare.begin() + 8));
    // The header blocks differ only in the time stamp and the seed moment.
    ASSERT_EQ(library.size(), bare.size());
    constexpr std::ptrdiff_t after_seed_moment = 12 + 36;
    EXPECT_TRUE(std::equal(library.begin() + frames_end + after_seed_moment, library.end(),
                           bare.begin() + frames_end + after_seed_moment));

    export_reader reader(bare_file);
    ASSERT_EQ(reader.moments(), estuary.size().moments);
    moment_values expected(estuary), got(estuary);
    for (int moment = 0; moment < reader.moments(); ++moment) {
        expected.fill(estuary, moment);
        reader.read_moment(got);
        EXPECT_EQ(got.segment, expected.segment) << "moment " << moment;
        EXPECT_EQ(got.flow, expected.flow) << "moment " << moment;
        reader.next_moment();
    }
    reader.close();
}

TEST_F(BareBaseline, ReadsTheValuesTheLibraryWrote)
{
    write_case_file(estuary, library_file);
    bare_frame_reader reader(library_file, estuary.segments().size() * estuary_case::segment_constituents,
                             estuary.flow_paths().size() * estuary_case::flow_constituents);
    moment_values expected(estuary);
    for (int moment = 0; moment < estuary.size().moments; ++moment) {
        expected.fill(estuary, moment);
        reader.load_moment();
        EXPECT_EQ(reader.time_step(), expected.time_step);
        // The segment frame is the constituents one after another.
        const unsigned char* frame = reader.segment_frame().data();
        for (const auto& constituent : expected.segment) {
            EXPECT_EQ(std::memcmp(frame, constituent.data(), constituent.size() * 4), 0) << "moment " << moment;
            frame += constituent.size() * 4;
        }
        EXPECT_EQ(std::memcmp(reader.flow_frame().data() + 2 * expected.flow[2].size() * 4, expected.flow[2].data(),
                              expected.flow[2].size() * 4),
                  0);
    }
    EXPECT_THROW(reader.load_moment(), std::runtime_error);  // the header block is no frame
}

}  // namespace
}  // namespace bench
