#include "torvautil_process.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string read_whole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Files that hold the process's standard streams, beside the working
// directory so that they never show among its files.
struct stream_files {
    fs::path folder;
    fs::path input;
    fs::path output;
    fs::path error;

    stream_files()
    {
        std::string pattern = (fs::temp_directory_path() / "torvautil-streams-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a stream folder");
        folder = pattern;
        input = folder / "stdin";
        output = folder / "stdout";
        error = folder / "stderr";
    }
    ~stream_files()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

[[noreturn]] void run_child(const fs::path& workdir, const stream_files& files)
{
    const int in = open(files.input.c_str(), O_RDONLY);
    const int out = open(files.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(files.error.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(workdir.c_str()) != 0)
        _exit(127);
    const std::string program = torvautil_executable().string();
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    execv(program.c_str(), argv);
    _exit(127);
}

}  // namespace

std::vector<std::string> torvautil_run::console_lines() const
{
    std::vector<std::string> lines;
    std::istringstream in(console);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool torvautil_run::printed(const std::string& text) const
{
    for (const std::string& line : console_lines())
        if (trim_blanks(line) == text) return true;
    return false;
}

fs::path torvautil_executable()
{
    return fs::path(TORVAUTIL_EXECUTABLE);
}

torvautil_run run_torvautil(const fs::path& workdir, const std::vector<std::string>& answers)
{
    const stream_files files;
    {
        std::ofstream input(files.input, std::ios::binary);
        for (const std::string& answer : answers) input << answer << "\n";
    }
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("cannot start torvautil");
    if (child == 0) run_child(workdir, files);

    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("lost the torvautil process");
    }
    torvautil_run run;
    run.exited = WIFEXITED(status);
    if (run.exited) run.exit_status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    run.console = read_whole(files.output);
    run.errors = read_whole(files.error);
    return run;
}

std::string trim_blanks(const std::string& text)
{
    const auto is_blank = [](char c) { return c == ' ' || c == '\0' || c == '\r'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && is_blank(text[first])) ++first;
    while (last > first && is_blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}
