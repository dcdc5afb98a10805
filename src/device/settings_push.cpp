#include "device/settings_push.h"

#include "app/app_paths.h"
#include "config/config_file.h"
#include "config/function_codes.h"
#include "config/settings.h"
#include "device/device_context.h"
#include "platform/log.h"
#include "platform/system/desktop_settings.h"

namespace zantor::device {
namespace {

void logFailure(const Status& status, const char* what) {
    if (!status)
        logDebug("settings push, %s: %s", what, status.error().message.c_str());
}

} // namespace

int desktopPointerSpeed(int pointerSpeed) {
    return pointerSpeed >= 0 && pointerSpeed < int(kDesktopPointerSpeeds.size())
               ? kDesktopPointerSpeeds[pointerSpeed]
               : kDesktopPointerSpeeds.back();
}

int desktopWheelLines(int wheelSpeed) {
    return std::uint8_t(wheelSpeed + 1);
}

void PushSettings(Settings& settings, const AppPaths& paths, DeviceContext& device,
                  DesktopSettings& desktop, const PushHooks& hooks) {
    if (hooks.takeRepeatCount)
        hooks.takeRepeatCount();
    const std::string configFile = paths.configFile();
    const std::int32_t current = settings.currentConfig;
    logFailure(macro::saveMacroLibrary(settings.profiles, paths.macroFile(settings.language),
                                       settings.macros),
               "macro library");
    logFailure(settings.profiles.write(configFile, kInitSection, kCurrentConfigKey,
                                       std::to_string(current)),
               "CurConfig");
    logFailure(saveConfig(settings, configFile, current, true), "configuration");

    MouseConfig& c = settings.config;
    CommandSender& send = device.commands;
    for (int i = 0; i < kButtonCount; ++i) {
        const std::int32_t function = c.buttonFunction[i];
        device.reportsDpiLevel[i] = changesDpiLevel(function);
        send.SendButton(deviceButtonOrder[i], deviceCodeOf(function));
    }
    send.SendWheel(c.wheelStatus);
    c.recomputeCycleColourMask();
    send.SendLight(c.cycleColourMask, c.ledType, c.ledCycleTime);
    int enabledLevels = 0;
    for (int level = 0; level < kDpiLevelCount; ++level)
        enabledLevels |= c.dpiEnabled[level] ? 1 << level : 0;
    for (int level = 0; level < kDpiLevelCount; ++level) {
        send.SendDpi(c.dpiLevel, level, c.dpiStep[level], enabledLevels);
        const DpiColour& colour = c.dpiColour[level];
        send.SendDpiColour(level, colour.red, colour.green, colour.blue);
    }
    send.SendFire(c.fireTime);
    if (hooks.repaint)
        hooks.repaint();

    if (desktop.pointerSpeed())
        logFailure(desktop.setPointerSpeed(desktopPointerSpeed(c.pointerSpeed)), "pointer speed");
    if (desktop.wheelLines())
        logFailure(desktop.setWheelLines(desktopWheelLines(c.wheelSpeed)), "wheel lines");
    logFailure(saveConfig(settings, configFile, current, true), "configuration");
}

} // namespace zantor::device
