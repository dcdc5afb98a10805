#pragma once

#include "config/settings.h"
#include "skin/skin_layout.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace zantor::cli {

// A loaded configuration with its macro copy, as JSON (keys are the member names) and as text.
nlohmann::ordered_json configToJson(const Settings& settings, int n);
// Button functions are named from the skin's function names of the language when given.
void printConfig(std::ostream& out, const Settings& settings, int n,
                 const skin::FunctionNames* names);

// How the tool names a button function: the name the window shows (a user macro's own name for
// its codes), and what the function is.
std::string functionLabel(const Settings& settings, const skin::FunctionNames* names,
                          std::int32_t code);

} // namespace zantor::cli
