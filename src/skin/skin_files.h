#pragma once

#include "app/app_paths.h"

#include <array>
#include <string>
#include <string_view>

namespace zantor::skin {

// The four layout files of a language, in the folder AppPaths::layoutDir(language).
enum class LayoutFile { Main, Advance, Color, Warning };

struct LayoutFileName {
    LayoutFile file;
    std::string_view english; // language != 0
    std::string_view korean;  // language == 0
};

inline constexpr std::array<LayoutFileName, 4> kLayoutFileNames{{
    {LayoutFile::Main, "skin_main_en.ini", "skin_main.ini"},
    {LayoutFile::Advance, "skin_advance_en.ini", "skin_advance.ini"},
    {LayoutFile::Color, "skin_color_en.ini", "skin_color.ini"},
    {LayoutFile::Warning, "LBWarning_en.ini", "LBWarning.ini"},
}};

// The file name alone, and the full path under the skins folder.
std::string_view layoutFileName(LayoutFile file, int language);
std::string layoutFilePath(const AppPaths& paths, LayoutFile file, int language);

} // namespace zantor::skin
