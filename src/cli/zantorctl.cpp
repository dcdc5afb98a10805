#include "cli/commands.h"

#include <array>
#include <string_view>

namespace zantor::cli {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: zantorctl [--home DIR] [--simulate] [--trace] COMMAND [ARGS]

Reads and drives the ZANTOR mouse and the settings the ZANTOR program keeps.

Global options:
  --home DIR    use the home folder DIR (default: the program's own folder)
  --simulate    use the simulated mouse instead of the real one
  --trace       print every report sent to or read from the mouse
  --help        show this text

Commands:
  show [N] [--json]
      Configuration N (1 to 6; default: the current one) as the program loads
      it, with its macro copy. --json prints one JSON object.
  macros [--builtin | --file PATH] [--json]
      The user macro library of the interface language, the built-in macros,
      or any macro file: names, modes, events and the editor's event lines.

Exit status: 0 done, 1 error, 2 no mouse found.
)";

struct Command {
    std::string_view name;
    int (*run)(const GlobalOptions&, const Arguments&, std::ostream&, std::ostream&);
};

constexpr std::array kCommands{
    Command{"show", showCommand},
    Command{"macros", macrosCommand},
};

} // namespace

int runZantorctl(const Arguments& args, std::ostream& out, std::ostream& err) {
    GlobalOptions options;
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        if (args[i] == "--help") {
            out << kHelp;
            return kExitOk;
        }
        if (args[i] == "--home" && i + 1 < args.size())
            options.home = args[++i];
        else if (args[i] == "--simulate")
            options.simulate = true;
        else if (args[i] == "--trace")
            options.trace = true;
        else {
            err << "zantorctl: unknown option '" << args[i] << "' (see --help)\n";
            return kExitError;
        }
    }
    if (i == args.size()) {
        err << "zantorctl: no command given (see --help)\n";
        return kExitError;
    }
    for (const Command& command : kCommands) {
        if (args[i] == command.name)
            return command.run(options, Arguments(args.begin() + i + 1, args.end()), out, err);
    }
    err << "zantorctl: unknown command '" << args[i] << "' (see --help)\n";
    return kExitError;
}

} // namespace zantor::cli
