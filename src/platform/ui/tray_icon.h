#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>

namespace zantor::ui {

// The notification-area icon. Its menu is ours, opened at the cursor on a right click (a menu
// handed to the tray host would be drawn by the panel, not in our look).
class TrayIcon final : public QObject {
    Q_OBJECT
public:
    TrayIcon(const QIcon& icon, const QString& tip, QObject* parent = nullptr);

    // Adding an icon that is there already changes nothing.
    void add();
    void remove();
    bool added() const { return tray_.isVisible(); }

signals:
    void doubleClicked();
    void menuRequested(QPoint globalPosition);

private:
    QSystemTrayIcon tray_;
};

} // namespace zantor::ui
