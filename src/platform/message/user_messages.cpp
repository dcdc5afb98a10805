#include "platform/message/user_messages.h"

#include <cstdio>

namespace zantor {

void StderrMessages::showMessage(std::string_view text, std::string_view detail) {
    if (detail.empty())
        std::fprintf(stderr, "%.*s\n", int(text.size()), text.data());
    else
        std::fprintf(stderr, "%.*s: %.*s\n", int(text.size()), text.data(), int(detail.size()),
                     detail.data());
}

} // namespace zantor
