#pragma once

#include "skin/skin_image.h"

#include <QImage>

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace zantor::app {

// The decoded skin images of the main window. Decoding is kept between paints; clear() makes
// the next paint read the files again (the language switch does, so a changed image shows by
// then at the latest).
class SkinImageCache {
public:
    explicit SkinImageCache(std::string skinsDir) : skinsDir_(std::move(skinsDir)) {}

    // The image in RGB32, or a null image when its file is missing or cannot be decoded;
    // which file is said once per run on stderr.
    const QImage& image(std::string_view name);
    void clear() { images_.clear(); }

private:
    std::string skinsDir_;
    std::map<std::string, QImage, std::less<>> images_;
    std::set<std::string, std::less<>> reported_;
};

using skin::decodeRgbImage;

} // namespace zantor::app
