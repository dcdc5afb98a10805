#include "device/event_report.h"

#include "device/command_set.h"

namespace zantor::device {

DecodedEvent DecodeEvent(std::span<const std::uint8_t> report) {
    if (report.size() < 3 || report[0] != REPORT_ID_EVENT)
        return {};
    DecodedEvent event{EventKind::Ignored, 0, report[1], report[2]};
    if (event.code <= EVENT_BUTTON_BASE) {
        event.kind = EventKind::StopRequest;
    } else if (event.code <= EVENT_BUTTON_BASE + 6) {
        event.deviceButton = event.code - EVENT_BUTTON_BASE;
        event.kind = event.state == EVENT_STATE_RELEASED ? EventKind::ButtonReleased
                                                         : EventKind::ButtonPressed;
    } else {
        event.kind = EventKind::NoButton;
    }
    return event;
}

} // namespace zantor::device
