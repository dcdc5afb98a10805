#pragma once

#include "macro/macro_record.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <span>

namespace zantor::cli {

// A macro with its name, mode, repeat count, events (HID usage code, action, delay) and the
// event-list lines as the editor shows them.
nlohmann::ordered_json macroToJson(const macro::MacroRecord& macro, int language);
nlohmann::ordered_json macrosToJson(std::span<const macro::MacroRecord> macros, int language);
void printMacros(std::ostream& out, std::span<const macro::MacroRecord> macros, int language);

std::string modeName(const macro::MacroRecord& macro);

} // namespace zantor::cli
