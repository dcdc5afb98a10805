// The hidraw backend through the real libudev over umockdev's fake device tree: listing,
// descriptors read from sysfs, opening nodes and hotplug events. Runs under umockdev-wrapper.
#include "cli/device_commands.h"
#include "device/device_link.h"
#include "platform/hid/hidraw_backend.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <umockdev.h>

#include <cerrno>
#include <sstream>

#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
// umockdev's test bed hands its work to a GLib worker thread. GLib is not built with the
// sanitizer, so its own locking is invisible to it and it reports races inside GLib.
extern "C" const char* __tsan_default_suppressions() {
    return "race:libglib-2.0.so\nrace:libumockdev.so\n";
}
#endif
#endif

namespace zantor::hid {
namespace {

using device::DeviceChangeOutcome;

constexpr const char* MOUSE_DESCRIPTOR = "0600FF0901A10185061500 26FF00750895070902 8102C0"
                                         "0601FF0901A10185071500 26FF00750895070902 B102C0";
constexpr const char* KEYBOARD_DESCRIPTOR =
    "05010906A101050719E029E71500250175019508810295017508810195057501"
    "05081901290591029501750391019506750815002565050719002965 8100C0";

std::string withoutSpaces(std::string hex) {
    std::erase(hex, ' ');
    return hex;
}

class HidrawUmockdevTest : public ::testing::Test {
protected:
    void SetUp() override {
        testbed_ = umockdev_testbed_new();
        if (!umockdev_in_mock_environment())
            GTEST_SKIP() << "needs umockdev's preload: run under umockdev-wrapper (ctest does)";
    }
    void TearDown() override { g_object_unref(testbed_); }

    // Adds a USB HID interface with its hidraw node; returns the node's syspath.
    std::string addNode(int number, const std::string& hidName, const std::string& hidId,
                        const char* descriptor) {
        const std::string usb = "/devices/pci0000:00/usb1/1-" + std::to_string(number);
        const std::string hid = usb + "/1-" + std::to_string(number) + ":1.0/" + hidName;
        const std::string node = "hidraw" + std::to_string(number);
        std::string record = "P: " + hid + "/hidraw/" + node + "\nN: " + node +
                             "\nE: DEVNAME=/dev/" + node +
                             "\nE: SUBSYSTEM=hidraw\nA: dev=244:" + std::to_string(number) +
                             "\n\nP: " + hid + "\nE: HID_ID=" + hidId + "\nE: SUBSYSTEM=hid\n";
        if (descriptor)
            record += "H: report_descriptor=" + withoutSpaces(descriptor) + "\n";
        record += "\nP: " + usb + "/1-" + std::to_string(number) +
                  ":1.0\nE: DEVTYPE=usb_interface\nE: SUBSYSTEM=usb\n\nP: " + usb +
                  "\nE: DEVTYPE=usb_device\nE: SUBSYSTEM=usb\n";
        GError* error = nullptr;
        EXPECT_TRUE(umockdev_testbed_add_from_string(testbed_, record.c_str(), &error))
            << (error ? error->message : "");
        return "/sys" + hid + "/hidraw/" + node;
    }
    std::string addMouse(int number, int attach, const char* product = "00001086") {
        char name[32];
        std::snprintf(name, sizeof name, "0003:18F8:%.4s.%04d", product + 4, attach);
        return addNode(number, name, std::string("0003:000018F8:") + product, MOUSE_DESCRIPTOR);
    }
    void uevent(const std::string& syspath, const char* action) {
        umockdev_testbed_uevent(testbed_, syspath.c_str(), action);
    }
    static bool waitReadable(int fd) {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 5000) == 1;
    }

    UMockdevTestbed* testbed_ = nullptr;
};

TEST_F(HidrawUmockdevTest, ListsEveryCollectionOfEveryNode) {
    const std::string mouse = addMouse(0, 1);
    const std::string keyboard =
        addNode(1, "0003:046D:C31C.0002", "0003:0000046D:0000C31C", KEYBOARD_DESCRIPTOR);
    HidrawBackend backend;
    const auto interfaces = backend.enumerate();
    ASSERT_EQ(interfaces.size(), 3u);

    EXPECT_EQ(interfaces[0]->path, mouse + "#0");
    EXPECT_EQ(interfaces[0]->node, "/dev/hidraw0");
    EXPECT_EQ(interfaces[0]->attributes, (HidAttributes{0x18F8, 0x1086}));
    EXPECT_EQ(interfaces[0]->caps, (HidCaps{0xFF00, 0x0001, 8, 0, 0}));
    EXPECT_EQ(interfaces[1]->path, mouse + "#1");
    EXPECT_EQ(interfaces[1]->caps, (HidCaps{0xFF01, 0x0001, 0, 0, 8}));
    EXPECT_EQ(interfaces[2]->path, keyboard + "#0");
    EXPECT_EQ(interfaces[2]->node, "/dev/hidraw1");
    EXPECT_EQ(interfaces[2]->attributes, (HidAttributes{0x046D, 0xC31C}));
    EXPECT_EQ(interfaces[2]->caps, (HidCaps{0x0001, 0x0006, 9, 2, 0}));
}

TEST_F(HidrawUmockdevTest, NodesThatCannotBeDescribedAreStillListed) {
    addNode(0, "0003:18F8:1086.0001", "0003:000018F8:00001086", nullptr);
    addNode(1, "0003:18F8:1086.0002", "0003:000018F8:00001086", "A101");
    addNode(2, "0003:1234:5678.0003", "garbage", MOUSE_DESCRIPTOR);
    HidrawBackend backend;
    const auto interfaces = backend.enumerate();
    ASSERT_EQ(interfaces.size(), 4u);
    EXPECT_EQ(interfaces[0]->caps, HidCaps{});
    EXPECT_NE(interfaces[0]->note.find("report_descriptor: No such file or directory"),
              std::string::npos)
        << interfaces[0]->note;
    EXPECT_EQ(interfaces[1]->note,
              "bad report descriptor at byte 2: collection not closed at the end of the "
              "descriptor");
    EXPECT_FALSE(interfaces[2]->attributes);
    EXPECT_EQ(interfaces[2]->caps.usagePage, 0xFF00);

    device::DeviceLink link(backend);
    EXPECT_TRUE(link.Scan()); // the mouse is seen, though it offers no usable collection
    EXPECT_FALSE(link.readOpen());
    EXPECT_FALSE(link.writeOpen());
}

class HidrawUmockdevProductTest : public HidrawUmockdevTest,
                                  public ::testing::WithParamInterface<const char*> {};

TEST_P(HidrawUmockdevProductTest, ScanOpensBothCollections) {
    addNode(0, "0003:046D:C31C.0001", "0003:0000046D:0000C31C", KEYBOARD_DESCRIPTOR);
    const std::string mouse = addMouse(1, 2, GetParam());
    HidrawBackend backend;
    device::DeviceLink link(backend);
    ASSERT_TRUE(link.Scan());
    EXPECT_TRUE(link.readOpen());
    EXPECT_TRUE(link.writeOpen());
    EXPECT_EQ(link.devicePath(), mouse + "#1");
    EXPECT_EQ(link.readCaps().inputReportByteLength, 8);
    EXPECT_EQ(link.writeCaps().featureReportByteLength, 8);
    EXPECT_TRUE(link.openFailures().empty());
}

INSTANTIATE_TEST_SUITE_P(EitherProduct, HidrawUmockdevProductTest,
                         ::testing::Values("00001086", "00000FC0"));

TEST_F(HidrawUmockdevTest, FollowsRemovalAndArrival) {
    const std::string keyboard =
        addNode(0, "0003:046D:C31C.0001", "0003:0000046D:0000C31C", KEYBOARD_DESCRIPTOR);
    const std::string first = addMouse(1, 2);
    HidrawBackend backend;
    device::DeviceLink link(backend);
    ASSERT_TRUE(link.Scan());
    ASSERT_GE(backend.notificationFd(), 0);

    uevent(keyboard, "remove");
    ASSERT_TRUE(waitReadable(backend.notificationFd()));
    EXPECT_EQ(link.processNotifications(), std::vector{DeviceChangeOutcome::None});
    EXPECT_TRUE(link.connected());

    uevent(first, "remove");
    umockdev_testbed_remove_device(testbed_, first.c_str());
    auto gone = backend.open(first + "#1", OpenMode::Write); // before the event is taken
    ASSERT_FALSE(gone);
    EXPECT_EQ(gone.error().message, "cannot open /dev/hidraw1: the device is gone");
    ASSERT_TRUE(waitReadable(backend.notificationFd()));
    EXPECT_EQ(link.processNotifications(),
              (std::vector{DeviceChangeOutcome::None, DeviceChangeOutcome::Removed}));
    EXPECT_FALSE(link.connected());

    // Plugged in again, with a new attach number; adding it to the tree sends "add".
    const std::string second = addMouse(2, 3);
    ASSERT_TRUE(waitReadable(backend.notificationFd()));
    EXPECT_EQ(link.processNotifications(),
              (std::vector{DeviceChangeOutcome::Arrived, DeviceChangeOutcome::None}));
    EXPECT_TRUE(link.connected());
    EXPECT_TRUE(link.writeOpen());
    EXPECT_EQ(link.devicePath(), second + "#1");
}

TEST_F(HidrawUmockdevTest, ChangesBeforeTheFirstMatchAreNotDelivered) {
    const std::string mouse = addMouse(0, 1);
    HidrawBackend backend;
    uevent(mouse, "remove");
    ASSERT_TRUE(waitReadable(backend.notificationFd()));
    EXPECT_TRUE(backend.takeNotifications().empty());
}

TEST_F(HidrawUmockdevTest, DevicesCommandListsTheMouse) {
    const std::string mouse = addMouse(0, 1);
    addNode(1, "0003:046D:C31C.0002", "0003:0000046D:0000C31C", KEYBOARD_DESCRIPTOR);
    std::ostringstream out, err;
    EXPECT_EQ(cli::devicesCommand({}, {}, out, err), 0);
    EXPECT_EQ(out.str(), mouse +
                             "#0  /dev/hidraw0  18F8:1086  usage FF00:0001  input 8  "
                             "output 0  feature 0  can open\n" +
                             mouse +
                             "#1  /dev/hidraw0  18F8:1086  usage FF01:0001  input 0  "
                             "output 0  feature 8  can open\n");
    EXPECT_EQ(err.str(), "");

    std::ostringstream all;
    EXPECT_EQ(cli::devicesCommand({}, {"--all"}, all, err), 0);
    EXPECT_NE(all.str().find("/dev/hidraw1  046D:C31C  usage 0001:0006  input 9  output 2"),
              std::string::npos)
        << all.str();
}

TEST_F(HidrawUmockdevTest, NoMouseMeansStatusTwo) {
    addNode(0, "0003:046D:C31C.0001", "0003:0000046D:0000C31C", KEYBOARD_DESCRIPTOR);
    std::ostringstream out, err;
    EXPECT_EQ(cli::devicesCommand({}, {}, out, err), cli::kExitNoMouse);
    EXPECT_EQ(err.str(), "no ZANTOR mouse found\n");

    HidrawBackend backend;
    device::DeviceLink link(backend);
    std::ostringstream required;
    EXPECT_EQ(cli::requireMouse(link, required), cli::kExitNoMouse);
    EXPECT_EQ(required.str(), "no ZANTOR mouse found\n");
}

} // namespace
} // namespace zantor::hid
