// The listener thread of HostButtons: event reports in, hand-overs and stop requests out.
#include "config/function_codes.h"
#include "config/settings.h"
#include "device/device_context.h"
#include "device/event_report.h"
#include "device/host_buttons.h"

#include <algorithm>

namespace zantor::device {

using namespace std::chrono_literals;

void HostButtons::listen() {
    // Without a mouse reads fail at once: wait ever longer between tries (2 ms up to 100 ms)
    // until a scan opens one again. Reports the mouse sends meanwhile wait in its queue.
    auto pause = 2ms;
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                return;
        }
        if (device_.link.ReadEvent()) {
            pause = 2ms;
            onEventReport(device_.link.eventBuffer());
            continue;
        }
        if (!waitUntil(std::chrono::steady_clock::now() + pause))
            return;
        pause = std::min<std::chrono::milliseconds>(pause * 2, 100ms);
    }
}

void HostButtons::onEventReport(std::span<const std::uint8_t> report) {
    const DecodedEvent event = DecodeEvent(report);
    if (event.kind == EventKind::StopRequest) {
        if (busy())
            requestStop();
        return;
    }
    if (event.kind != EventKind::ButtonPressed && event.kind != EventKind::ButtonReleased)
        return;

    if (event.kind == EventKind::ButtonReleased) {
        if (busy() && runningStopsOnRelease_ && event.deviceButton == runningDeviceButton_)
            requestStop();
        return;
    }
    if (busy()) {
        if (!runningStopsOnRelease_)
            requestStop();
        return;
    }
    const auto button = programButtonOf(event.deviceButton);
    if (!button)
        return;
    const std::int32_t function = settings_.config.buttonFunction[*button];
    bool stopsOnRelease = false;
    if (const auto* macro = settings_.macros.userMacroForCode(function)) {
        std::shared_lock lock(settings_.macroLock);
        stopsOnRelease = macro::StopsOnRelease(*macro, true);
    }
    runningDeviceButton_ = event.deviceButton;
    runningStopsOnRelease_ = stopsOnRelease;
    pendingButton_.store(event.code);
    pendingLevel_.store(event.state);
    actionNumber_.fetch_add(1);
    {
        std::lock_guard lock(mutex_);
        actionPending_.store(true, std::memory_order_release);
    }
    wake_.notify_all();
}

} // namespace zantor::device
