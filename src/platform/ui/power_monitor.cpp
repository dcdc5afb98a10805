#include "platform/ui/power_monitor.h"

#include <QDBusConnection>

namespace zantor::ui {

PowerMonitor::PowerMonitor(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::systemBus();
    listening_ =
        bus.isConnected() && bus.connect("org.freedesktop.login1", "/org/freedesktop/login1",
                                         "org.freedesktop.login1.Manager", "PrepareForSleep", this,
                                         SLOT(onPrepareForSleep(bool)));
}

void PowerMonitor::onPrepareForSleep(bool suspending) {
    emit powerBroadcast(suspending);
}

} // namespace zantor::ui
