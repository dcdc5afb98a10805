#pragma once

#include <string>

namespace zantor::cli {

// Options that come before the command: zantorctl [--home DIR] [--simulate] [--trace] COMMAND ...
struct GlobalOptions {
    std::string home;      // --home DIR; empty: the executable's home folder
    bool simulate = false; // --simulate: the in-process simulated mouse instead of hidraw
    bool trace = false;    // --trace: print every report sent to or read from the mouse
};

} // namespace zantor::cli
