#include "device_test_support.h"
#include "platform/hid/hidraw_handle.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <future>

namespace zantor::hid {
namespace {

using namespace std::chrono_literals;
using test::bytesOf;
using test::hexBytes;

// A SOCK_SEQPACKET pair stands in for a hidraw node: one message per read, and a hang-up
// when the other end goes away, as when the device is unplugged.
class HidrawHandleTest : public ::testing::Test {
protected:
    void SetUp() override {
        int fds[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
        node_ = UniqueFd(fds[0]);
        device_ = UniqueFd(fds[1]);
    }
    std::unique_ptr<HidHandle> adopt(HidrawCollection collection, OpenMode mode) {
        auto handle = HidrawHandle::adopt(std::move(node_), collection, mode);
        EXPECT_TRUE(handle);
        return handle ? std::move(*handle) : nullptr;
    }
    void send(const char* hex) {
        const auto bytes = bytesOf(hex);
        ASSERT_EQ(::write(device_.get(), bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    static std::string read(HidHandle& handle, std::size_t size = 8) {
        std::vector<std::uint8_t> buffer(size);
        auto n = handle.readInputReport(buffer);
        return n ? hexBytes(buffer) : "error " + std::to_string(n.error().code);
    }

    HidrawCollection events{
        "/dev/hidraw7", HidAttributes{0x18F8, 0x1086}, HidCaps{0xFF00, 1, 8, 0, 0}, {6}, true};
    UniqueFd node_, device_;
};

TEST_F(HidrawHandleTest, KeepsOnlyReportsOfItsCollectionAndSizesThem) {
    auto handle = adopt(events, OpenMode::Read);
    send("07 10 01 01 00 00 00 00"); // another collection of the same node
    send("06 F1 00 00 00 00 00 00");
    send("06 F2");                         // short: padded
    send("06 F3 80 01 02 03 04 05 06 07"); // long: cut
    EXPECT_EQ(read(*handle), "06 F1 00 00 00 00 00 00");
    EXPECT_EQ(read(*handle), "06 F2 00 00 00 00 00 00");
    EXPECT_EQ(read(*handle), "06 F3 80 01 02 03 04 05");
}

TEST_F(HidrawHandleTest, UnnumberedReportsGetALeadingZero) {
    events.numbered = false;
    events.inputReportIds = {0};
    auto handle = adopt(events, OpenMode::Read);
    send("01 02 03");
    EXPECT_EQ(read(*handle, 5), "00 01 02 03 00");
}

TEST_F(HidrawHandleTest, QueuedReportsComeBeforeTheDeviceIsGone) {
    auto handle = adopt(events, OpenMode::Read);
    send("06 F1 80 00 00 00 00 00");
    device_.reset();
    EXPECT_EQ(read(*handle), "06 F1 80 00 00 00 00 00");
    EXPECT_EQ(read(*handle), "error " + std::to_string(EIO));
    EXPECT_EQ(read(*handle), "error " + std::to_string(EIO));
}

TEST_F(HidrawHandleTest, InterruptWakesABlockedReadForGood) {
    auto handle = adopt(events, OpenMode::Read);
    auto reader = std::async(std::launch::async, [&] { return read(*handle); });
    EXPECT_EQ(reader.wait_for(20ms), std::future_status::timeout); // blocked: nothing to read
    handle->interrupt();
    ASSERT_EQ(reader.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(reader.get(), "error " + std::to_string(ECANCELED));
    send("06 F1 00 00 00 00 00 00");
    EXPECT_EQ(read(*handle), "error " + std::to_string(ECANCELED));
}

TEST_F(HidrawHandleTest, OperationsOutsideTheOpenModeFail) {
    auto reader = adopt(events, OpenMode::Read);
    const std::uint8_t report[] = {0x07, 0x20, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(reader->sendFeatureReport(report).error().code, EBADF);
    EXPECT_EQ(reader->attributes()->productId, 0x1086);
    EXPECT_EQ(reader->capabilities()->inputReportByteLength, 8);

    SetUp();
    auto writer = adopt(events, OpenMode::Write);
    EXPECT_EQ(read(*writer), "error " + std::to_string(EBADF));
    // Not a hidraw node: the kernel refuses the feature ioctl, and the error says so.
    auto sent = writer->sendFeatureReport(report);
    ASSERT_FALSE(sent);
    EXPECT_EQ(sent.error().code, ENOTTY);
    EXPECT_NE(sent.error().message.find("/dev/hidraw7"), std::string::npos);
}

TEST(HidrawHandleOpen, SaysWhatIsMissing) {
    HidrawCollection missing{"/nonexistent/hidraw9", std::nullopt, {}, {}, false};
    auto handle = HidrawHandle::open(missing, OpenMode::Read);
    ASSERT_FALSE(handle);
    EXPECT_EQ(handle.error().code, ENOENT);
    EXPECT_EQ(handle.error().message,
              "cannot open /nonexistent/hidraw9: No such file or directory");
}

} // namespace
} // namespace zantor::hid
