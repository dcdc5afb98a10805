#pragma once

#include "app/page_state.h"

#include <cstdint>

namespace zantor {
class MouseConfig;
namespace skin {
struct SkinLayout;
}
} // namespace zantor

namespace zantor::app {

// What a press or release on a hot spot asks for.
enum class Command : std::uint8_t {
    None,
    Drag, // a press on no hot spot moves the window
    // Page changes (press).
    ShowMain,
    ShowAdvanced,
    ShowColour,
    // Edits of the configuration (press); the argument says which level, step, colour...
    SetWheelStatus,
    ChooseDpiColour, // opens the colour dialog for DPI level `argument`
    ToggleDpiEnabled,
    SelectDpiLevel,
    SetDpiStep, // argument = 12 * level + step
    ToggleCycleColour,
    SetLedType,
    SetLedCycleTime,
    SetPointerSpeed,
    SetWheelSpeed,
    SetFireFromSlider,
    StepFireTime, // argument +1 or -1
    SetPollingRate,
    // Hot spots of the button-function menu and of the macro editor (press).
    FunctionMenu,
    MacroEditor,
    // Commands of the shared frame (release).
    Save,
    SendToTray,
    Apply,
    ChooseConfig, // argument 1…5
    Minimise,
    CloseToTray,
    Import,
    Export,
    FactoryReset,
    SetLanguage, // argument 0 Korean, 1 English
    OpenWebSite,
};

struct Click {
    Command command = Command::None;
    int argument = 0;
    bool operator==(const Click&) const = default;
};

// What a left-button press does on `page` with the pointer over `hovers`.
Click DecidePress(Page page, const Hovers& hovers);
// What a left-button release does over main-layout entry `mainHover` (the shared frame).
Click DecideRelease(Page page, int mainHover);

// Carries out a click that edits the configuration; false for any other command. `clickX` is
// where the press was, for the fire-interval slider of `layout`.
bool ApplyConfigEdit(const Click& click, MouseConfig& config, int clickX,
                     const skin::SkinLayout& layout);

} // namespace zantor::app
