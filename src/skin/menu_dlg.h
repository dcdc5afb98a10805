#pragma once

#include "skin/function_menu.h"
#include "skin/menu_window.h"

#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zantor::skin {

// What the drop-down menu shows, taken when it opens.
struct MenuContent {
    std::string skinsDir;
    QFont font; // the small font of the interface language
    FunctionNames functionNames;
    std::vector<std::string> userMacroNames;
};

// The second-level menu of one heading. It never takes the pointer or the keyboard: the
// first-level menu holds both and hands it the events over its rows.
class CSubMenuDlg final : public SkinMenuWindow {
public:
    CSubMenuDlg(const MenuContent& content, const SubMenu& menu, QWidget* firstLevel);

    const SubMenu& menu() const { return menu_; }
    // A release over the window: the code of the row under it, if any.
    std::optional<int> releaseAt(QPoint local);

private:
    SubMenu menu_;
};

// The first-level drop-down menu of a button slot: a popup that closes on a choice, on Esc and
// on a press outside it (and outside its second-level menu). A choice is handed to `choose`;
// the menu saves and sends nothing. It deletes itself once closed.
class CMenuDlg final : public SkinMenuWindow {
public:
    using Choose = std::function<void(int code)>;

    CMenuDlg(MenuContent content, Choose choose, QWidget* owner);

    // Shows the menu with its top-left corner at `anchor` (screen coordinates).
    void openAt(QPoint anchor);
    CSubMenuDlg* subMenu() const { return sub_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Opens, replaces or closes the second-level menu to match the hovered row.
    void syncSubMenu();
    void closeSubMenu();
    bool overSubMenu(QPoint global) const;
    void closeAndReplay(const QMouseEvent& event);

    MenuContent content_;
    Choose choose_;
    QPointer<CSubMenuDlg> sub_;
    bool pressSeen_ = false; // the release of the press that opened the menu is not a choice
};

} // namespace zantor::skin
