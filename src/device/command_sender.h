#pragma once

#include "device/clock.h"
#include "device/command_set.h"

#include <cstdint>
#include <mutex>
#include <span>

namespace zantor::device {

// Where assembled command reports go (DeviceLink::SendCommand).
class CommandSink {
public:
    virtual ~CommandSink() = default;
    virtual void SendCommand(std::span<const std::uint8_t> report) = 0;
};

// Owns the command buffer and the host-side key state. Each command is written into the
// buffer and sent under one lock, so reports of the window's thread and of the executor never
// mix. Sending does not report whether the mouse took the report.
class CommandSender {
public:
    CommandSender(CommandSink& sink, Clock& clock) : sink_(sink), clock_(clock) {}

    void SendButton(int deviceButton, int deviceFunction);
    void SendWheel(int wheelStatus);
    void SendLight(int cycleColourMask, int ledType, int ledCycleTime);
    void SendDpi(int currentLevel, int levelIndex, int dpiSetting, int enabledLevelBits);
    void SendDpiColour(int levelIndex, int red, int green, int blue);
    void SendFire(int fireTime);
    void SendMediaKey(int mediaIndex);
    void SendHostExit();

    // Key code: a keyboard usage below 0xF0, or 0xF0/0xF1/0xF2 for the left/right/middle
    // mouse button; action 1 press, 2 release.
    void KeyEvent(std::uint8_t code, int action);
    // 10 ms after the call the mouse buttons are released, 10 ms later the keys.
    void ReleaseAll();

    KeyReportState keyState() const;

private:
    template <class Write> void send(Write&& write) {
        std::lock_guard lock(mutex_);
        write(report_);
        sink_.SendCommand(report_);
    }

    CommandSink& sink_;
    Clock& clock_;
    mutable std::mutex mutex_;
    CommandReport report_{};
    KeyReportState keys_;
};

} // namespace zantor::device
