// The event list's menu resources and the editor's command table name the same commands: a
// menu item whose id the editor does not know would do nothing.
#include "macro/editor_texts.h"
#include "skin/popup_menu_resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

namespace zantor::skin {
namespace {

void expectSameCommands(std::span<const MenuItemResource> menu, bool korean) {
    int commands = 0;
    for (const MenuItemResource& item : menu) {
        if (item.id == kSubmenu || item.id == 0)
            continue;
        ++commands;
        const auto known = std::find_if(
            macro::kEventCommands.begin(), macro::kEventCommands.end(),
            [&](const auto& c) { return (korean ? c.koreanId : c.englishId) == item.id; });
        EXPECT_NE(known, macro::kEventCommands.end()) << item.id;
    }
    EXPECT_EQ(commands, int(macro::kEventCommands.size()));
}

TEST(EventMenuCommands, BothLanguagesMenusNameEveryEditorCommand) {
    expectSameCommands(kContextMenuEnglish, false);
    expectSameCommands(kContextMenuKorean, true);
}

} // namespace
} // namespace zantor::skin
