#pragma once

#include "platform/result.h"
#include "platform/unique_fd.h"

#include <string>

namespace zantor {

// A lock one process of the user holds while it carries out the mouse's host-side buttons, so
// a press is never acted on twice. Released when the process ends, however it ends.
class UserLock {
public:
    // Takes the lock named `name` without waiting; fails when another process holds it.
    static Result<UserLock> take(const std::string& name);
    // Where the lock files live: $XDG_RUNTIME_DIR, else /tmp, with the user id in the name.
    static std::string pathOf(const std::string& name);

private:
    explicit UserLock(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_;
};

inline constexpr const char* kHostButtonsLock = "host-buttons";

} // namespace zantor
