#include "app/click_table.h"

#include "config/mouse_config.h"
#include "skin/skin_layout.h"

#include <array>
#include <optional>
#include <span>

namespace zantor::app {
namespace {

// Entries first…last of a layout give `command`, with the argument entry - first + offset,
// or last - entry + offset for a row that counts down.
struct Row {
    int first, last;
    Command command;
    int offset = 0;
    bool descending = false;
};

constexpr std::array kMainPress{
    Row{10, 10, Command::ShowAdvanced},     Row{11, 11, Command::ShowColour},
    Row{20, 25, Command::FunctionMenu},     Row{32, 33, Command::SetWheelStatus},
    Row{47, 52, Command::ToggleDpiEnabled}, Row{41, 46, Command::ChooseDpiColour},
    Row{60, 65, Command::SelectDpiLevel},   Row{66, 137, Command::SetDpiStep},
};

constexpr std::array kColourPress{
    Row{0, 6, Command::ToggleCycleColour}, Row{7, 10, Command::SetLedType},
    Row{11, 16, Command::SetLedCycleTime, 0, true}, // entry 11 is the fastest speed, 5
};

constexpr std::array kAdvancedPress{
    Row{0, 7, Command::MacroEditor},       Row{8, 17, Command::SetPointerSpeed},
    Row{18, 27, Command::SetWheelSpeed},   Row{30, 30, Command::SetFireFromSlider},
    Row{31, 31, Command::StepFireTime, 1}, Row{32, 32, Command::StepFireTime, -1},
    Row{34, 37, Command::SetPollingRate},
};

constexpr std::array kFrameRelease{
    Row{0, 0, Command::Save},           Row{2, 2, Command::SendToTray},
    Row{3, 3, Command::Apply},          Row{4, 8, Command::ChooseConfig, 1},
    Row{12, 12, Command::Minimise},     Row{13, 13, Command::CloseToTray},
    Row{14, 14, Command::Import},       Row{15, 15, Command::Export},
    Row{16, 16, Command::FactoryReset}, Row{17, 18, Command::SetLanguage},
    Row{19, 19, Command::OpenWebSite},
};

constexpr int kShowMainTab = 9, kShowAdvancedTab = 10, kShowColourTab = 11;
constexpr int kFireSlider = 30;

std::optional<Click> lookUp(std::span<const Row> table, int entry) {
    for (const Row& row : table)
        if (entry >= row.first && entry <= row.last)
            return Click{row.command,
                         (row.descending ? row.last - entry : entry - row.first) + row.offset};
    return std::nullopt;
}

// A press on a page's own layout: its table, or a drag where neither that layout nor the
// shared frame has a hot spot.
Click pageClick(std::span<const Row> table, int entry, int mainHover) {
    if (const auto click = lookUp(table, entry))
        return *click;
    return entry == kNoHover && mainHover == kNoHover ? Click{Command::Drag} : Click{};
}

} // namespace

Click DecidePress(Page page, const Hovers& hovers) {
    switch (page) {
    case Page::Main:
        return pageClick(kMainPress, hovers.main, hovers.main);
    case Page::Advanced:
        if (hovers.main == kShowMainTab)
            return {Command::ShowMain};
        if (hovers.main == kShowColourTab)
            return {Command::ShowColour};
        return pageClick(kAdvancedPress, hovers.advanced, hovers.main);
    case Page::Colour:
        if (hovers.main == kShowMainTab)
            return {Command::ShowMain};
        if (hovers.main == kShowAdvancedTab)
            return {Command::ShowAdvanced};
        return pageClick(kColourPress, hovers.colour, hovers.main);
    }
    return {};
}

Click DecideRelease(Page page, int mainHover) {
    const auto click = lookUp(kFrameRelease, mainHover);
    if (!click || (click->command == Command::OpenWebSite && page != Page::Main))
        return {};
    return *click;
}

bool ApplyConfigEdit(const Click& click, MouseConfig& config, int clickX,
                     const skin::SkinLayout& layout) {
    const int a = click.argument;
    switch (click.command) {
    case Command::SetWheelStatus:
        config.setWheelStatus(a);
        return true;
    case Command::ToggleDpiEnabled:
        config.toggleDpiEnabled(a);
        return true;
    case Command::SelectDpiLevel:
        config.selectDpiLevel(a);
        return true;
    case Command::SetDpiStep:
        config.setDpiStep(a / kDpiStepCount, a % kDpiStepCount);
        return true;
    case Command::ToggleCycleColour:
        config.toggleCycleColour(a);
        return true;
    case Command::SetLedType:
        config.setLedType(a);
        return true;
    case Command::SetLedCycleTime:
        config.setLedCycleTime(a);
        return true;
    case Command::SetPointerSpeed:
        config.setPointerSpeed(a);
        return true;
    case Command::SetWheelSpeed:
        config.setWheelSpeed(a);
        return true;
    case Command::SetFireFromSlider: {
        const skin::SkinButton& slider = layout.advanceButtons[kFireSlider];
        config.setFireTimeFromSlider(clickX, slider.x, slider.width);
        return true;
    }
    case Command::StepFireTime:
        config.stepFireTime(a);
        return true;
    case Command::SetPollingRate:
        config.setPollingRate(a);
        return true;
    default:
        return false;
    }
}

} // namespace zantor::app
