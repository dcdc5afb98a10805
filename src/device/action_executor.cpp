// The executor thread of HostButtons, and the service's life cycle.
#include "app/app_paths.h"
#include "config/config_file.h"
#include "config/function_codes.h"
#include "config/settings.h"
#include "device/device_context.h"
#include "device/event_report.h"
#include "device/host_buttons.h"
#include "platform/log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace zantor::device {

using namespace std::chrono_literals;
using SteadyTime = std::chrono::steady_clock::time_point;

HostButtons::HostButtons(Settings& settings, const AppPaths& paths, DeviceContext& device,
                         Hooks hooks)
    : settings_(settings), paths_(paths), device_(device), hooks_(std::move(hooks)) {
    if (!hooks_.launch)
        hooks_.launch = launch;
}

HostButtons::~HostButtons() {
    stop();
}

namespace {

// The device threads run above normal programs where the user may raise them (a negative
// nice value needs the privilege for it); otherwise they stay at the normal priority.
void raisePriority() {
    if (::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), -10) != 0)
        logDebug("device thread keeps the normal priority: %s", std::strerror(errno));
}

} // namespace

void HostButtons::start() {
    actionPending_ = false;
    stopRequested_ = 0;
    listener_ = std::thread([this] {
        raisePriority();
        listen();
    });
    executor_ = std::thread([this] {
        raisePriority();
        execute();
    });
}

void HostButtons::stop() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        stopping_ = true;
    }
    wake_.notify_all();
    device_.link.shutdown();
    if (listener_.joinable())
        listener_.join();
    if (executor_.joinable())
        executor_.join();
}

bool HostButtons::waitUntil(SteadyTime deadline) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_until(lock, deadline, [this] { return stopping_; });
}

void HostButtons::execute() {
    // Macro pauses end on time: no timer slack (50 us by default) on this thread's waits.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || actionPending_.load(); });
            if (stopping_)
                return;
        }
        const std::uint8_t button = pendingButton_.load();
        const std::uint8_t level = pendingLevel_.load();
        const std::uint32_t number = actionNumber_.load();
        carryOut(button, level, number);
        actionPending_.store(false, std::memory_order_release);
    }
}

void HostButtons::carryOut(std::uint8_t button, std::uint8_t level, std::uint32_t number) {
    const auto* order = std::find(deviceButtonOrder.begin(), deviceButtonOrder.end(),
                                  int(button) - EVENT_BUTTON_BASE);
    if (order == deviceButtonOrder.end())
        return;
    const auto i = static_cast<std::size_t>(order - deviceButtonOrder.begin());

    if (device_.reportsDpiLevel[i]) {
        settings_.config.applyDeviceDpiLevel(level);
        if (hooks_.repaint)
            hooks_.repaint();
        (void)saveDpiLevel(settings_, paths_.configFile(), settings_.currentConfig);
    }
    const std::int32_t function = settings_.config.buttonFunction[i];
    const std::int32_t index = indexWithinKind(function);
    switch (functionKindOf(function)) {
    case FunctionKind::MediaKey:
        device_.commands.SendMediaKey(index);
        break;
    case FunctionKind::BuiltInMacro:
        playMacro(false, std::size_t(index), number);
        break;
    case FunctionKind::UserMacro:
        playMacro(true, std::size_t(index), number);
        break;
    case FunctionKind::Calculator:
    case FunctionKind::Terminal:
        if (Status s = hooks_.launch(functionKindOf(function) == FunctionKind::Calculator
                                         ? LaunchTarget::Calculator
                                         : LaunchTarget::Terminal);
            !s)
            logDebug("button %zu: %s", i, s.error().message.c_str());
        break;
    case FunctionKind::DeviceFunction:
    case FunctionKind::None:
        break;
    }
}

void HostButtons::playMacro(bool isUserMacro, std::size_t index, std::uint32_t number) {
    const macro::MacroTables& tables = settings_.macros;
    const macro::MacroRecord& record =
        isUserMacro ? tables.userMacros[index] : tables.builtInMacros[index];
    std::uint32_t passes;
    {
        std::shared_lock lock(settings_.macroLock);
        passes = macro::PassesFor(record, isUserMacro);
    }
    for (std::uint32_t pass = 0; pass < passes; ++pass) {
        // Each event is read afresh: an edit made while the macro plays shows in what is left.
        SteadyTime deadline = std::chrono::steady_clock::now();
        for (std::size_t k = 0;; ++k) {
            macro::MacroEvent event;
            std::chrono::milliseconds pause;
            {
                std::shared_lock lock(settings_.macroLock);
                if (k >= record.eventCount)
                    break;
                event = record.events[k];
                pause =
                    std::chrono::milliseconds(std::max(record.delays[k], macro::MIN_EVENT_DELAY));
            }
            device_.commands.KeyEvent(event.code, event.action);
            deadline += pause;
            if (!waitUntil(deadline))
                break;
        }
        device_.commands.ReleaseAll();
        if (stopRequestedFor(number)) {
            break;
        }
        std::lock_guard lock(mutex_);
        if (stopping_)
            break;
    }
}

} // namespace zantor::device
