#pragma once

#include "app/app_paths.h"
#include "config/settings.h"
#include "device/clock.h"
#include "device/device_context.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/message/user_messages.h"
#include "platform/profile/profile_store.h"
#include "platform/system/desktop_settings.h"
#include "support/temp_home.h"

#include "device_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace zantor::test {

// Remembers what was set; a query can be made to fail.
class RecordingDesktop final : public DesktopSettings {
public:
    std::optional<int> pointerSpeed() override {
        return speedQueryFails ? std::nullopt : std::optional(speed);
    }
    Status setPointerSpeed(int s) override {
        speed = s;
        ++sets;
        return Ok{};
    }
    std::optional<int> wheelLines() override {
        return linesQueryFails ? std::nullopt : std::optional(lines);
    }
    Status setWheelLines(int l) override {
        lines = l;
        ++sets;
        return Ok{};
    }
    int speed = 10, lines = 3, sets = 0;
    bool speedQueryFails = false, linesQueryFails = false;
};

// A fresh home with a factory configuration 1, the simulated mouse found and opened.
class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(paths.configFile(), "[Init]\nCurConfig=1\nVER_SEL=1\n");
        settings.config.loadFactoryDefaults();
        ASSERT_TRUE(device.link.Scan());
        ASSERT_TRUE(device.link.writeOpen());
    }

    // The reports sent to the mouse since the last takeSent(), as hex.
    std::vector<std::string> peekSent() const { return sentSince(seen_); }
    std::size_t sentCount() const { return peekSent().size(); }
    std::vector<std::string> takeSent() {
        const auto trace = mouse.trace();
        auto out = sentSince(seen_);
        seen_ = trace.size();
        return out;
    }

    // Waits (bounded) until a condition holds.
    template <class Condition>
    static bool eventually(Condition condition,
                           std::chrono::milliseconds limit = std::chrono::seconds(5)) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    TempDir dir;
    AppPaths paths{dir.path()};
    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings{profiles, messages};
    device::SteadyClock clock;
    device::DeviceContext device{std::make_unique<hid::SimulatedMouse>(clock), clock};
    hid::SimulatedMouse& mouse = static_cast<hid::SimulatedMouse&>(*device.backend);
    RecordingDesktop desktop;

private:
    std::vector<std::string> sentSince(std::size_t first) const {
        std::vector<std::string> out;
        const auto trace = mouse.trace();
        for (std::size_t i = first; i < trace.size(); ++i)
            if (trace[i].direction == '>')
                out.push_back(hexBytes(trace[i].bytes));
        return out;
    }
    std::size_t seen_ = 0;
};

} // namespace zantor::test
