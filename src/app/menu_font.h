#pragma once

#include <QFont>

class QMenu;

namespace zantor::app {

// Gives a popup menu and its submenus `font`, made smaller (down to 9 pixels) where an item's
// text would not fit the width the menu gives it: 8 pixels per character, less the text's
// indent and, on an item that opens a submenu, its arrow.
void fitMenuFont(QMenu& menu, const QFont& font);

} // namespace zantor::app
