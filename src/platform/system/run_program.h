#pragma once

#include "platform/result.h"

#include <string>
#include <vector>

namespace zantor {

// Runs a program found on PATH (never through a shell), waits for it, and returns what it
// wrote to stdout; an exit status other than 0 is an error.
Result<std::string> runProgram(const std::vector<std::string>& argv);

// Starts a program found on PATH, detached: the caller does not wait, and the finished
// process is reaped in the background.
Status startProgram(const std::vector<std::string>& argv);

// The first of the names that is an executable file on PATH; empty when none is.
std::string findOnPath(const std::vector<std::string>& names);

} // namespace zantor
