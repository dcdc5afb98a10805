#pragma once

#include "platform/result.h"

#include <string>

namespace zantor::tools {

// Writes the data the program ships with into home (a folder laid out like resources/):
// skins/config/config.ini, Macro_EN.dat, Macro_CN.dat and constMacro.dat, through the program's
// own savers so they are valid by construction. Existing files are replaced.
Status writeShippedData(const std::string& home);

} // namespace zantor::tools
