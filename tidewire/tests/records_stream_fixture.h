// A scratch file to write records into and read them back from.
#ifndef TIDEWIRE_TESTS_RECORDS_STREAM_FIXTURE_H
#define TIDEWIRE_TESTS_RECORDS_STREAM_FIXTURE_H

#include "file_stream.h"
#include "scratch_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

class RecordsStream : public testing::Test {
protected:
    // The bytes that `write` puts into a new file.
    bytes written_by(const std::function<void(file_stream&)>& write)
    {
        {
            file_stream stream;
            stream.open(path, file_stream::mode_write);
            write(stream);
        }
        return read_file_bytes(path);
    }

    // A stream positioned at the start of a file holding `content`.
    file_stream& reading(const bytes& content)
    {
        write_file_bytes(path, content);
        reader.close();
        reader.open(path, file_stream::mode_read);
        return reader;
    }

    scratch_directory scratch;
    std::string path = scratch.path("records.bin");
    file_stream reader;
};

#endif
