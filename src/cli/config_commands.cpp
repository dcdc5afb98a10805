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

namespace {

// What export and import work on: FILE and configuration N of an opened home.
struct Exchange {
    std::unique_ptr<CliSession> session;
    std::string file;
    int n = 0;
};

// kExitOk when the arguments name a file and a configuration of a home that opened.
int openExchange(const GlobalOptions& options, const Arguments& args, const char* command,
                 std::ostream& err, Exchange& exchange) {
    std::string number;
    if (!parseArgs(args, true, exchange.file, number, command, err))
        return kExitUsage;
    exchange.session = CliSession::open(options, err);
    if (!exchange.session)
        return kExitError;
    return configNumber(*exchange.session, number, exchange.n, err) ? kExitOk : kExitUsage;
}

} // namespace

int exportCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    Exchange e;
    if (const int status = openExchange(options, args, "export", err, e); status != kExitOk)
        return status;
    loadConfig(e.session->settings, e.session->paths.configFile(), e.n, false);
    if (Status s = exportConfig(e.session->settings, e.file); !s) {
        err << "zantorctl: " << s.error().message << '\n';
        return kExitError;
    }
    out << "configuration " << e.n << " exported to " << e.file << '\n';
    return kExitOk;
}

int importCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err) {
    Exchange e;
    if (const int status = openExchange(options, args, "import", err, e); status != kExitOk)
        return status;
    // An import stores what it reads: a file that holds no exported configuration would
    // overwrite configuration n with zeros.
    const auto exchange = e.session->profiles.snapshot(e.file);
    if (!exchange.exists()) {
        err << "zantorctl: cannot read " << e.file << '\n';
        return kExitError;
    }
    if (!exchange.hasSection(configSection(kExchangeConfig))) {
        err << "zantorctl: " << e.file << " holds no exported configuration (no ["
            << configSection(kExchangeConfig) << "] section)\n";
        return kExitError;
    }
    Settings& settings = e.session->settings;
    importConfig(settings, e.file);
    if (Status s = saveConfig(settings, e.session->paths.configFile(), e.n, true); !s) {
        err << "zantorctl: " << s.error().message << '\n';
        return kExitError;
    }
    out << e.file << " imported as configuration " << e.n << '\n';
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
