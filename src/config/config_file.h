#pragma once

#include "platform/profile/profile_store.h"
#include "platform/result.h"

#include <cstdint>
#include <string>

namespace zantor {

struct Settings;
class MouseConfig;

inline constexpr const char* kInitSection = "Init";
inline constexpr const char* kCurrentConfigKey = "CurConfig";
inline constexpr const char* kLanguageKey = "VER_SEL";
inline constexpr std::int32_t kTrayConfig = 6;     // written and loaded by send-to-tray
inline constexpr std::int32_t kExchangeConfig = 7; // the section of an exported file

std::string configSection(std::int32_t n);
// The factory section of configuration n: CfgReset_EN5 for 5 with the English interface.
std::string factorySection(std::int32_t n, std::int32_t language);

// Fills settings.config from section Config<n> (or the factory section of n) of file. A normal
// load also replaces the user macro table by the section's copy.
void loadConfig(Settings& settings, const std::string& file, std::int32_t n, bool factory);

// Writes every setting key into Config<n>, and the macro-table copy withMacros, in one rewrite.
Status saveConfig(Settings& settings, const std::string& file, std::int32_t n, bool withMacros);

// The setting keys of a configuration, in save order, added to a batch for any section.
void writeConfigSection(profile::ProfileStore::Batch& batch, const std::string& section,
                        const MouseConfig& config);

// Writes only DPI_LEVEL into Config<n>.
Status saveDpiLevel(Settings& settings, const std::string& file, std::int32_t n);

// Low 8 bits of Init/VER_SEL; 0 when missing.
std::int32_t readLanguage(profile::ProfileStore& profiles, const std::string& file);
// Init/CurConfig as stored (0 when missing).
std::int32_t readCurrentConfig(profile::ProfileStore& profiles, const std::string& file);

} // namespace zantor
