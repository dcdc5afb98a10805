#pragma once

#include "config/settings.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace zantor::cli {

// A loaded configuration with its macro copy, as JSON (keys are the member names) and as text.
nlohmann::ordered_json configToJson(const Settings& settings, int n);
void printConfig(std::ostream& out, const Settings& settings, int n);

// How the tool names a button function: its meaning, and a user macro's own name.
std::string functionLabel(const Settings& settings, std::int32_t code);

} // namespace zantor::cli
