#pragma once

#include "platform/result.h"

#include <string>

namespace zantor::hid {

// The file that gives the logged-in user access to the mouse (resources/udev).
inline constexpr const char* UDEV_RULE_FILE = "70-zantor.rules";

bool isPermissionError(int err);
// What to do when the mouse's nodes may not be opened; names the udev rule.
std::string permissionHint();

// Why a device node could not be opened, in one line. A permission error carries the hint.
Error openError(const std::string& node, int err);

} // namespace zantor::hid
