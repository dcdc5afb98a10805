// Which rows the drop-down menus have, what each row assigns, and when the warning shows.
#include "skin/function_menu.h"

#include <gtest/gtest.h>

#include <optional>

namespace zantor::skin {
namespace {

TEST(FunctionMenu, HeadingsOpenSecondLevelMenusLevelWithTheirRow) {
    struct Case {
        const char* name;
        int row, userMacros;
        std::optional<SubMenu> menu;
        int topOffsetRows;
    } const cases[] = {
        {"direct row", 3, 5, std::nullopt, 0},
        {"mouse functions", 7, 5, SubMenu{7, 6, 10}, 1},
        {"media keys", 8, 5, SubMenu{8, 10, 20}, -2},
        {"five user macros", 9, 5, SubMenu{9, 5, 40}, 4},
        {"no user macros", 9, 0, SubMenu{9, 0, 40}, 9},
        {"a count past twelve", 9, 40, SubMenu{9, 12, 40}, -3},
        {"negative count", 9, -1, SubMenu{9, 0, 40}, 9},
        {"built-in macros", 10, 5, SubMenu{10, 8, 30}, 2},
        {"past the last row", 11, 5, std::nullopt, 0},
        {"none", kNoRow, 5, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto menu = SubMenuOf(c.row, c.userMacros);
        EXPECT_EQ(menu, c.menu);
        if (menu) {
            EXPECT_EQ(menu->topOffsetRows(), c.topOffsetRows);
        }
    }
}

TEST(FunctionMenu, EachRowAssignsItsCode) {
    constexpr int kDirect = 0;
    struct Case {
        const char* name;
        int row, subRow, userMacros;
        std::optional<int> code;
    } const cases[] = {
        {"row 1", 1, kDirect, 0, 1},
        {"row 3", 3, kDirect, 0, 3},
        {"row 6", 6, kDirect, 0, 6},
        {"a heading chooses nothing", 7, kDirect, 0, std::nullopt},
        {"none", kNoRow, kDirect, 0, std::nullopt},
        {"mouse function 1", 7, 1, 0, 11},
        {"mouse function 6", 7, 6, 0, 16},
        {"past the mouse functions", 7, 7, 0, std::nullopt},
        {"media key 2", 8, 2, 0, 22},
        {"media key 10", 8, 10, 0, 30},
        {"built-in macro 8", 10, 8, 0, 38},
        {"user macro 5 of 5", 9, 5, 5, 45},
        {"user macro 6 of 5", 9, 6, 5, std::nullopt},
        {"no user macros", 9, 1, 0, std::nullopt},
        {"sub row none", 8, kNoRow, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto sub = SubMenuOf(c.row, c.userMacros);
        const auto code = c.subRow == kDirect ? DirectChoice(c.row)
                          : sub               ? SubMenuChoice(*sub, c.subRow)
                                              : std::nullopt;
        EXPECT_EQ(code, c.code);
    }
}

TEST(FunctionMenu, RowsAreFoundByPosition) {
    constexpr int W = 160, h = 24, rows = 10;
    struct Case {
        const char* name;
        int x, y, row;
    } const cases[] = {
        {"top left", 0, 0, 1},
        {"bottom right of row 1", W - 1, h - 1, 1},
        {"top of row 2", 0, h, 2},
        {"last row", 5, rows * h - 1, rows},
        {"extra pixel line", 5, rows * h, kNoRow},
        {"right of the rows", W, 5, kNoRow},
        {"left of the rows", -1, 5, kNoRow},
        {"above", 5, -1, kNoRow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MenuRowAt(c.x, c.y, W, h, rows), c.row);
    }
    EXPECT_EQ(MenuRowAt(0, 0, W, 0, rows), kNoRow) << "no row height (image missing)";
    EXPECT_EQ(MenuRowAt(0, 0, W, h, 0), kNoRow) << "an empty second-level menu";
}

TEST(FunctionMenu, RowTextsAreFunctionNamesOrMacroNames) {
    FunctionNames names;
    for (std::size_t k = 0; k < names.size(); ++k)
        names[k] = "F" + std::to_string(k + 1);
    const std::vector<std::string> macros{"Alpha", "Beta"};

    const auto first = FirstLevelTexts(names);
    ASSERT_EQ(first.size(), 10u);
    EXPECT_EQ(first.front(), "F1");
    EXPECT_EQ(first.back(), "F10");
    EXPECT_EQ(SubMenuTexts(*SubMenuOf(8, 2), names, macros),
              (std::vector<std::string>{"F21", "F22", "F23", "F24", "F25", "F26", "F27", "F28",
                                        "F29", "F30"}));
    EXPECT_EQ(SubMenuTexts(*SubMenuOf(10, 2), names, macros).back(), "F38");
    EXPECT_EQ(SubMenuTexts(*SubMenuOf(9, 2), names, macros), macros);
}

TEST(FunctionMenu, UserMacroNamesAreThoseThereAreUpToTwelve) {
    macro::MacroTables tables;
    tables.userMacroCount = 40; // from a damaged file
    EXPECT_EQ(UserMacroNames(tables).size(), macro::MAX_USER_MACROS);
    tables.userMacroCount = 0;
    EXPECT_TRUE(UserMacroNames(tables).empty());
}

TEST(FunctionMenu, TheWarningShowsOnlyForTheLastPrimaryClick) {
    struct Case {
        const char* name;
        std::array<int, kButtonCount> functions;
        int button;
        bool warns;
    } const cases[] = {
        {"the only primary click", {1, 2, 3, 5, 4, 6}, 0, true},
        {"another button", {1, 2, 3, 5, 4, 6}, 2, false},
        {"primary click on two buttons", {1, 2, 1, 5, 4, 6}, 0, false},
        {"the only one, on the last button", {2, 3, 4, 5, 6, 1}, 5, true},
        {"no button has it (from a file)", {2, 3, 4, 5, 6, 11}, 1, false},
        {"no such button", {1, 2, 3, 5, 4, 6}, 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MouseConfig config;
        for (int b = 0; b < kButtonCount; ++b)
            config.buttonFunction[b] = c.functions[std::size_t(b)];
        EXPECT_EQ(NeedsFunctionWarning(config, c.button), c.warns);
    }
}

TEST(FunctionMenu, WarningButtonsAreFoundByPositionOkFirst) {
    const std::array<SkinButton, kWarningButtonCount> layout{
        SkinButton{120, 100, 100, 32, "OK"}, SkinButton{200, 100, 100, 32, "Cancel"},
        SkinButton{0, 0, 400, 60, "Message"}};
    EXPECT_EQ(WarningButtonAt(120, 100, layout), kWarningOk);
    EXPECT_EQ(WarningButtonAt(210, 110, layout), kWarningOk) << "OK wins where they overlap";
    EXPECT_EQ(WarningButtonAt(299, 131, layout), kWarningCancel);
    EXPECT_EQ(WarningButtonAt(300, 110, layout), kNoRow);
    EXPECT_EQ(WarningButtonAt(50, 30, layout), kNoRow) << "the message is no button";
}

} // namespace
} // namespace zantor::skin
