#pragma once

#include "platform/result.h"
#include "platform/system/program_launcher.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <thread>

namespace zantor {
struct AppPaths;
struct Settings;
} // namespace zantor

namespace zantor::device {

struct DeviceContext;

// Carries out the button functions the mouse leaves to the host: media keys, built-in and user
// macros, the program launchers, and following the DPI level the mouse reports. An event
// listener thread reads the mouse's event reports and hands presses over; an action executor
// thread carries one action out at a time. A press that arrives while an action runs stops it
// after its current pass and is itself dropped, unless the action is a while-held user macro,
// which only its own button's release stops.
class HostButtons {
public:
    struct Hooks {
        std::function<void()> repaint;              // from the executor thread
        std::function<Status(LaunchTarget)> launch; // defaults to starting the real program
    };

    HostButtons(Settings& settings, const AppPaths& paths, DeviceContext& device, Hooks hooks);
    ~HostButtons();
    HostButtons(const HostButtons&) = delete;
    HostButtons& operator=(const HostButtons&) = delete;

    void start();
    // Ends both threads: a macro being played stops at its next pause and releases what it
    // holds. Wakes a read blocked on the mouse for good (the link reads no more events).
    void stop();

    // True while a handed-over action is being carried out.
    bool busy() const { return actionPending_.load(std::memory_order_acquire); }
    // How many presses have been handed over so far.
    std::uint32_t actionsStarted() const { return actionNumber_.load(std::memory_order_acquire); }

    // One event report, as the listener thread takes it (public for the listener's tests).
    void onEventReport(std::span<const std::uint8_t> report);

private:
    void listen();
    void execute();
    void carryOut(std::uint8_t button, std::uint8_t level, std::uint32_t number);
    void playMacro(bool isUserMacro, std::size_t index, std::uint32_t number);
    void requestStop() { stopRequested_.store(actionNumber_.load()); }
    bool stopRequestedFor(std::uint32_t number) const { return stopRequested_.load() == number; }
    // Waits until the deadline on the steady clock; false when the service is stopping.
    bool waitUntil(std::chrono::steady_clock::time_point deadline);

    Settings& settings_;
    const AppPaths& paths_;
    DeviceContext& device_;
    Hooks hooks_;

    // Hand-over: the listener writes the pending fields and the action number, then sets
    // actionPending (release); the executor reads them after seeing it (acquire).
    std::atomic<bool> actionPending_{false};
    std::atomic<std::uint8_t> pendingButton_{0};
    std::atomic<std::uint8_t> pendingLevel_{0};
    std::atomic<std::uint32_t> actionNumber_{0};
    // The action a stop request is for: a request made as an action ends never reaches the next.
    std::atomic<std::uint32_t> stopRequested_{0};
    // The listener's own view of the action it handed over.
    int runningDeviceButton_ = 0;
    bool runningStopsOnRelease_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread listener_, executor_;
};

} // namespace zantor::device
