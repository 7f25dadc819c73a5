// Lays out the example working directory: the grid input files in input/,
// an empty output/ and the TORVA linkage file bay.hyd.
//
//   make_example <working directory>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "bay_model.h"
#include "input_files.h"
#include "linkage_writer.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example <working directory>\n");
        return 1;
    }
    try {
        const std::filesystem::path workdir = argv[1];
        std::filesystem::create_directories(workdir / "input");
        std::filesystem::create_directories(workdir / "output");
        const bay::model bay;
        bay::write_input_files(bay, workdir / "input");
        bay::write_linkage_file(bay, (workdir / "bay.hyd").string());
        std::printf("example working directory: %s\n", workdir.string().c_str());
        std::printf("  %zu segments, %zu flow paths, %d hourly moments in bay.hyd\n", bay.segments().size(),
                    bay.flow_paths().size(), bay::moments);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_example: %s\n", failure.what());
        return 1;
    }
    return 0;
}
