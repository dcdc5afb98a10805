#include "app/app_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace zantor {
namespace fs = std::filesystem;

std::string AppPaths::folderOf(const std::string& executablePath) {
    const auto slash = executablePath.rfind('/');
    return slash == std::string::npos ? std::string() : executablePath.substr(0, slash);
}

std::string AppPaths::runningExecutable() {
    std::error_code error;
    const auto path = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

namespace {

bool holdsWritableHome(const std::string& dir) {
    return fs::exists(dir + "/skins/config/config.ini") && ::access(dir.c_str(), W_OK) == 0;
}

std::string userDataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share";
}

// Copies what is missing of the installed data into the user's home, never overwriting.
void seedFrom(const std::string& installed, const std::string& home) {
    std::error_code error;
    if (!fs::is_directory(installed, error))
        return;
    fs::create_directories(home, error);
    fs::copy(installed, home, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
}

} // namespace

AppPaths AppPaths::homeFor(const std::string& executablePath, const std::string& homeOverride) {
    if (!homeOverride.empty())
        return AppPaths{homeOverride.size() > 1 && homeOverride.back() == '/'
                            ? homeOverride.substr(0, homeOverride.size() - 1)
                            : homeOverride};
    const std::string exeDir = folderOf(executablePath);
    if (holdsWritableHome(exeDir))
        return AppPaths{exeDir};
    const std::string installed = folderOf(exeDir) + "/share/zantor";
    if (!fs::exists(installed))
        return AppPaths{exeDir};
    const std::string home = userDataHome() + "/zantor";
    seedFrom(installed, home);
    return AppPaths{home};
}

} // namespace zantor
