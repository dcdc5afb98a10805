#pragma once

#include <array>
#include <string_view>

namespace zantor::skin {

// The popup menus of the program, as their resources define them: level 0 is the resource's
// container item, level 1 the items of the menu that is shown, 2 and 3 their submenus. Texts
// keep their trailing blanks: an item's width is counted from its characters.
struct MenuItemResource {
    int level;
    std::string_view text;
    int id; // command id; kSubmenu for an item that opens a submenu, 0 for a separator
};
inline constexpr int kSubmenu = -1;

inline constexpr int kShowWindowEnglish = 32801, kShowWindowKorean = 32837;
inline constexpr int kExitDriverEnglish = 32800, kExitDriverKorean = 32838;

inline constexpr std::array<MenuItemResource, 23> kContextMenuEnglish{{
    {0, "MENU_CN", kSubmenu},
    {1, "Add Forward", kSubmenu},
    {2, "Left Button", kSubmenu},
    {3, "Down ", 32802},
    {3, "Up", 32803},
    {2, "Right Button", kSubmenu},
    {3, "Down", 32804},
    {3, "Up", 32805},
    {2, "Mid Button", kSubmenu},
    {3, "Down", 32806},
    {3, "Up", 32807},
    {1, "Add Backward", kSubmenu},
    {2, "Left Button", kSubmenu},
    {3, "Down ", 32809},
    {3, "Up", 32810},
    {2, "Right Button", kSubmenu},
    {3, "Down", 32811},
    {3, "Up", 32812},
    {2, "Mid Button", kSubmenu},
    {3, "Down", 32813},
    {3, "Up", 32814},
    {1, "Modify Delay", 32780},
    {1, "Delete", 32781},
}};

inline constexpr std::array<MenuItemResource, 23> kContextMenuKorean{{
    {0, "MENU_KR", kSubmenu},
    {1, "이전 항목 삽입     ", kSubmenu},
    {2, "왼쪽 버튼     ", kSubmenu},
    {3, "아래  ", 32817},
    {3, "위  ", 32818},
    {2, "오른쪽 버튼       ", kSubmenu},
    {3, "아래  ", 32820},
    {3, "위  ", 32821},
    {2, "가운데 버튼       ", kSubmenu},
    {3, "아래  ", 32823},
    {3, "위  ", 32824},
    {1, "다음에 삽입     ", kSubmenu},
    {2, "왼쪽 버튼  ", kSubmenu},
    {3, "아래  ", 32829},
    {3, "위  ", 32830},
    {2, "오른쪽 버튼     ", kSubmenu},
    {3, "아래  ", 32831},
    {3, "위  ", 32832},
    {2, "가운데 버튼       ", kSubmenu},
    {3, "아래    ", 32833},
    {3, "위  ", 32834},
    {1, "지연 편집     ", 32835},
    {1, "삭제  ", 32836},
}};

inline constexpr std::array<MenuItemResource, 3> kTrayMenuEnglish{{
    {0, "Menu_Tray", kSubmenu},
    {1, "Show Window", kShowWindowEnglish},
    {1, "Exit Driver", kExitDriverEnglish},
}};

inline constexpr std::array<MenuItemResource, 3> kTrayMenuKorean{{
    {0, "Menu_Tray_KR", kSubmenu},
    {1, "창 표시   ", kShowWindowKorean},
    {1, "드라이버 종료   ", kExitDriverKorean},
}};

} // namespace zantor::skin
