#pragma once

#include "skin/skin_layout.h"

#include <QRegion>
#include <QSize>

#include <string>

namespace zantor::app {

// The size of a window without a usable mask image.
inline constexpr QSize kDefaultWindowSize{800, 600};

// The shape of the main window: its size (the mask image's) and its region, and the region
// that hover repaints of the advanced page cover (the window without the four rectangles of
// the macro editor's controls).
struct WindowShape {
    QSize size = kDefaultWindowSize;
    QRegion region;
    QRegion repaintRegion;
    bool masked = false; // false: the mask is missing and the window is a plain rectangle
};

// The shape from the mask image at `maskFile`; a missing or undecodable mask gives a plain
// rectangle of kDefaultWindowSize and a line on stderr naming the file.
WindowShape ShapeFromMask(const std::string& maskFile, const skin::SkinLayout& layout);

// `window` with editRect4, listRect2, listRect1 and editRect2 of the layout combined into it
// by exclusive or.
QRegion RepaintRegionOf(const QRegion& window, const skin::SkinLayout& layout);

} // namespace zantor::app
