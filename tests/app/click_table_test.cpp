#include "app/click_table.h"

#include "config/mouse_config.h"
#include "skin/skin_layout.h"

#include <gtest/gtest.h>

namespace zantor::app {
namespace {

constexpr int N = kNoHover;

TEST(ClickTable, PressesActOnTheLayoutOfThePageShown) {
    struct Case {
        const char* name;
        Page page;
        Hovers hovers;
        Click expected;
    } const cases[] = {
        {"main tab on the main page", Page::Main, {9, N, N}, {}},
        {"advanced tab", Page::Main, {10, N, N}, {Command::ShowAdvanced}},
        {"colour tab", Page::Main, {11, N, N}, {Command::ShowColour}},
        {"button slot", Page::Main, {23, N, N}, {Command::FunctionMenu, 3}},
        {"wheel alternate", Page::Main, {33, N, N}, {Command::SetWheelStatus, 1}},
        {"swatch of level 5", Page::Main, {46, N, N}, {Command::ChooseDpiColour, 5}},
        {"enable mark of level 0", Page::Main, {47, N, N}, {Command::ToggleDpiEnabled, 0}},
        {"level selector 3", Page::Main, {63, N, N}, {Command::SelectDpiLevel, 3}},
        {"step cell 100", Page::Main, {100, N, N}, {Command::SetDpiStep, 34}},
        {"last step cell", Page::Main, {137, N, N}, {Command::SetDpiStep, 71}},
        {"mouse picture is no command", Page::Main, {140, N, N}, {}},
        {"save acts on release only", Page::Main, {0, N, N}, {}},
        {"empty skin drags", Page::Main, {N, 5, 5}, {Command::Drag}},
        {"main tab from advanced", Page::Advanced, {9, 8, N}, {Command::ShowMain}},
        {"colour tab from advanced", Page::Advanced, {11, N, N}, {Command::ShowColour}},
        {"advanced tab on advanced", Page::Advanced, {10, N, N}, {}},
        {"pointer speed", Page::Advanced, {N, 17, N}, {Command::SetPointerSpeed, 9}},
        {"wheel speed", Page::Advanced, {N, 18, N}, {Command::SetWheelSpeed, 0}},
        {"fire slider", Page::Advanced, {N, 30, N}, {Command::SetFireFromSlider}},
        {"fire up", Page::Advanced, {N, 31, N}, {Command::StepFireTime, 1}},
        {"fire down", Page::Advanced, {N, 32, N}, {Command::StepFireTime, -1}},
        {"polling rate", Page::Advanced, {N, 37, N}, {Command::SetPollingRate, 3}},
        {"macro editor entry", Page::Advanced, {N, 4, N}, {Command::MacroEditor, 4}},
        {"title does nothing", Page::Advanced, {N, 52, N}, {}},
        {"no drag over the frame", Page::Advanced, {3, N, N}, {}},
        {"drag on empty skin", Page::Advanced, {N, N, 7}, {Command::Drag}},
        {"main tab from colour", Page::Colour, {9, N, N}, {Command::ShowMain}},
        {"advanced tab from colour", Page::Colour, {10, N, N}, {Command::ShowAdvanced}},
        {"cycle colour", Page::Colour, {N, N, 6}, {Command::ToggleCycleColour, 6}},
        {"lighting mode", Page::Colour, {N, N, 9}, {Command::SetLedType, 2}},
        {"fastest speed", Page::Colour, {N, N, 11}, {Command::SetLedCycleTime, 5}},
        {"slowest speed", Page::Colour, {N, N, 16}, {Command::SetLedCycleTime, 0}},
        {"drag on the colour page", Page::Colour, {N, 3, N}, {Command::Drag}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecidePress(c.page, c.hovers), c.expected);
    }
}

TEST(ClickTable, ReleasesActOnTheSharedFrame) {
    struct Case {
        int entry;
        Page page;
        Click expected;
    } const cases[] = {
        {0, Page::Colour, {Command::Save}},
        {1, Page::Main, {}},
        {2, Page::Main, {Command::SendToTray}},
        {3, Page::Advanced, {Command::Apply}},
        {4, Page::Main, {Command::ChooseConfig, 1}},
        {8, Page::Main, {Command::ChooseConfig, 5}},
        {9, Page::Main, {}},
        {12, Page::Main, {Command::Minimise}},
        {13, Page::Main, {Command::CloseToTray}},
        {14, Page::Main, {Command::Import}},
        {15, Page::Main, {Command::Export}},
        {16, Page::Main, {Command::FactoryReset}},
        {17, Page::Main, {Command::SetLanguage, 0}},
        {18, Page::Colour, {Command::SetLanguage, 1}},
        {19, Page::Main, {Command::OpenWebSite}},
        {19, Page::Advanced, {}},
        {66, Page::Main, {}},
        {N, Page::Main, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(DecideRelease(c.page, c.entry), c.expected);
    }
}

TEST(ClickTable, EditsChangeTheConfiguration) {
    skin::SkinLayout layout;
    layout.advanceButtons[30] = skin::SkinButton{100, 0, 300, 10, ""};
    MouseConfig config;
    config.loadFactoryDefaults();

    EXPECT_TRUE(ApplyConfigEdit(DecidePress(Page::Main, {100, N, N}), config, 0, layout));
    EXPECT_EQ(config.dpiStep[2], 10) << "step cell 100 is level 2, step 10 (4000 DPI)";
    EXPECT_EQ(config.dpiStepCell[2], 100);

    EXPECT_TRUE(ApplyConfigEdit(DecidePress(Page::Colour, {N, N, 12}), config, 0, layout));
    EXPECT_EQ(config.ledCycleTime, 4);

    EXPECT_TRUE(ApplyConfigEdit({Command::SetFireFromSlider}, config, 250, layout));
    EXPECT_EQ(config.fireTime, 150);
    EXPECT_TRUE(ApplyConfigEdit({Command::StepFireTime, -1}, config, 0, layout));
    EXPECT_EQ(config.fireTime, 149);

    EXPECT_FALSE(ApplyConfigEdit({Command::Save}, config, 0, layout));
    EXPECT_FALSE(ApplyConfigEdit({Command::ChooseDpiColour, 1}, config, 0, layout));
}

} // namespace
} // namespace zantor::app
