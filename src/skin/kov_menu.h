#pragma once

#include "skin/popup_menu_resources.h"

#include <QMenu>
#include <QProxyStyle>

#include <memory>
#include <span>
#include <vector>

class QPainter;

namespace zantor::skin {

// One item of a loaded menu: what the drawing needs, carried by the item's action.
struct MenuEntry {
    QString text;
    int id = 0; // command id, kSubmenu, or 0 for a separator
};

// A popup menu whose every item is drawn by us: teal rows with white text, a blue-to-cyan
// gradient on the highlighted row, 8 pixels of width per character and 20-pixel rows.
class CKovMenu {
public:
    static constexpr int kMaxEntries = 30;

    CKovMenu();
    ~CKovMenu();

    // Builds the menu from a resource, replacing what it held. Items past kMaxEntries are
    // left out.
    void load(std::span<const MenuItemResource> resource);
    // The menu that is shown: the container's first submenu (null before a load).
    QMenu* popup() const { return popup_; }
    int entryCount() const { return int(entries_.size()); }
    const MenuEntry& entry(int i) const { return entries_[std::size_t(i)]; }

    static QSize MeasureItem(const MenuEntry& entry);
    static void DrawItem(QPainter& painter, const QRect& rect, const MenuEntry& entry,
                         bool selected);

private:
    std::vector<MenuEntry> entries_;
    std::vector<std::unique_ptr<QMenu>> menus_;
    QMenu* popup_ = nullptr;
    std::unique_ptr<QProxyStyle> style_;
};

// The context menu of the macro event list and the tray menu, in the interface language.
void LoadPopupMenus(CKovMenu& contextMenu, CKovMenu& trayMenu, int language);

} // namespace zantor::skin
