#include "skin/skin_image.h"

#include <QImageReader>

#include <cstdio>

namespace zantor::skin {

QImage decodeRgbImage(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

QImage loadSkinImage(const std::string& skinsDir, std::string_view name) {
    const std::string path = skinsDir + "/" + std::string(name);
    QImage image = decodeRgbImage(path);
    if (image.isNull())
        std::fprintf(stderr, "zantor: skin image %s is missing or cannot be decoded\n",
                     path.c_str());
    return image;
}

} // namespace zantor::skin
