#include "skin/function_menu.h"

#include "skin/function_names.h"

#include <algorithm>

namespace zantor::skin {

int MenuRowAt(int px, int py, int width, int rowHeight, int rows) {
    if (rowHeight <= 0 || px < 0 || px >= width || py < 0)
        return kNoRow;
    const int row = py / rowHeight + 1;
    return row <= rows ? row : kNoRow;
}

std::optional<int> DirectChoice(int row) {
    if (row >= 1 && row <= kDirectRows)
        return row;
    return std::nullopt;
}

std::optional<SubMenu> SubMenuOf(int row, int userMacroCount) {
    const auto found = std::find_if(kHeadings.begin(), kHeadings.end(),
                                    [row](const Heading& h) { return h.row == row; });
    if (found == kHeadings.end())
        return std::nullopt;
    const int macros = std::clamp(userMacroCount, 0, int(macro::MAX_USER_MACROS));
    return SubMenu{found->row, found->count == kUserMacroRows ? macros : found->count,
                   found->codeBase};
}

std::optional<int> SubMenuChoice(const SubMenu& menu, int subRow) {
    if (subRow >= 1 && subRow <= menu.count)
        return menu.codeBase + subRow;
    return std::nullopt;
}

std::vector<std::string> FirstLevelTexts(const FunctionNames& names) {
    return std::vector<std::string>(names.begin(), names.begin() + kFirstLevelRows);
}

std::vector<std::string> SubMenuTexts(const SubMenu& menu, const FunctionNames& names,
                                      const std::vector<std::string>& userMacroNames) {
    std::vector<std::string> texts;
    for (int b = 1; b <= menu.count; ++b)
        texts.push_back(FunctionDisplayName(menu.codeBase + b, names, userMacroNames));
    return texts;
}

std::vector<std::string> UserMacroNames(const macro::MacroTables& macros) {
    std::vector<std::string> names;
    const std::size_t count = std::min<std::size_t>(macros.userMacroCount, macro::MAX_USER_MACROS);
    for (std::size_t i = 0; i < count; ++i)
        names.push_back(macros.userMacros[i].nameUtf8());
    return names;
}

bool NeedsFunctionWarning(const MouseConfig& config, int button) {
    if (button < 0 || button >= kButtonCount || config.buttonFunction[button] != 1)
        return false;
    for (int b = 0; b < kButtonCount; ++b)
        if (b != button && config.buttonFunction[b] == 1)
            return false;
    return true;
}

int WarningButtonAt(int px, int py, const std::array<SkinButton, kWarningButtonCount>& buttons) {
    if (buttons[0].rect().contains(px, py))
        return kWarningOk;
    if (buttons[1].rect().contains(px, py))
        return kWarningCancel;
    return kNoRow;
}

} // namespace zantor::skin
