#include "platform/system/run_program.h"

#include "platform/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace zantor {
namespace {

std::vector<char*> argvOf(const std::vector<std::string>& argv) {
    std::vector<char*> out;
    for (const auto& a : argv)
        out.push_back(const_cast<char*>(a.c_str()));
    out.push_back(nullptr);
    return out;
}

Result<pid_t> spawn(const std::vector<std::string>& argv, posix_spawn_file_actions_t* actions) {
    if (argv.empty())
        return Error{EINVAL, "no program to start"};
    auto args = argvOf(argv);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, args[0], actions, nullptr, args.data(), environ);
    if (error != 0)
        return Error{error, "cannot start " + argv[0] + ": " + std::strerror(error)};
    return pid;
}

} // namespace

std::string findOnPath(const std::vector<std::string>& names) {
    const char* path = std::getenv("PATH");
    const std::string dirs = path ? path : "/usr/bin:/bin";
    for (const auto& name : names) {
        for (std::size_t start = 0; start <= dirs.size();) {
            const auto end = std::min(dirs.find(':', start), dirs.size());
            const std::string candidate = dirs.substr(start, end - start) + "/" + name;
            struct stat st {};
            if (end > start && ::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return name;
            start = end + 1;
        }
    }
    return {};
}

Result<std::string> runProgram(const std::vector<std::string>& argv) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return Error{errno, "cannot create a pipe"};
    UniqueFd readEnd(fds[0]), writeEnd(fds[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    auto pid = spawn(argv, &actions);
    posix_spawn_file_actions_destroy(&actions);
    writeEnd.reset();
    if (!pid)
        return pid.error();

    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = ::read(readEnd.get(), buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        output.append(buffer, std::size_t(n));
    }
    int status = 0;
    while (::waitpid(*pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return Error{0, argv[0] + " failed"};
    return output;
}

Status startProgram(const std::vector<std::string>& argv) {
    auto pid = spawn(argv, nullptr);
    if (!pid)
        return pid.error();
    std::thread([p = *pid] {
        int status = 0;
        while (::waitpid(p, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return Ok{};
}

} // namespace zantor
