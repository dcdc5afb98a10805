#pragma once

#include "platform/result.h"

#include <string>

namespace zantor::hid {

// The file that gives the logged-in user access to the mouse (resources/udev).
inline constexpr const char* UDEV_RULE_FILE = "70-zantor.rules";

// Why a device node could not be opened, in one line. A permission error names the udev rule
// to install.
Error openError(const std::string& node, int err);

} // namespace zantor::hid
