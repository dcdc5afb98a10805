#pragma once

#include "platform/result.h"

#include <string>
#include <vector>

namespace zantor {

// The programs a button can start: "calc.exe" and "cmd.exe" on the system the settings come
// from; here the first calculator or terminal installed.
enum class LaunchTarget { Calculator, Terminal };

// Candidates in order of preference.
const std::vector<std::string>& launchCandidates(LaunchTarget target);

// Starts the first candidate found on PATH, detached and without a shell. Finding none is an
// error the caller logs; the user sees nothing happen, as with a program that fails to start.
Status launch(LaunchTarget target);

} // namespace zantor
