#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zantor::skin {

// A window rectangle: right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    bool contains(std::int32_t px, std::int32_t py) const {
        return px >= left && px < right && py >= top && py < bottom;
    }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// Rectangle arithmetic is done in 64 bits: layout files are user data and may hold any int32.
inline Rect rectOf(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    const auto clamp = [](std::int64_t v) {
        return static_cast<std::int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
    };
    return Rect{x, y, clamp(std::int64_t{x} + width), clamp(std::int64_t{y} + height)};
}

// One BUTTONPOS entry: a hot spot with the caption a painter writes on or beside it.
struct SkinButton {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    std::string caption;

    Rect rect() const { return rectOf(x, y, width, height); }
    bool operator==(const SkinButton&) const = default;
};

// One EDIT or MACRODISPLAY entry; `rect` is derived once the advanced layout is read.
struct SkinRect {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    Rect rect;
    bool operator==(const SkinRect&) const = default;
};

inline constexpr std::size_t kMainButtonCount = 150;
inline constexpr std::size_t kColorButtonCount = 33;
inline constexpr std::size_t kAdvanceButtonCount = 53;
inline constexpr std::size_t kWarningButtonCount = 3;
inline constexpr std::size_t kFunctionNameCount = 54;

// Element k - 1 is the display name of button function code k.
using FunctionNames = std::array<std::string, kFunctionNameCount>;

// Where every hot spot and caption of the skinned windows is, for the interface language.
struct SkinLayout {
    std::array<SkinButton, kMainButtonCount> mainButtons;
    std::array<SkinButton, kColorButtonCount> colorButtons;
    std::array<SkinButton, kAdvanceButtonCount> advanceButtons;
    // 0 OK, 1 Cancel, 2 the message.
    std::array<SkinButton, kWarningButtonCount> warningButtons;
    FunctionNames functionNames;
    SkinRect editRect2; // left out of the advanced page's repaints; no control sits on it
    SkinRect editRect3; // repeat-count field
    SkinRect editRect4; // new macro name field
    SkinRect listRect1; // macro list
    SkinRect listRect2; // macro event list
};

} // namespace zantor::skin
