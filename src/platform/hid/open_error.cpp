#include "platform/hid/open_error.h"

#include <cerrno>
#include <cstring>

namespace zantor::hid {

bool isPermissionError(int err) {
    return err == EACCES || err == EPERM;
}

std::string permissionHint() {
    return std::string("this user may not use the mouse: install the udev rule ") + UDEV_RULE_FILE +
           " into /etc/udev/rules.d, then unplug and replug the mouse (access is given to the "
           "user logged in at this computer)";
}

Error openError(const std::string& node, int err) {
    std::string message = "cannot open " + node + ": " + std::strerror(err);
    if (isPermissionError(err))
        message += "; " + permissionHint();
    return Error{err, std::move(message)};
}

} // namespace zantor::hid
