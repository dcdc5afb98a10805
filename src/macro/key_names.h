#pragma once

#include "macro/macro_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace zantor::macro {

// Short upper-case name of an event code ("RETURN", "NUMPAD0", "LCONTROL"); the mouse buttons
// read "L-KEY", "R-KEY", "M-KEY" in English (language 1) and in Chinese characters otherwise.
std::string_view KeyName(std::uint8_t code, int language);

// The event list's lines for event k: the pause after the previous event ("    30ms", only for
// k >= 1), then the event: "[↓]" or "[↑]" and the key name, or the name alone for other actions.
std::vector<std::string> EventLines(const MacroRecord& macro, std::size_t k, int language);

} // namespace zantor::macro
