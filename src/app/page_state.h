#pragma once

#include <cstdint>

namespace zantor::app {

// The pages of the main window.
enum class Page : std::uint8_t { Main = 0, Advanced = 1, Colour = 2 };

inline constexpr int kNoHover = 255;

// The hot spot under the pointer in each of the three layouts, kNoHover where there is none.
struct Hovers {
    int main = kNoHover;
    int advanced = kNoHover;
    int colour = kNoHover;

    bool any() const { return main != kNoHover || advanced != kNoHover || colour != kNoHover; }
    bool operator==(const Hovers&) const = default;
};

// What the colour page's lighting preview shows: the unlit picture, or cycle colour `colour`.
struct PreviewLook {
    int colour = 0; // 0…6
    bool off = false;
    bool operator==(const PreviewLook&) const = default;
};

// The window state that painting and click handling decide on.
struct PageState {
    Page page = Page::Main;
    Hovers hovers;
    bool buttonPressed = false; // from a press over any hot spot until the next release
    bool recording = false;     // a macro recording runs
    PreviewLook preview;
};

} // namespace zantor::app
