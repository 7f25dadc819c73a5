#include "child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace bench {

namespace {

std::vector<char*> argv_of(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

double seconds_of(const rusage& usage)
{
    const auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int exit_status_of(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

child_result run_child(const std::vector<std::string>& arguments, const std::string& directory,
                       const std::string& stdin_text, const std::string& stdout_path)
{
    int input[2];
    if (::pipe2(input, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    std::vector<char*> argv = argv_of(arguments);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Only async-signal-safe calls until exec.
        const int output = ::open(stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (output < 0 || ::chdir(directory.c_str()) != 0 || ::dup2(input[0], 0) < 0 || ::dup2(output, 1) < 0)
            ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(input[0]);
    // The answers fit in the pipe: the write never waits for the child.
    const ssize_t written = ::write(input[1], stdin_text.data(), stdin_text.size());
    ::close(input[1]);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    child_result result;
    result.wall_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.exited_normally = WIFEXITED(status);
    result.exit_status = exit_status_of(status);
    if (written != static_cast<ssize_t>(stdin_text.size())) result.exited_normally = false;
    return result;
}

int run_measuring_peak(const std::string& result_path, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv = argv_of(arguments);
    const pid_t pid = ::fork();
    if (pid < 0) return 126;
    if (pid == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    std::ofstream(result_path) << usage.ru_maxrss << "\n" << seconds_of(usage) << "\n";
    return exit_status_of(status);
}

long own_peak_rss_kib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

double own_cpu_seconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return seconds_of(usage);
}

std::string own_program_path()
{
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) throw std::runtime_error("cannot find the running program");
    return std::string(path, static_cast<std::size_t>(length));
}

}  // namespace bench
