#pragma once

#include "app/app_paths.h"
#include "cli/global_options.h"
#include "config/settings.h"
#include "platform/message/user_messages.h"
#include "platform/profile/profile_store.h"

#include <memory>
#include <ostream>

namespace zantor::cli {

// The settings store of one zantorctl run, on its home folder.
struct CliSession {
    explicit CliSession(AppPaths homePaths) : paths(std::move(homePaths)) {}

    AppPaths paths;
    profile::ProfileStore profiles;
    StderrMessages messages;
    Settings settings{profiles, messages};

    // Opens the home folder the options name; prints why and returns nullptr when it holds no
    // configuration file. The interface language is read from it.
    static std::unique_ptr<CliSession> open(const GlobalOptions& options, std::ostream& err);
};

// Parses a configuration number given on the command line (1…6); prints why it is not one.
bool parseConfigNumber(const std::string& text, int& n, std::ostream& err);

} // namespace zantor::cli
