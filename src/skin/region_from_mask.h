#pragma once

#include <QImage>
#include <QRegion>

namespace zantor::skin {

// A mask pixel whose red, green and blue are all above 100 lies outside the window; a value of
// exactly 100 in any component keeps it inside.
constexpr bool isOutsideMaskPixel(int red, int green, int blue) {
    return red > 100 && green > 100 && blue > 100;
}

// The window shape of a decoded mask image, in its pixel coordinates (0, 0, width, height).
// Built from the runs of inside pixels of each row, with equal consecutive rows merged into one
// band, in a single QRegion::setRects: an 800x600 mask takes well under a millisecond. A null
// image gives an empty region.
QRegion RegionFromMask(const QImage& mask);

} // namespace zantor::skin
