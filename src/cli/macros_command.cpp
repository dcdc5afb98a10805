#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/macro_format.h"
#include "macro/macro_files.h"

namespace zantor::cli {

int macrosCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    bool json = false, builtIn = false;
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--builtin") {
            builtIn = true;
        } else if (args[i] == "--file" && i + 1 < args.size()) {
            file = args[++i];
        } else {
            err << "zantorctl macros: unexpected argument '" << args[i] << "'\n";
            return kExitUsage;
        }
    }
    if (builtIn && !file.empty()) {
        err << "zantorctl macros: --builtin and --file exclude each other\n";
        return kExitUsage;
    }
    auto session = CliSession::open(options, err);
    if (!session)
        return kExitError;
    Settings& settings = session->settings;
    if (file.empty())
        file =
            builtIn ? session->paths.constMacroFile() : session->paths.macroFile(settings.language);
    if (!session->profiles.exists(file)) {
        err << "zantorctl: cannot read the macro file " << file << '\n';
        return kExitError;
    }

    auto& tables = settings.macros;
    std::span<const macro::MacroRecord> macros;
    if (builtIn) {
        macro::loadBuiltInMacros(settings.macroFiles(), file, tables);
        macros = {tables.builtInMacros.data(), tables.builtInMacroCount};
    } else {
        macro::loadMacroLibrary(settings.macroFiles(), file, tables);
        macros = {tables.userMacros.data(), tables.userMacroCount};
    }
    if (json) {
        out << macrosToJson(macros, settings.language).dump(2) << '\n';
    } else {
        out << (builtIn ? "Built-in macros" : "Macros") << " of " << file << '\n';
        printMacros(out, macros, settings.language);
    }
    return kExitOk;
}

} // namespace zantor::cli
