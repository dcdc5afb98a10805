// zantorctl apply, export, import and reset.
#include "cli/commands.h"
#include "cli/device_commands.h"
#include "cli/device_session.h"
#include "config/config_file.h"
#include "config/exchange.h"

namespace zantor::cli {
namespace {

// Reads "[N]" or "FILE [N]" after a command; N defaults to the current configuration.
bool parseArgs(const Arguments& args, bool wantsFile, std::string& file, std::string& number,
               const char* command, std::ostream& err) {
    std::vector<std::string> positional;
    for (const auto& arg : args) {
        if (arg.starts_with("-") && arg.size() > 1) {
            err << "zantorctl " << command << ": unexpected option '" << arg << "'\n";
            return false;
        }
        positional.push_back(arg);
    }
    const std::size_t fileCount = wantsFile ? 1 : 0;
    if (positional.size() < fileCount || positional.size() > fileCount + 1) {
        err << "zantorctl " << command << ": expected " << (wantsFile ? "FILE [N]" : "[N]")
            << " (see --help)\n";
        return false;
    }
    if (wantsFile)
        file = positional[0];
    if (positional.size() > fileCount)
        number = positional[fileCount];
    return true;
}

bool configNumber(CliSession& session, const std::string& number, int& n, std::ostream& err) {
    if (number.empty()) {
        n = readCurrentConfig(session.profiles, session.paths.configFile());
        return true;
    }
    return parseConfigNumber(number, n, err);
}

} // namespace

int applyCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                 std::ostream& err) {
    std::string file, number;
    if (!parseArgs(args, false, file, number, "apply", err))
        return kExitUsage;
    auto session = DeviceSession::open(options, out, err);
    if (!session)
        return kExitError;
    int n = 0;
    if (!configNumber(*session->store, number, n, err))
        return kExitUsage;
    if (const int status = requireMouse(session->device->link, err); status != 0)
        return status; // nothing changed
    session->load(n);
    session->push();
    out << "configuration " << n << " applied to the mouse\n";
    return kExitOk;
}

int exportCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    std::string file, number;
    if (!parseArgs(args, true, file, number, "export", err))
        return kExitUsage;
    auto session = CliSession::open(options, err);
    if (!session)
        return kExitError;
    int n = 0;
    if (!configNumber(*session, number, n, err))
        return kExitUsage;
    loadConfig(session->settings, session->paths.configFile(), n, false);
    if (Status s = exportConfig(session->settings, file); !s) {
        err << "zantorctl: " << s.error().message << '\n';
        return kExitError;
    }
    out << "configuration " << n << " exported to " << file << '\n';
    return kExitOk;
}

int importCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    std::string file, number;
    if (!parseArgs(args, true, file, number, "import", err))
        return kExitUsage;
    auto session = CliSession::open(options, err);
    if (!session)
        return kExitError;
    int n = 0;
    if (!configNumber(*session, number, n, err))
        return kExitUsage;
    // An import stores what it reads: a file that holds no exported configuration would
    // overwrite configuration n with zeros.
    const auto exchange = session->profiles.snapshot(file);
    if (!exchange.exists()) {
        err << "zantorctl: cannot read " << file << '\n';
        return kExitError;
    }
    if (!exchange.hasSection(configSection(kExchangeConfig))) {
        err << "zantorctl: " << file << " holds no exported configuration (no ["
            << configSection(kExchangeConfig) << "] section)\n";
        return kExitError;
    }
    importConfig(session->settings, file);
    if (Status s = saveConfig(session->settings, session->paths.configFile(), n, true); !s) {
        err << "zantorctl: " << s.error().message << '\n';
        return kExitError;
    }
    out << file << " imported as configuration " << n << '\n';
    return kExitOk;
}

int resetCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                 std::ostream& err) {
    if (!args.empty()) {
        err << "zantorctl reset: takes no arguments\n";
        return kExitUsage;
    }
    auto session = DeviceSession::open(options, out, err);
    if (!session)
        return kExitError;
    Settings& settings = session->settings();
    const std::string configFile = session->paths().configFile();
    session->device->link.Scan();
    const bool mouse = session->mousePresent();
    settings.currentConfig = readCurrentConfig(settings.profiles, configFile);
    FactoryResetHooks hooks;
    if (mouse)
        hooks.pushSettings = [&] {
            session->push();
        };
    resetToFactory(settings, configFile, session->paths().macroFile(settings.language), hooks);
    out << "configurations 1 to 5 restored to their factory settings in " << configFile << '\n';
    if (!mouse)
        out << "no ZANTOR mouse found: the mouse was not updated (run zantorctl apply later)\n";
    return kExitOk;
}

} // namespace zantor::cli
