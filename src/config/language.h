#pragma once

#include <cstdint>
#include <string>

namespace zantor {

struct AppPaths;
struct Settings;

inline constexpr std::int32_t kKorean = 0;
inline constexpr std::int32_t kEnglish = 1;

// Switches the interface language: records it in config.ini and replaces the user macro table
// by the new language's library (unsaved macro edits are dropped). The window then reloads its
// layouts and menus.
void setLanguage(Settings& settings, const AppPaths& paths, std::int32_t language);

} // namespace zantor
