#include "scratch_workdir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path make_unique_directory()
{
    std::string pattern = (fs::temp_directory_path() / "torvautil-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch directory");
    return fs::path(pattern);
}

const char* const header_lines = "header line 1\nheader line 2\nheader line 3\nheader line 4\n";

}  // namespace

scratch_workdir::scratch_workdir() : root_(make_unique_directory())
{
    fs::create_directory(input());
    fs::create_directory(output());
}

scratch_workdir::~scratch_workdir()
{
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void scratch_workdir::write(const std::string& relative, const std::string& content) const
{
    std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + relative);
}

std::string scratch_workdir::read(const std::string& relative) const
{
    std::ifstream in(root_ / relative, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + relative);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool scratch_workdir::exists(const std::string& relative) const
{
    return fs::exists(root_ / relative);
}

void scratch_workdir::remove(const std::string& relative) const
{
    fs::remove(root_ / relative);
}

void scratch_workdir::write_control(int im, int jm, int km) const
{
    std::ostringstream text;
    text << "grid dimensions\n" << im << "\n" << jm << "\n" << km << "\n";
    write("input/control.dat", text.str());
}

void scratch_workdir::write_cell_inp(const std::vector<std::string>& rows) const
{
    std::string text = header_lines;
    for (const std::string& row : rows) text += row + "\n";
    write("input/cell.inp", text);
}

void scratch_workdir::write_grid_input(const std::string& name, const std::vector<std::string>& records) const
{
    std::string text = header_lines;
    for (const std::string& record : records) text += record + "\n";
    write("input/" + name, text);
}

std::vector<std::string> crlf_lines(const std::string& content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(content.substr(start) + "<no CRLF>");
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
