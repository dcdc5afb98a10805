#include "platform/ui/device_watcher.h"
#include "platform/ui/single_instance.h"
#include "platform/ui/tray_icon.h"

#include "device/clock.h"
#include "platform/hid/simulated_mouse.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zantor::ui {
namespace {

TEST(SingleInstance, ALaterStartAsksTheFirstToRestoreItsWindow) {
    const QString name =
        instanceName("zantor-test-" + QString::number(QCoreApplication::applicationPid()));
    auto first = SingleInstance::acquire(name);
    ASSERT_NE(first, nullptr);
    QSignalSpy restore(first.get(), &SingleInstance::restoreRequested);
    EXPECT_EQ(SingleInstance::acquire(name), nullptr);
    EXPECT_TRUE(restore.count() == 1 || restore.wait(2000));

    first.reset(); // the first instance ends: the next start is the first again
    EXPECT_NE(SingleInstance::acquire(name), nullptr);
}

TEST(DeviceWatcher, ReportsRemovalAndArrivalOfTheMouse) {
    device::SteadyClock clock;
    hid::SimulatedMouse mouse(clock);
    device::DeviceLink link(mouse);
    DeviceWatcher watcher(mouse, link);
    ASSERT_TRUE(link.Scan());
    QSignalSpy removed(&watcher, &DeviceWatcher::mouseRemoved);
    QSignalSpy arrived(&watcher, &DeviceWatcher::mouseArrived);

    mouse.unplug();
    ASSERT_TRUE(removed.wait(2000));
    EXPECT_FALSE(link.connected());
    mouse.plug();
    ASSERT_TRUE(arrived.wait(2000));
    EXPECT_TRUE(link.connected());
    EXPECT_TRUE(link.writeOpen());
}

TEST(TrayIcon, AddingTwiceLeavesOneIcon) {
    TrayIcon tray(QIcon(), "ZANTOR");
    tray.add();
    tray.add();
    EXPECT_TRUE(tray.added());
    tray.remove();
    EXPECT_FALSE(tray.added());
}

} // namespace
} // namespace zantor::ui
