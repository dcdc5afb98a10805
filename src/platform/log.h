#pragma once

namespace zantor {

// Failures the program does not report to the user are still written here: to stderr when the
// environment variable ZANTOR_DEBUG is set, nowhere otherwise.
[[gnu::format(printf, 1, 2)]] void logDebug(const char* format, ...);

} // namespace zantor
