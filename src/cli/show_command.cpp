#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/config_format.h"
#include "config/config_file.h"
#include "skin/function_names.h"

namespace zantor::cli {

int showCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                std::ostream& err) {
    bool json = false;
    std::string number;
    for (const auto& arg : args) {
        if (arg == "--json")
            json = true;
        else if (number.empty() && !arg.starts_with("-"))
            number = arg;
        else {
            err << "zantorctl show: unexpected argument '" << arg << "'\n";
            return kExitUsage;
        }
    }
    auto session = CliSession::open(options, err);
    if (!session)
        return kExitError;
    Settings& settings = session->settings;
    const std::string file = session->paths.configFile();

    int n = 0;
    if (number.empty())
        n = readCurrentConfig(session->profiles, file);
    else if (!parseConfigNumber(number, n, err))
        return kExitUsage;
    loadConfig(settings, file, n, false);

    if (json)
        out << configToJson(settings, n).dump(2) << '\n';
    else {
        // Without the skin's layout the functions are still described, only not by name.
        const auto names =
            skin::LoadFunctionNames(session->profiles, session->paths, settings.language);
        printConfig(out, settings, n, names ? &*names : nullptr);
    }
    return kExitOk;
}

} // namespace zantor::cli
