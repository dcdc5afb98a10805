#include "platform/system/program_launcher.h"

#include "platform/system/run_program.h"

#include <cerrno>

namespace zantor {

const std::vector<std::string>& launchCandidates(LaunchTarget target) {
    static const std::vector<std::string> calculators{
        "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
    static const std::vector<std::string> terminals{
        "x-terminal-emulator", "gnome-terminal", "konsole",
        "xfce4-terminal",      "lxterminal",     "xterm"};
    return target == LaunchTarget::Calculator ? calculators : terminals;
}

Status launch(LaunchTarget target) {
    const std::string program = findOnPath(launchCandidates(target));
    if (program.empty())
        return Error{ENOENT, std::string("no ") +
                                 (target == LaunchTarget::Calculator ? "calculator" : "terminal") +
                                 " program is installed"};
    return startProgram({program});
}

} // namespace zantor
