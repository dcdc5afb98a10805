#pragma once

#include "app/app_fonts.h"
#include "app/app_paths.h"
#include "config/settings.h"
#include "device/clock.h"
#include "device/device_context.h"
#include "platform/hid/simulated_mouse.h"
#include "platform/message/user_messages.h"
#include "platform/profile/profile_store.h"
#include "platform/system/desktop_settings.h"
#include "platform/ui/dialogs.h"
#include "skin/kov_menu.h"
#include "skin/skin_layout.h"

#include <memory>
#include <ostream>

namespace zantor::app {

// Everything the window program keeps for its whole run: the home folder, the settings store,
// the skin layout, the fonts and menus, the dialogs, and (for a window, not a --render run)
// the mouse and the desktop settings. main makes one; tests make fresh ones.
struct AppContext {
    AppContext(AppPaths homePaths, std::unique_ptr<UserMessages> userMessages,
               std::unique_ptr<ui::Dialogs> standardDialogs);

    AppPaths paths;
    profile::ProfileStore profiles;
    std::unique_ptr<UserMessages> messages;
    Settings settings;
    skin::SkinLayout layout;
    std::unique_ptr<ui::Dialogs> dialogs;
    skin::CKovMenu contextMenu, trayMenu;
    AppFonts fonts;

    device::SteadyClock clock;
    std::unique_ptr<device::DeviceContext> device;
    hid::SimulatedMouse* simulated = nullptr; // the mouse of a --simulate run
    std::unique_ptr<DesktopSettings> desktop;
    bool simulate = false;

    // Opens the device side: the simulated mouse (and desktop settings that only print to
    // `out`) or the hidraw devices and the real desktop; with `traceOut`, every report is
    // printed there.
    void openDevice(bool simulateMouse, std::ostream& out, std::ostream* traceOut);
};

// The start-up values: CurConfig and VER_SEL, then the current configuration.
void loadStartupConfig(AppContext& context);
// The user macro library of the language, then the built-in macros.
void loadMacroLibraries(AppContext& context);

} // namespace zantor::app
