#pragma once

#include "skin/skin_layout.h"

#include <QRect>

#include <algorithm>
#include <cstdint>

namespace zantor::app {

// A layout rectangle (any int32 a file holds) as a QRect cut to `bounds`; empty when they do
// not meet.
inline QRect clippedRect(const skin::Rect& r, const QRect& bounds) {
    const auto clampTo = [](std::int64_t v, int low, int high) {
        return int(std::clamp<std::int64_t>(v, low, high));
    };
    const int left = clampTo(r.left, bounds.left(), bounds.right() + 1);
    const int top = clampTo(r.top, bounds.top(), bounds.bottom() + 1);
    const int right = clampTo(r.right, left, bounds.right() + 1);
    const int bottom = clampTo(r.bottom, top, bounds.bottom() + 1);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace zantor::app
