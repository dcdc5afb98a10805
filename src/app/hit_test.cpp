#include "app/hit_test.h"

#include "config/mouse_config.h"

#include <algorithm>

namespace zantor::app {
namespace {

// Colour layout entries 0…10 (colours, modes) and 11…16 (speeds).
constexpr std::size_t kColourEntriesWithoutSpeed = 11;
constexpr std::size_t kColourEntriesWithSpeed = 17;

} // namespace

int HitTest(int x, int y, std::span<const skin::SkinButton> table, std::size_t count) {
    count = std::min(count, table.size());
    for (std::size_t i = 0; i < count; ++i)
        if (table[i].rect().contains(x, y))
            return int(i);
    return kNoHover;
}

Hovers ComputeHovers(int x, int y, Page page, const skin::SkinLayout& layout,
                     const MouseConfig& config) {
    return Hovers{
        .main = HitTest(x, y, layout.mainButtons,
                        page == Page::Main ? skin::kMainButtonCount : kSharedFrameCount),
        .advanced = HitTest(x, y, layout.advanceButtons, skin::kAdvanceButtonCount),
        .colour =
            HitTest(x, y, layout.colorButtons,
                    config.ledType > 1 ? kColourEntriesWithoutSpeed : kColourEntriesWithSpeed),
    };
}

} // namespace zantor::app
