#include "platform/ui/tray_icon.h"

#include <QCursor>

namespace zantor::ui {

TrayIcon::TrayIcon(const QIcon& icon, const QString& tip, QObject* parent)
    : QObject(parent), tray_(icon) {
    tray_.setToolTip(tip);
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick)
            emit doubleClicked();
        else if (r == QSystemTrayIcon::Context)
            emit menuRequested(QCursor::pos());
    });
}

void TrayIcon::add() {
    if (!tray_.isVisible())
        tray_.show();
}

void TrayIcon::remove() {
    tray_.hide();
}

} // namespace zantor::ui
