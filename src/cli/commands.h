#pragma once

#include "cli/global_options.h"

#include <ostream>
#include <string>
#include <vector>

namespace zantor::cli {

using Arguments = std::vector<std::string>;

// Each command gets the arguments after its name and returns the exit status.
int showCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                std::ostream& err);
int macrosCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err);
int applyCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                 std::ostream& err);
int exportCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err);
int importCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err);
int resetCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                 std::ostream& err);
int listenCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err);
int pressCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                 std::ostream& err);
int injectCommand(const GlobalOptions& options, const Arguments& args, std::ostream& out,
                  std::ostream& err);

// The whole tool: global options, then a command.
int runZantorctl(const Arguments& args, std::ostream& out, std::ostream& err);

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitNoMouse = 2;
inline constexpr int kExitUsage = 64; // the arguments make no sense

} // namespace zantor::cli
