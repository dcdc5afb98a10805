// Times zantor from process start to its first painted frame, and its peak memory: five runs
// of `zantor --simulate --quit-after-first-frame` on a fresh home, median of each. Runs on its
// own Xvfb display when Xvfb is installed (as a user's desktop would), else offscreen.
//   app_startup_bench [ZANTOR_BINARY]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;

std::string makeTempDir() {
    std::string pattern = (fs::temp_directory_path() / "zantor-startup-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

pid_t spawn(const std::vector<std::string>& args, int stdoutFd) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Starts Xvfb on a free display; the display name, or empty without Xvfb.
std::string startXvfb(pid_t& pid) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    pid = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp"},
                -1);
    ::close(fds[1]);
    std::string number;
    char c;
    while (pid > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    return number.empty() ? std::string() : ":" + number;
}

struct Run {
    double firstFrameMs = 0;
    long peakKb = 0;
};

std::optional<Run> runOnce(const std::string& zantor, const std::string& home) {
    int out[2];
    if (::pipe(out) != 0)
        return std::nullopt;
    const auto start = Clock::now();
    const pid_t pid =
        spawn({zantor, "--simulate", "--quit-after-first-frame", "--home", home}, out[1]);
    ::close(out[1]);
    if (pid < 0)
        return std::nullopt;
    std::string text;
    char buffer[256];
    Run run;
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, std::size_t(n));
        if (run.firstFrameMs == 0 && text.find("first frame") != std::string::npos)
            run.firstFrameMs =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    run.peakKb = usage.ru_maxrss;
    if (run.firstFrameMs == 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return run;
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const std::string zantor = argc > 1 ? argv[1] : ZANTOR_APP_BINARY;
    const std::string work = makeTempDir();
    const std::string home = work + "/home";
    fs::create_directories(home);
    fs::copy(fs::path(ZANTOR_RESOURCES_DIR) / "skins", fs::path(home) / "skins",
             fs::copy_options::recursive);
    for (const char* file : {"Macro_EN.dat", "Macro_CN.dat", "constMacro.dat"})
        fs::copy_file(fs::path(ZANTOR_RESOURCES_DIR) / file, fs::path(home) / file);
    // The program's single-instance guard and locks stay in this run's own folders.
    fs::create_directories(work + "/runtime");
    fs::permissions(work + "/runtime", fs::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", (work + "/runtime").c_str(), 1);
    ::setenv("TMPDIR", work.c_str(), 1);

    pid_t xvfb = -1;
    const std::string display = startXvfb(xvfb);
    if (display.empty()) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::printf("no Xvfb: timing on the offscreen platform\n");
    } else {
        ::setenv("DISPLAY", display.c_str(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
    }

    std::vector<double> frames;
    std::vector<long> peaks;
    for (int i = 0; i < kRuns; ++i) {
        const auto run = runOnce(zantor, home);
        if (!run) {
            std::fprintf(stderr, "zantor did not paint its first frame (run %d)\n", i + 1);
            break;
        }
        frames.push_back(run->firstFrameMs);
        peaks.push_back(run->peakKb);
        std::printf("run %d: first frame after %.1f ms, peak memory %.1f MB\n", i + 1,
                    run->firstFrameMs, double(run->peakKb) / 1024);
    }
    if (xvfb > 0) {
        ::kill(xvfb, SIGTERM);
        ::waitpid(xvfb, nullptr, 0);
    }
    fs::remove_all(work);
    if (int(frames.size()) != kRuns)
        return 1;
    std::printf("zantor start to first frame (%s), median of %d: %.1f ms (target < 150 ms)\n",
                display.empty() ? "offscreen" : "Xvfb", kRuns, median(frames));
    std::printf("zantor peak memory, median of %d: %.1f MB (target < 60 MB)\n", kRuns,
                double(median(peaks)) / 1024);
    return 0;
}
