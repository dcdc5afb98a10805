#pragma once

#include <array>
#include <cstdint>

namespace zantor::macro {

// X keysyms of the keys a recording captures, and the virtual-key codes the macro files use.
// Shifted symbols map to their key ("!" is the 1 key), keypad keys without Num Lock to the
// navigation keys they stand for, as the Windows keyboard driver reports them.
struct KeysymRange {
    std::uint32_t first, last;
    std::uint8_t firstVirtualKey;
};

inline constexpr std::array<KeysymRange, 30> kKeysymRanges{{
    {0x0030, 0x0039, 0x30}, // 0…9
    {0x0041, 0x005A, 0x41}, // A…Z
    {0x0061, 0x007A, 0x41}, // a…z
    {0xFFBE, 0xFFD5, 0x70}, // F1…F24
    {0xFFB0, 0xFFB9, 0x60}, // KP_0…KP_9
    {0x0020, 0x0020, 0x20}, // space
    {0xFF08, 0xFF09, 0x08}, // BackSpace, Tab
    {0xFE20, 0xFE20, 0x09}, // ISO_Left_Tab (Shift+Tab)
    {0xFF0B, 0xFF0B, 0x0C}, // Clear
    {0xFF0D, 0xFF0D, 0x0D}, // Return
    {0xFF8D, 0xFF8D, 0x0D}, // KP_Enter
    {0xFF13, 0xFF13, 0x13}, // Pause
    {0xFF14, 0xFF14, 0x91}, // Scroll_Lock
    {0xFF1B, 0xFF1B, 0x1B}, // Escape
    {0xFF50, 0xFF50, 0x24}, // Home
    {0xFF51, 0xFF54, 0x25}, // Left, Up, Right, Down
    {0xFF55, 0xFF56, 0x21}, // Prior, Next
    {0xFF57, 0xFF57, 0x23}, // End
    {0xFF95, 0xFF95, 0x24}, // KP_Home
    {0xFF96, 0xFF99, 0x25}, // KP_Left, KP_Up, KP_Right, KP_Down
    {0xFF9A, 0xFF9B, 0x21}, // KP_Prior, KP_Next
    {0xFF9C, 0xFF9C, 0x23}, // KP_End
    {0xFF9D, 0xFF9D, 0x0C}, // KP_Begin
    {0xFF9E, 0xFF9E, 0x2D}, // KP_Insert
    {0xFF9F, 0xFF9F, 0x2E}, // KP_Delete
    {0xFFAA, 0xFFAF, 0x6A}, // KP_Multiply, KP_Add, KP_Separator, KP_Subtract, KP_Decimal, KP_Divide
    {0xFFE1, 0xFFE1, 0xA0}, // Shift_L
    {0xFFE2, 0xFFE2, 0xA1}, // Shift_R
    {0xFFE3, 0xFFE3, 0xA2}, // Control_L
    {0xFFE4, 0xFFE4, 0xA3}, // Control_R
}};

struct KeysymKey {
    std::uint32_t keysym;
    std::uint8_t virtualKey;
};

inline constexpr std::array<KeysymKey, 48> kKeysymKeys{{
    {0xFFFF, 0x2E}, // Delete
    {0xFF60, 0x29}, // Select
    {0xFF61, 0x2C}, // Print
    {0xFF62, 0x2B}, // Execute
    {0xFF63, 0x2D}, // Insert
    {0xFF67, 0x5D}, // Menu
    {0xFF6A, 0x2F}, // Help
    {0xFF7F, 0x90}, // Num_Lock
    {0xFFE5, 0x14}, // Caps_Lock
    {0xFFE9, 0xA4}, // Alt_L
    {0xFFEA, 0xA5}, // Alt_R
    {0xFE03, 0xA5}, // ISO_Level3_Shift (AltGr)
    {0xFFE7, 0xA4}, // Meta_L (Alt with some layouts)
    {0xFFE8, 0xA5}, // Meta_R
    {0xFFEB, 0x5B}, // Super_L
    {0xFFEC, 0x5C}, // Super_R
    {'-', 0xBD},    {'_', 0xBD},  {'=', 0xBB}, {'+', 0xBB}, {'[', 0xDB}, {'{', 0xDB},  {']', 0xDD},
    {'}', 0xDD},    {'\\', 0xDC}, {'|', 0xDC}, {';', 0xBA}, {':', 0xBA}, {'\'', 0xDE}, {'"', 0xDE},
    {'`', 0xC0},    {'~', 0xC0},  {',', 0xBC}, {'<', 0xBC}, {'.', 0xBE}, {'>', 0xBE},  {'/', 0xBF},
    {'?', 0xBF},    {'!', 0x31},  {'@', 0x32}, {'#', 0x33}, {'$', 0x34}, {'%', 0x35},  {'^', 0x36},
    {'&', 0x37},    {'*', 0x38},  {'(', 0x39}, {')', 0x30},
}};

// The virtual-key code of an X keysym, 0 for a key a macro cannot hold.
constexpr std::uint8_t KeysymToVirtualKey(std::uint32_t keysym) {
    for (const KeysymRange& range : kKeysymRanges)
        if (keysym >= range.first && keysym <= range.last)
            return std::uint8_t(range.firstVirtualKey + (keysym - range.first));
    for (const KeysymKey& key : kKeysymKeys)
        if (key.keysym == keysym)
            return key.virtualKey;
    return 0;
}

} // namespace zantor::macro
