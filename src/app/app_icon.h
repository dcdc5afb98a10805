#pragma once

#include <QIcon>
#include <QImage>

namespace zantor::app {

// The program's icon, drawn at `size` pixels square: two cyan strokes on a dark tile, the
// mark of the window's title.
QImage drawAppIcon(int size);
// The icon in the sizes a window, a taskbar and a tray ask for.
QIcon appIcon();

} // namespace zantor::app
