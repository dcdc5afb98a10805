#include "app/menu_font.h"

#include "skin/kov_menu.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

namespace zantor::app {
namespace {

constexpr int kTextIndent = 10, kArrowWidth = 14, kSmallestPixelSize = 9;

void collectMenus(QMenu& menu, std::vector<QMenu*>& menus) {
    menus.push_back(&menu);
    for (QAction* action : menu.actions())
        if (QMenu* submenu = action->menu())
            collectMenus(*submenu, menus);
}

bool fits(const std::vector<QMenu*>& menus, const QFont& font) {
    const QFontMetrics metrics(font);
    for (const QMenu* menu : menus)
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const int width = skin::CKovMenu::MeasureItem({action->text(), 1}).width() -
                              kTextIndent - (action->menu() ? kArrowWidth : 0);
            if (metrics.horizontalAdvance(action->text().trimmed()) > width)
                return false;
        }
    return true;
}

} // namespace

void fitMenuFont(QMenu& menu, const QFont& font) {
    std::vector<QMenu*> menus;
    collectMenus(menu, menus);
    QFont fitted = font;
    while (fitted.pixelSize() > kSmallestPixelSize && !fits(menus, fitted))
        fitted.setPixelSize(fitted.pixelSize() - 1);
    for (QMenu* m : menus)
        m->setFont(fitted);
}

} // namespace zantor::app
