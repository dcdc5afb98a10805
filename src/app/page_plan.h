#pragma once

#include "app/page_state.h"
#include "skin/skin_layout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zantor {
class MouseConfig;
namespace macro {
struct MacroTables;
}
} // namespace zantor

namespace zantor::app {

// One step of composing a page, in painting order.
struct PaintOp {
    enum class Kind : std::uint8_t {
        Copy,     // the rectangle of `image` to the same place
        Fill,     // the rectangle in `colour` (0x00BBGGRR)
        Text,     // `text` centred in the rectangle
        TextLeft, // `text` left-aligned 5 pixels in, vertically centred
    };
    Kind kind = Kind::Copy;
    skin::Rect rect;
    std::string_view image; // a skin image file name
    std::uint32_t colour = 0;
    std::string text;

    bool operator==(const PaintOp&) const = default;
};

// A page composed from its normal image (`background`) and the steps over it. Text is white,
// in the small font of `language`, and not clipped to its rectangle.
struct PagePlan {
    std::string_view background;
    int language = 1;
    std::vector<PaintOp> ops;
};

// What one paint depends on.
struct PaintInput {
    const PageState& state;
    const MouseConfig& config;
    const skin::SkinLayout& layout;
    const macro::MacroTables& macros;
    int currentConfig = 1;
    int language = 1;
};

// The whole picture of the page `input.state.page`: its hot spots in their hover, pressed and
// selected looks, the values of the configuration, the shared frame and every caption.
PagePlan PlanPage(const PaintInput& input);

// The resolution shown for a DPI setting; a setting outside 0…11 shows the nearest one.
int DpiDisplayNumber(int dpiStep);

} // namespace zantor::app
