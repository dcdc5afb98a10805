#pragma once

#include "platform/result.h"

#include <functional>
#include <string>

namespace zantor {

struct Settings;

// A configuration written to or read from an exchange file: section Config7 with the setting
// keys and the macro-table copy. Other sections of the file stay as they are. Neither touches
// config.ini, currentConfig or the mouse.
Status exportConfig(Settings& settings, const std::string& file);
void importConfig(Settings& settings, const std::string& file);

// The steps of a factory reset that the window fills in.
struct FactoryResetHooks {
    std::function<void()> afterReload;  // refresh the macro editor, repaint
    std::function<void()> pushSettings; // the settings push to the mouse
};

// Rebuilds Config1…Config5 of configFile from the built-in defaults and the factory sections,
// keeping every section's macro keys; reloads the current configuration, writes its macro copy
// to the macro library, then pushes the settings.
void resetToFactory(Settings& settings, const std::string& configFile, const std::string& macroFile,
                    const FactoryResetHooks& hooks);

} // namespace zantor
