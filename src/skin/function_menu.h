#pragma once

#include "config/mouse_config.h"
#include "macro/macro_tables.h"
#include "skin/skin_layout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zantor::skin {

// Rows and hot spots use 255 for "none".
inline constexpr int kNoRow = 255;

// Main-page hot spots 20...25 are the slots of buttons 0...5.
inline constexpr int kFirstButtonSlot = 20;
inline constexpr int kLastButtonSlot = 25;
constexpr bool isButtonSlot(int slot) {
    return slot >= kFirstButtonSlot && slot <= kLastButtonSlot;
}

// The first-level menu: rows 1...6 choose codes 1...6, rows 7...10 are headings.
inline constexpr int kFirstLevelRows = 10;
inline constexpr int kDirectRows = 6;

// A heading of the first-level menu and its second-level menu: row b there gives codeBase + b.
struct Heading {
    int row;
    int count; // rows of the second-level menu; kUserMacroRows: one per user macro
    int codeBase;
};
inline constexpr int kUserMacroRows = -1;
inline constexpr std::array<Heading, 4> kHeadings{{
    {7, 6, 10},              // mouse functions 11...16
    {8, 10, 20},             // media keys 21...30
    {9, kUserMacroRows, 40}, // user macros 41...52
    {10, 8, 30},             // built-in macros 31...38
}};

// The second-level menu opened by a heading, for the current number of user macros.
struct SubMenu {
    int heading = 0;
    int count = 0;
    int codeBase = 0;
    // Where it starts, in first-level rows below the first-level menu's top: its last row is
    // level with the heading.
    int topOffsetRows() const { return heading - count; }
    bool operator==(const SubMenu&) const = default;
};

// The process-wide record of one button-function choice.
struct FunctionMenuState {
    int slot = kFirstButtonSlot;  // main-page hot spot whose function is chosen
    int anchorX = 0, anchorY = 0; // its bottom-left corner on the screen
    int button() const { return slot - kFirstButtonSlot; }
};

// The row (1...rows) under a point of a menu window whose rows are `rowHeight` high and
// `width` wide, or kNoRow.
int MenuRowAt(int px, int py, int width, int rowHeight, int rows);

// The code a first-level row assigns at once (rows 1...6), or nothing.
std::optional<int> DirectChoice(int row);

// The second-level menu of first-level `row`, or nothing for a row that is no heading.
// `userMacroCount` is taken as 0...12.
std::optional<SubMenu> SubMenuOf(int row, int userMacroCount);

// The code second-level row `subRow` assigns, or nothing outside 1...count.
std::optional<int> SubMenuChoice(const SubMenu& menu, int subRow);

// The texts of the first-level rows (function names 1...10), and of a second-level menu's rows
// (the names of their codes; user macros show their own names).
std::vector<std::string> FirstLevelTexts(const FunctionNames& names);
std::vector<std::string> SubMenuTexts(const SubMenu& menu, const FunctionNames& names,
                                      const std::vector<std::string>& userMacroNames);

// The names of the user macros there are (at most twelve).
std::vector<std::string> UserMacroNames(const macro::MacroTables& macros);

// Whether choosing a function for `button` must be confirmed first: it is the only button
// with the primary click (code 1).
bool NeedsFunctionWarning(const MouseConfig& config, int button);

// Buttons of the warning window.
inline constexpr int kWarningOk = 1;
inline constexpr int kWarningCancel = 2;

// The warning button under a point: kWarningOk, kWarningCancel (OK wins where they overlap), or
// kNoRow.
int WarningButtonAt(int px, int py, const std::array<SkinButton, kWarningButtonCount>& buttons);

} // namespace zantor::skin
