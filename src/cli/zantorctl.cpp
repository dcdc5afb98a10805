#include "cli/commands.h"
#include "cli/device_commands.h"

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
  apply [N]
      Make configuration N current (when given) and send the current one to
      the mouse; also sets the desktop's pointer speed and wheel lines.
  export FILE [N]
      Write configuration N (default: the current one) with its macros to
      section Config7 of FILE; other sections of FILE stay.
  import FILE [N]
      Store the configuration exported to FILE as configuration N.
  reset
      Rebuild configurations 1 to 5 from the factory settings and, with a
      mouse present, send the current one to it.
  listen
      Carry out the mouse's host-side buttons (media keys, macros, program
      starts, DPI changes) until Ctrl+C. One process at a time may do this.
  devices [--all]
      The mouse's HID interfaces (--all: every HID interface), their report
      lengths and whether they can be opened.
  decode HEX...
      A command or event report, given as hex bytes, explained.
  press BUTTON [--hold MS]                          (with --simulate)
      Press button BUTTON (0 to 5, key K<BUTTON>) for MS ms (default 50) and
      wait for its action to end.
  inject @MS:HEX...                                 (with --simulate)
      Deliver each input report HEX MS ms after the start, then wait for the
      actions to end. Example: @0:06F50100000000 @120:06F58000000000

Exit status: 0 done, 1 error, 2 no mouse found, 64 arguments that make no sense.
)";

struct Command {
    std::string_view name;
    int (*run)(const GlobalOptions&, const Arguments&, std::ostream&, std::ostream&);
};

constexpr std::array kCommands{
    Command{"show", showCommand},     Command{"macros", macrosCommand},
    Command{"apply", applyCommand},   Command{"export", exportCommand},
    Command{"import", importCommand}, Command{"reset", resetCommand},
    Command{"listen", listenCommand}, Command{"devices", devicesCommand},
    Command{"decode", decodeCommand}, Command{"press", pressCommand},
    Command{"inject", injectCommand},
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
            return kExitUsage;
        }
    }
    if (i == args.size()) {
        err << "zantorctl: no command given (see --help)\n";
        return kExitUsage;
    }
    for (const Command& command : kCommands) {
        if (args[i] == command.name)
            return command.run(options, Arguments(args.begin() + i + 1, args.end()), out, err);
    }
    err << "zantorctl: unknown command '" << args[i] << "' (see --help)\n";
    return kExitUsage;
}

} // namespace zantor::cli
