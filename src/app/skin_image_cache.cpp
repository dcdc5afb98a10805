#include "app/skin_image_cache.h"

#include <cstdio>

namespace zantor::app {

const QImage& SkinImageCache::image(std::string_view name) {
    if (const auto found = images_.find(name); found != images_.end())
        return found->second;
    const std::string path = skinsDir_ + "/" + std::string(name);
    QImage image = decodeRgbImage(path);
    if (image.isNull() && reported_.insert(std::string(name)).second)
        std::fprintf(stderr, "zantor: skin image %s is missing or cannot be decoded\n",
                     path.c_str());
    return images_.emplace(std::string(name), std::move(image)).first->second;
}

} // namespace zantor::app
