#pragma once

#include "app/page_state.h"
#include "platform/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zantor::app {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;  // the program could not start (no mouse, no skin...)
inline constexpr int kExitUsage = 64; // the arguments make no sense

inline constexpr std::string_view kUsage =
    "usage: zantor [--home DIR] [--simulate] [--trace]\n"
    "       zantor [--home DIR] [--simulate] --render main|advanced|colour --output FILE.png\n"
    "\n"
    "  --home DIR     keep the configuration, macros and skin in DIR (default: beside the\n"
    "                 program, or ~/.local/share/zantor for an installed one)\n"
    "  --simulate     run on a simulated mouse; the desktop's own pointer settings stay as they\n"
    "                 are (what would be set is printed)\n"
    "  --trace        print every report sent to or read from the mouse\n"
    "  --render PAGE  paint a page of the current configuration into a PNG file and end,\n"
    "                 without a window or a mouse\n"
    "  --quit-after-first-frame\n"
    "                 print \"first frame\" once the window has painted, then end (for timing)\n";

struct AppOptions {
    std::string home;
    bool simulate = false;
    bool trace = false;
    std::optional<Page> render; // --render PAGE
    std::string output;         // --output FILE
    bool quitAfterFirstFrame = false;
    bool help = false;
};

// The options of the command line (without the program name); an error says what is wrong.
Result<AppOptions> parseAppOptions(const std::vector<std::string_view>& args);

// The arguments after the program name that are ours: Qt's own options (one dash, like
// "-platform offscreen" or "-reverse", with a value that follows them) are left to Qt. "-h"
// is ours.
std::vector<std::string_view> ownArguments(int argc, const char* const* argv);

} // namespace zantor::app
