#include "cli/cli_session.h"

#include "config/config_file.h"

#include <charconv>

namespace zantor::cli {

std::unique_ptr<CliSession> CliSession::open(const GlobalOptions& options, std::ostream& err) {
    auto session = std::make_unique<CliSession>(
        AppPaths::homeFor(AppPaths::runningExecutable(), options.home));
    const std::string configFile = session->paths.configFile();
    if (!session->profiles.exists(configFile)) {
        err << "zantorctl: no configuration file " << configFile << " (is " << session->paths.exeDir
            << " a ZANTOR home folder? see --home)\n";
        return nullptr;
    }
    session->settings.language = readLanguage(session->profiles, configFile);
    return session;
}

bool parseConfigNumber(const std::string& text, int& n, std::ostream& err) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > 6) {
        err << "zantorctl: '" << text << "' is not a configuration number (1 to 6)\n";
        return false;
    }
    return true;
}

} // namespace zantor::cli
