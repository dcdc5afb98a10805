#pragma once

#include "app/app_paths.h"

#include <array>
#include <string>
#include <string_view>

namespace zantor::skin {

// The JPG images of the skin, shared by both languages, directly in the skins folder.
namespace image {
inline constexpr std::string_view kMainMask = "main_mask.jpg";
inline constexpr std::string_view kMainNormal = "main_normal.jpg";
inline constexpr std::string_view kMainOver = "main_over.jpg";
inline constexpr std::string_view kMainDown = "main_down.jpg";
inline constexpr std::string_view kAdvancedNormal = "advanced_normal.jpg";
inline constexpr std::string_view kAdvancedOver = "advanced_over.jpg";
inline constexpr std::string_view kAdvancedDown = "advanced_down.jpg";
// The colour page's three looks double as colour variants of its lighting preview.
inline constexpr std::string_view kColorNormalGray = "color_normal_gray.jpg";
inline constexpr std::string_view kColorOverYellow = "color_over_yellow.jpg";
inline constexpr std::string_view kColorDownBlue = "color_down_blue.jpg";
inline constexpr std::string_view kColorPink = "color_pink.jpg";
inline constexpr std::string_view kColorGreen = "color_green.jpg";
inline constexpr std::string_view kColorRed = "color_red.jpg";
inline constexpr std::string_view kColorCyan = "color_cyan.jpg";
inline constexpr std::string_view kColorWhite = "color_white.jpg";
// Menu masks are read for their size only: width, and height / rows = row height.
inline constexpr std::string_view kMenuMask = "menu_mask.jpg";
inline constexpr std::string_view kMenuNormal = "menu_normal.jpg";
inline constexpr std::string_view kMenuOver = "menu_over.jpg";
inline constexpr std::string_view kMenuDown = "menu_down.jpg";
inline constexpr std::string_view kSubMenuMask = "advanced menu_mask.jpg";
inline constexpr std::string_view kSubMenuNormal = "advanced menu_normal.jpg";
inline constexpr std::string_view kSubMenuOver = "advanced menu_over.jpg";
inline constexpr std::string_view kSubMenuDown = "advanced menu_down.jpg";
inline constexpr std::string_view kWarningMask = "warning_mask.jpg";
inline constexpr std::string_view kWarningNormal = "warning_normal.jpg";
inline constexpr std::string_view kWarningOver = "warning_over.jpg";
} // namespace image

inline constexpr std::array<std::string_view, 26> kSkinImages{
    image::kMainMask,        image::kMainNormal,    image::kMainOver,     image::kMainDown,
    image::kAdvancedNormal,  image::kAdvancedOver,  image::kAdvancedDown, image::kColorNormalGray,
    image::kColorOverYellow, image::kColorDownBlue, image::kColorPink,    image::kColorGreen,
    image::kColorRed,        image::kColorCyan,     image::kColorWhite,   image::kMenuMask,
    image::kMenuNormal,      image::kMenuOver,      image::kMenuDown,     image::kSubMenuMask,
    image::kSubMenuNormal,   image::kSubMenuOver,   image::kSubMenuDown,  image::kWarningMask,
    image::kWarningNormal,   image::kWarningOver,
};

// Pages of the main window: 0 main, 1 advanced, 2 colour.
struct PageImages {
    std::string_view normal, over, down;
};
inline constexpr std::array<PageImages, 3> kPageImages{{
    {image::kMainNormal, image::kMainOver, image::kMainDown},
    {image::kAdvancedNormal, image::kAdvancedOver, image::kAdvancedDown},
    {image::kColorNormalGray, image::kColorOverYellow, image::kColorDownBlue},
}};

// The lighting preview: the picture of each cycle colour 0...6, and the unlit one.
inline constexpr std::array<std::string_view, 7> kPreviewColourImages{
    image::kColorOverYellow, image::kColorDownBlue, image::kColorPink,  image::kColorGreen,
    image::kColorRed,        image::kColorCyan,     image::kColorWhite,
};
inline constexpr std::string_view kPreviewOffImage = image::kColorNormalGray;

// Rows of the first- and second-level drop-down menu images.
inline constexpr int kMenuRows = 10;
inline constexpr int kSubMenuRows = 12;

inline std::string skinImagePath(const AppPaths& paths, std::string_view name) {
    return paths.skinsDir() + "/" + std::string(name);
}

} // namespace zantor::skin
