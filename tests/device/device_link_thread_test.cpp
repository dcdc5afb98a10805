#include "device/command_sender.h"
#include "device/device_link.h"
#include "device_test_support.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/hid/tracing_backend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <regex>
#include <sstream>
#include <thread>

namespace zantor::device {
namespace {

using namespace std::chrono_literals;
using hid::SimulatedMouse;
using test::hexBytes;

constexpr auto WAIT = 5s; // bounds every wait; reached only when something is broken

// A listener thread as the program runs it: blocking reads, a short pause after a failed one.
class Listener {
public:
    explicit Listener(DeviceLink& link) : link_(link), thread_([this] { run(); }) {}
    ~Listener() { stop(); }

    bool waitForReports(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, WAIT, [&] { return reports_.size() >= count; });
    }
    bool waitForFailures(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, WAIT, [&] { return failures_ >= count; });
    }
    std::vector<std::string> reports() {
        std::lock_guard lock(mutex_);
        return reports_;
    }
    // Wakes the reader through the link and joins it; false when it did not end.
    bool stop() {
        if (!thread_.joinable())
            return true;
        stopping_ = true;
        link_.shutdown();
        if (finished_.get_future().wait_for(WAIT) != std::future_status::ready) {
            ADD_FAILURE() << "the reader did not wake up";
            std::abort(); // joining would hang the test run
        }
        thread_.join();
        return true;
    }

private:
    void run() {
        while (!stopping_) {
            const bool read = link_.ReadEvent();
            {
                std::lock_guard lock(mutex_);
                if (read)
                    reports_.push_back(hexBytes(link_.eventBuffer()));
                else
                    ++failures_;
            }
            changed_.notify_all();
            if (!read)
                std::this_thread::sleep_for(1ms);
        }
        finished_.set_value();
    }

    DeviceLink& link_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> reports_;
    int failures_ = 0;
    std::promise<void> finished_;
    std::thread thread_;
};

class DeviceLinkThreadTest : public ::testing::Test {
protected:
    test::FakeClock clock;
    SimulatedMouse mouse{clock};
    DeviceLink link{mouse};
};

TEST_F(DeviceLinkThreadTest, ReaderSurvivesUnplugAndWakesAtStop) {
    ASSERT_TRUE(mouse.registerNotifications());
    ASSERT_TRUE(link.Scan());
    Listener listener(link);
    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT));
    mouse.pressButton(6); // DPI cycle: level 1 to 2
    ASSERT_TRUE(listener.waitForReports(1));

    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT));
    mouse.unplug();
    ASSERT_TRUE(listener.waitForFailures(1));
    EXPECT_EQ(link.processNotifications(),
              (std::vector{DeviceChangeOutcome::None, DeviceChangeOutcome::Removed}));
    EXPECT_FALSE(link.connected());

    mouse.plug();
    EXPECT_EQ(link.processNotifications(),
              (std::vector{DeviceChangeOutcome::Arrived, DeviceChangeOutcome::None}));
    EXPECT_TRUE(link.connected());
    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT)); // on the new connection
    mouse.pressButton(6);
    ASSERT_TRUE(listener.waitForReports(2));
    EXPECT_EQ(listener.reports(),
              (std::vector<std::string>{"06 F6 02 00 00 00 00 00", "06 F6 03 00 00 00 00 00"}));

    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT));
    EXPECT_TRUE(listener.stop());
    EXPECT_FALSE(link.ReadEvent()); // after shutdown reads fail at once
}

TEST_F(DeviceLinkThreadTest, RescanWakesAReaderOnTheOldHandleAndClosesIt) {
    ASSERT_TRUE(link.Scan());
    const int perConnection = mouse.openHandleCount();
    EXPECT_EQ(perConnection, 4); // two query handles, the event and the command handle
    Listener listener(link);
    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT));

    ASSERT_TRUE(link.Scan());
    ASSERT_TRUE(listener.waitForFailures(1)); // the read on the old handle was woken
    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT));
    EXPECT_EQ(mouse.openHandleCount(), perConnection);

    mouse.pressButton(6);
    ASSERT_TRUE(listener.waitForReports(1));
    EXPECT_EQ(listener.reports(), std::vector<std::string>{"06 F6 02 00 00 00 00 00"});
    listener.stop();
}

TEST_F(DeviceLinkThreadTest, StopWakesAReaderThatNeverGotAReport) {
    ASSERT_TRUE(link.Scan());
    Listener listener(link);
    ASSERT_TRUE(mouse.waitForBlockedReads(1, WAIT));
    EXPECT_TRUE(listener.stop());
    EXPECT_TRUE(listener.reports().empty());
}

// The window's thread and the executor send at once while the listener reads, all traced:
// every report arrives whole and every trace line is well formed.
TEST(DeviceLinkConcurrency, ReportsStayWholeWhenThreadsSendTogether) {
    test::FakeClock clock;
    auto owned = std::make_unique<SimulatedMouse>(clock);
    SimulatedMouse& mouse = *owned;
    std::ostringstream traceText;
    hid::TracingBackend tracing(std::move(owned), clock, clock.now(), traceText);
    DeviceLink link(tracing);
    CommandSender commands(link, clock);
    ASSERT_TRUE(link.Scan());
    Listener listener(link);

    constexpr int rounds = 300, injected = 50; // fewer than a reader queue holds
    std::thread window([&] {
        for (int i = 0; i < rounds; ++i) {
            commands.SendButton(3, 3);
            commands.SendDpi(1, 3, 7, 0x3F);
        }
    });
    std::thread executor([&] {
        for (int i = 0; i < rounds; ++i) {
            commands.KeyEvent(0x04, KEY_ACTION_PRESS);
            commands.KeyEvent(0x04, KEY_ACTION_RELEASE);
        }
    });
    for (int i = 0; i < injected; ++i)
        mouse.injectInputReport(test::bytesOf("06 F1 00 00 00 00 00 00"));
    window.join();
    executor.join();
    ASSERT_TRUE(listener.waitForReports(injected));
    listener.stop();

    int sent = 0;
    for (const auto& entry : mouse.trace()) {
        if (entry.direction != '>')
            continue;
        ++sent;
        const std::string bytes = hexBytes(entry.bytes);
        const std::string written = bytes.substr(0, 5) == "07 10"   ? bytes.substr(0, 11)
                                    : bytes.substr(0, 5) == "07 09" ? bytes.substr(0, 14)
                                                                    : bytes;
        EXPECT_TRUE(written == "07 10 03 03" || written == "07 09 41 9B 3F" ||
                    written == "07 15 04 00 00 00 00 00" || written == "07 15 00 00 00 00 00 00")
            << bytes;
    }
    EXPECT_EQ(sent, 4 * rounds);

    const std::regex line(R"(\d+\.\d{3} [<>]( [0-9A-F]{2}){8})");
    std::istringstream lines(traceText.str());
    int traced = 0;
    for (std::string text; std::getline(lines, text); ++traced)
        EXPECT_TRUE(std::regex_match(text, line)) << text;
    EXPECT_EQ(traced, 4 * rounds + injected);
}

} // namespace
} // namespace zantor::device
