#pragma once

#include <QImage>

#include <string>
#include <string_view>

namespace zantor::skin {

// Decodes an image file as RGB32 (a grey JPG decodes as 8-bit grey); null when it cannot.
QImage decodeRgbImage(const std::string& path);

// The same for a skin image of a skinned window; a file that is missing or cannot be decoded is
// named on stderr, and the window draws a plain fill in its place.
QImage loadSkinImage(const std::string& skinsDir, std::string_view name);

} // namespace zantor::skin
