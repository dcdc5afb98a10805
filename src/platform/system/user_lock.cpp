#include "platform/system/user_lock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zantor {

std::string UserLock::pathOf(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime && *runtime == '/' ? runtime : "/tmp";
    return dir + "/zantor-" + std::to_string(::getuid()) + "-" + name + ".lock";
}

Result<UserLock> UserLock::take(const std::string& name) {
    const std::string path = pathOf(name);
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.valid())
        return Error{errno, "cannot open the lock file " + path + ": " + std::strerror(errno)};
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        if (code == EWOULDBLOCK)
            return Error{code,
                         "another ZANTOR program is already carrying out the mouse's buttons"};
        return Error{code, "cannot lock " + path + ": " + std::strerror(code)};
    }
    return UserLock(std::move(fd));
}

} // namespace zantor
