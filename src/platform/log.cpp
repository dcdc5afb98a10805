#include "platform/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace zantor {

void logDebug(const char* format, ...) {
    static const bool enabled = std::getenv("ZANTOR_DEBUG") != nullptr;
    if (!enabled)
        return;
    std::va_list args;
    va_start(args, format);
    std::fputs("zantor: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
}

} // namespace zantor
