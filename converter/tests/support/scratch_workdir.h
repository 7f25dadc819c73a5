// A converter working directory made for one test: a fresh folder with
// input/ and output/ below it, removed again when the object goes.
#ifndef TORVAUTIL_TEST_SCRATCH_WORKDIR_H
#define TORVAUTIL_TEST_SCRATCH_WORKDIR_H

#include <filesystem>
#include <string>
#include <vector>

class scratch_workdir {
public:
    scratch_workdir();
    ~scratch_workdir();
    scratch_workdir(const scratch_workdir&) = delete;
    scratch_workdir& operator=(const scratch_workdir&) = delete;

    const std::filesystem::path& path() const { return root_; }
    std::filesystem::path input() const { return root_ / "input"; }
    std::filesystem::path output() const { return root_ / "output"; }

    // Files by path relative to the working directory ("input/cell.inp").
    void write(const std::string& relative, const std::string& content) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    void remove(const std::string& relative) const;

    // control.dat: a title line, then IM, JM and KM, one per line.
    void write_control(int im, int jm, int km) const;

    // cell.inp: the 4 header lines, then the given rows as they stand
    // (row J = JM first); each row is the 5 skipped characters and the digits.
    void write_cell_inp(const std::vector<std::string>& rows) const;

    // A free-form grid input file (GVCLAYER.INP, dxdy.inp, lxly.inp): the
    // 4 header lines, then one record per line.
    void write_grid_input(const std::string& name, const std::vector<std::string>& records) const;

private:
    std::filesystem::path root_;
};

// The lines of a text file written by the converter, each without its CR LF.
// A line that does not end in CR LF keeps what it has and is marked by a
// trailing "<no CRLF>" so that a comparison shows it.
std::vector<std::string> crlf_lines(const std::string& content);

#endif
