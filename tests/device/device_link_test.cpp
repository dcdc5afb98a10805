#include "device/device_link.h"
#include "fake_hid_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace zantor::device {
namespace {

using hid::DeviceEvent;
using hid::OpenMode;
using test::FakeHidBackend;

void addOthers(FakeHidBackend& system, int count) {
    for (int i = 0; i < count; ++i)
        system.entries.push_back(FakeHidBackend::Entry{
            FakeHidBackend::otherInterface("other" + std::to_string(system.entries.size()))});
}

void addMouse(FakeHidBackend& system, const std::string& path, std::uint16_t page) {
    system.entries.push_back(FakeHidBackend::Entry{FakeHidBackend::mouseInterface(path, page)});
}

bool wasOpened(const FakeHidBackend& system, const std::string& path) {
    return std::any_of(system.opened.begin(), system.opened.end(),
                       [&](const auto& o) { return o.first == path; });
}

class DeviceLinkTest : public ::testing::Test {
protected:
    void others(int count) { addOthers(backend, count); }
    void mouse(const std::string& path, std::uint16_t page) { addMouse(backend, path, page); }
    FakeHidBackend::Entry& last() { return *backend.entries.back(); }
    bool wasOpened(const std::string& path) const { return device::wasOpened(backend, path); }

    FakeHidBackend backend;
    DeviceLink link{backend};
};

TEST(DeviceLinkScan, LooksAtTheFirstHundredInterfacesOnly) {
    struct Case {
        const char* name;
        std::function<void(FakeHidBackend&)> build;
        bool found;
    } cases[] = {
        {"the mouse at index 99 is found",
         [](FakeHidBackend& s) {
             addOthers(s, 99);
             addMouse(s, "mouse-w", 0xFF01);
         },
         true},
        {"the mouse beyond index 99 is never examined",
         [](FakeHidBackend& s) {
             addOthers(s, 100);
             addMouse(s, "mouse-r", 0xFF00);
             addMouse(s, "mouse-w", 0xFF01);
         },
         false},
        {"missing interfaces below 100 do not end the scan",
         [](FakeHidBackend& s) {
             s.entries.resize(50);
             addOthers(s, 40);
             addMouse(s, "mouse-r", 0xFF00);
             addMouse(s, "mouse-w", 0xFF01);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHidBackend system;
        c.build(system);
        DeviceLink link(system);
        EXPECT_EQ(link.Scan(), c.found);
        EXPECT_EQ(link.connected(), c.found);
        const auto queried =
            std::count_if(system.opened.begin(), system.opened.end(),
                          [](const auto& o) { return o.second == OpenMode::Query; });
        EXPECT_LE(queried, SCAN_LIMIT);
        EXPECT_EQ(wasOpened(system, "mouse-w"), c.found);
        if (!c.found) {
            EXPECT_FALSE(wasOpened(system, "mouse-r"));
        }
    }
}

TEST_F(DeviceLinkTest, AcceptsEitherProductOfTheVendor) {
    struct Case {
        std::uint16_t vendor, product;
        bool found;
    } cases[] = {{0x18F8, 0x1086, true},
                 {0x18F8, 0x0FC0, true},
                 {0x18F8, 0x1087, false},
                 {0x18F9, 0x1086, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.vendor) + ":" + std::to_string(c.product));
        FakeHidBackend system;
        auto interface = FakeHidBackend::mouseInterface("m", 0xFF01);
        interface.attributes = hid::HidAttributes{c.vendor, c.product};
        system.entries.push_back(FakeHidBackend::Entry{interface});
        DeviceLink scanner(system);
        EXPECT_EQ(scanner.Scan(), c.found);
        EXPECT_EQ(scanner.writeOpen(), c.found);
        EXPECT_EQ(system.registrations, c.found ? 1 : 0);
    }
}

TEST_F(DeviceLinkTest, WithoutTheCommandCollectionTheMouseIsConnectedButSendsDoNothing) {
    others(3);
    mouse("mouse-r", 0xFF00);
    others(3);
    EXPECT_TRUE(link.Scan());
    EXPECT_TRUE(link.connected());
    EXPECT_TRUE(link.readOpen());
    EXPECT_FALSE(link.writeOpen());
    EXPECT_EQ(link.devicePath(), "mouse-r");

    const CommandReport report{0x07, 0x10, 0x01, 0x01};
    link.SendCommand(report);
    EXPECT_TRUE(backend.sent.empty());
}

TEST_F(DeviceLinkTest, StopsOnceBothHandlesAreOpen) {
    others(3);
    mouse("mouse-r", 0xFF00);
    mouse("mouse-w", 0xFF01);
    mouse("mouse-pointer", 0x0001); // the same mouse's pointer collection comes later
    others(3);
    EXPECT_TRUE(link.Scan());
    EXPECT_EQ(link.devicePath(), "mouse-w");
    EXPECT_FALSE(wasOpened("mouse-pointer"));
    EXPECT_FALSE(wasOpened("other5"));
    EXPECT_EQ(backend.registrations, 2); // once per matching interface
}

TEST_F(DeviceLinkTest, GoesOnToTheEndWhenACollectionCannotBeOpened) {
    others(2);
    mouse("mouse-r", 0xFF00);
    mouse("mouse-w", 0xFF01);
    last().writeError = EACCES;
    others(50);
    mouse("mouse-pointer", 0x0001);
    others(10);
    EXPECT_TRUE(link.Scan());
    EXPECT_TRUE(link.readOpen());
    EXPECT_FALSE(link.writeOpen());
    EXPECT_TRUE(wasOpened("other60"));
    EXPECT_EQ(link.devicePath(), "mouse-pointer"); // the last match of the scan
    EXPECT_EQ(backend.registrations, 3);
    const auto failures = link.openFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].path, "mouse-w");
    EXPECT_EQ(failures[0].mode, OpenMode::Write);
    EXPECT_EQ(failures[0].error.code, EACCES);
}

TEST_F(DeviceLinkTest, SkipsInterfacesWhoseQueryOrAttributesFail) {
    mouse("broken-query", 0xFF00);
    last().queryError = ENOENT;
    mouse("broken-attributes", 0xFF01);
    last().noAttributes = true;
    EXPECT_FALSE(link.Scan());
    EXPECT_EQ(backend.registrations, 0);

    mouse("mouse-r", 0xFF00);
    mouse("mouse-w", 0xFF01);
    EXPECT_TRUE(link.Scan());
    EXPECT_EQ(link.devicePath(), "mouse-w");
    EXPECT_EQ(backend.openCount("broken-attributes", OpenMode::Query), 0);
}

TEST_F(DeviceLinkTest, KeepsQueryHandlesOfMatchesAndClosesThePreviousConnection) {
    others(2);
    mouse("mouse-r", 0xFF00);
    mouse("mouse-w", 0xFF01);
    ASSERT_TRUE(link.Scan());
    EXPECT_EQ(backend.openCount("other0", OpenMode::Query), 0);
    EXPECT_EQ(backend.openCount("mouse-r", OpenMode::Query), 1);
    EXPECT_EQ(backend.openCount("mouse-w", OpenMode::Query), 1);
    EXPECT_EQ(backend.openCount("mouse-r", OpenMode::Read), 1);
    EXPECT_EQ(backend.openCount("mouse-w", OpenMode::Write), 1);
    EXPECT_EQ(backend.openCount(), 4);

    for (int again = 0; again < 3; ++again)
        ASSERT_TRUE(link.Scan());
    EXPECT_EQ(backend.openCount(), 4);

    backend.entries.clear();
    EXPECT_FALSE(link.Scan());
    EXPECT_EQ(backend.openCount(), 0);
    EXPECT_FALSE(link.ReadEvent());
}

TEST_F(DeviceLinkTest, SendsTheFeatureLengthOfTheCommandCollection) {
    struct Case {
        std::uint16_t featureLength;
        const char* sent;
    } cases[] = {
        {8, "07 10 05 05 AA AA AA AA"}, {10, "07 10 05 05 AA AA AA AA 00 00"}, {4, "07 10 05 05"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.featureLength);
        FakeHidBackend system;
        auto interface = FakeHidBackend::mouseInterface("mouse-w", 0xFF01);
        interface.caps.featureReportByteLength = c.featureLength;
        system.entries.push_back(FakeHidBackend::Entry{interface});
        DeviceLink scanner(system);
        ASSERT_TRUE(scanner.Scan());
        const CommandReport report{0x07, 0x10, 0x05, 0x05, 0xAA, 0xAA, 0xAA, 0xAA};
        scanner.SendCommand(report);
        ASSERT_EQ(system.sent.size(), 1u);
        EXPECT_EQ(system.sent[0].second, c.sent);
    }
}

TEST_F(DeviceLinkTest, NothingOpenBeforeTheFirstScan) {
    const CommandReport report{0x07, 0x20};
    link.SendCommand(report);
    EXPECT_FALSE(link.ReadEvent());
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(backend.enumerations, 0);
}

TEST_F(DeviceLinkTest, DeviceChanges) {
    mouse("Mouse-R", 0xFF00);
    mouse("Mouse-W", 0xFF01);
    struct Step {
        const char* name;
        DeviceEvent event;
        hid::DeviceBroadcast data;
        DeviceChangeOutcome outcome;
        bool connected;
        int enumerations; // scans so far
    } steps[] = {
        {"arrival scans", DeviceEvent::Arrival, {true, "x"}, DeviceChangeOutcome::Arrived, true, 1},
        {"a second arrival does nothing",
         DeviceEvent::Arrival,
         {true, "y"},
         DeviceChangeOutcome::None,
         true,
         1},
        {"tree change while connected",
         DeviceEvent::TreeChanged,
         {},
         DeviceChangeOutcome::None,
         true,
         1},
        {"removal of another device",
         DeviceEvent::RemoveComplete,
         {true, "Mouse-R"},
         DeviceChangeOutcome::None,
         true,
         1},
        {"removal that is no interface",
         DeviceEvent::RemoveComplete,
         {false, "Mouse-W"},
         DeviceChangeOutcome::None,
         true,
         1},
        {"removal named in other case",
         DeviceEvent::RemoveComplete,
         {true, "mOUSE-w"},
         DeviceChangeOutcome::Removed,
         false,
         1},
        {"other events do nothing",
         DeviceEvent::Other,
         {true, "Mouse-W"},
         DeviceChangeOutcome::None,
         false,
         1},
        {"tree change while disconnected scans",
         DeviceEvent::TreeChanged,
         {},
         DeviceChangeOutcome::Arrived,
         true,
         2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(link.OnDeviceChange(s.event, s.data), s.outcome);
        EXPECT_EQ(link.connected(), s.connected);
        EXPECT_EQ(backend.enumerations, s.enumerations);
    }

    // Removal leaves the handles; the next scan finds nothing and gives no outcome.
    EXPECT_EQ(link.OnDeviceChange(DeviceEvent::RemoveComplete, {true, "MOUSE-W"}),
              DeviceChangeOutcome::Removed);
    EXPECT_TRUE(link.writeOpen());
    backend.entries.clear();
    backend.pending = {{DeviceEvent::Arrival, {true, "Mouse-W"}},
                       {DeviceEvent::Arrival, {true, "Mouse-R"}}};
    EXPECT_EQ(link.processNotifications(),
              (std::vector{DeviceChangeOutcome::None, DeviceChangeOutcome::None}));
    EXPECT_FALSE(link.connected());
    EXPECT_FALSE(link.writeOpen());
}

} // namespace
} // namespace zantor::device
