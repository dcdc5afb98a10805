#pragma once

#include "app/page_state.h"
#include "skin/skin_layout.h"

#include <cstddef>
#include <span>

namespace zantor {
class MouseConfig;
}

namespace zantor::app {

// Entries 0…18 of the main layout form the frame every page shares.
inline constexpr std::size_t kSharedFrameCount = 19;

// The first of the first `count` entries whose rectangle holds the point (right and bottom
// edges outside), or kNoHover. Earlier entries win where rectangles overlap.
int HitTest(int x, int y, std::span<const skin::SkinButton> table, std::size_t count);

// The hover indices for a pointer position: the whole main layout on the main page and only
// its shared frame elsewhere; the colour layout without its speed choices while the lighting
// mode has no speed (2 or 3); the advanced layout whole.
Hovers ComputeHovers(int x, int y, Page page, const skin::SkinLayout& layout,
                     const MouseConfig& config);

} // namespace zantor::app
