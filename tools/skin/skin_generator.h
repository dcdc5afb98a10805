#pragma once

#include "skin_description.h"

#include <QImage>

#include <string>
#include <string_view>
#include <vector>

namespace zantor::skingen {

// JPEG quality of every image: high enough that hot-spot edges stay crisp and the copied
// rectangles show no seams.
inline constexpr int kJpegQuality = 95;

struct SkinImage {
    std::string_view name; // file name in the skins folder
    QImage image;          // before JPEG compression
};

// The 26 images of the skin.
std::vector<SkinImage> renderSkinImages(const Description& d);

// Checks the description, then writes the eight layout files and the 26 images into the skins
// folder `skinsDir` (created when missing; other files in it are left alone). Returns the
// problems found; nothing is written when the description has any.
std::vector<std::string> writeSkin(const Description& d, const std::string& skinsDir);

} // namespace zantor::skingen
