#include "app/window_shape.h"

#include "app/qt_rect.h"
#include "app/skin_image_cache.h"
#include "skin/region_from_mask.h"

#include <array>
#include <cstdio>

namespace zantor::app {

QRegion RepaintRegionOf(const QRegion& window, const skin::SkinLayout& layout) {
    QRegion region = window;
    const QRect bounds = window.boundingRect();
    const std::array<const skin::SkinRect*, 4> controls{&layout.editRect4, &layout.listRect2,
                                                        &layout.listRect1, &layout.editRect2};
    for (const skin::SkinRect* control : controls)
        if (!control->rect.empty())
            region = region.xored(QRegion(clippedRect(control->rect, bounds)));
    return region;
}

WindowShape ShapeFromMask(const std::string& maskFile, const skin::SkinLayout& layout) {
    WindowShape shape;
    const QImage mask = decodeRgbImage(maskFile);
    if (mask.isNull()) {
        std::fprintf(stderr,
                     "zantor: window mask %s is missing or cannot be decoded; the window stays "
                     "rectangular\n",
                     maskFile.c_str());
        shape.region = QRegion(QRect(QPoint(0, 0), shape.size));
    } else {
        shape.size = mask.size();
        shape.region = skin::RegionFromMask(mask);
        shape.masked = true;
    }
    shape.repaintRegion = RepaintRegionOf(shape.region, layout);
    return shape;
}

} // namespace zantor::app
