// The main window's life cycle and commands, on the simulated mouse.
#include "app_fixture.h"

#include "app/ui_texts.h"
#include "config/config_file.h"
#include "device/command_set.h"
#include "platform/system/user_lock.h"
#include "platform/ui/tray_icon.h"
#include "skin/popup_menu_resources.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <filesystem>

namespace zantor::app::test {
namespace {

using device::CMD_HOST_EXIT;
constexpr std::size_t kPushReports = 21;

class WindowLife : public WindowTest {
protected:
    std::string ini(const std::string& section, const std::string& key) {
        return context().profiles.read(context().paths.configFile(), section, key, 64);
    }
    void setIni(const std::string& section, const std::string& key, const std::string& value) {
        ASSERT_TRUE(context().profiles.write(context().paths.configFile(), section, key, value));
    }
    bool shown() { return window().isVisible() && !window().isMinimized(); }
};

TEST_F(WindowLife, StartsUpPushingTheSettingsAndEndsTellingTheMouse) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(shown());
    EXPECT_EQ(window().windowTitle(), "ZANTOR");
    EXPECT_TRUE(window().trayIcon()->added());
    EXPECT_TRUE(window().hostButtonsRunning());
    EXPECT_EQ(commandsSent().size(), kPushReports);
    EXPECT_EQ(context().simulated->state().dpiStepCodes[2],
              device::dpiStepCode(config().dpiStep[2]));

    window().ExitProgram();
    EXPECT_TRUE(window().ended());
    EXPECT_EQ(window().exitCode(), 0);
    EXPECT_FALSE(window().trayIcon()->added());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(commandsSent().back(), CMD_HOST_EXIT);
    EXPECT_EQ(context().simulated->state().hostExits, 1);
}

TEST_F(WindowLife, WithoutAMouseThePlugInMessageShowsAndTheProgramEnds) {
    struct Case {
        const char* language;
        const char* message;
    } const cases[] = {{"1", "Please plug-in【ZANTOR】USB Mouse"},
                       {"0", "USB 마우스를 연결하십시오.ZANTOR"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        TestContext fresh;
        ASSERT_TRUE(fresh.context->profiles.write(fresh.context->paths.configFile(), "Init",
                                                  "VER_SEL", c.language));
        fresh.context->simulated->unplug();
        CKOV_GMouseDlg window(*fresh.context, {.takeHostButtonsLock = false});
        EXPECT_FALSE(window.initialise());
        EXPECT_TRUE(window.ended());
        EXPECT_EQ(window.exitCode(), 1);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(window.trayIcon()->added());
        ASSERT_EQ(fresh.dialogs->messages.size(), 1u);
        EXPECT_EQ(fresh.dialogs->messages[0], QString::fromUtf8(c.message));
        EXPECT_TRUE(fresh.context->simulated->trace().empty()) << "no exit report without a mouse";
        window.stopWorkers();
    }
}

TEST_F(WindowLife, AMissingLayoutFileEndsTheProgramSayingWhich) {
    std::filesystem::remove(context().paths.layoutDir(1) + "/skin_color_en.ini");
    EXPECT_FALSE(start());
    EXPECT_EQ(window().exitCode(), 1);
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0], qs(kSkinMissing.english));
    EXPECT_TRUE(dialogs().details[0].contains("skin_color_en.ini"));
}

TEST_F(WindowLife, KeysAndTheWindowManagersCloseNeverEndTheProgram) {
    ASSERT_TRUE(start());
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F10}) {
        QTest::keyClick(&window(), key);
        EXPECT_TRUE(shown()) << key;
    }
    window().close();
    EXPECT_FALSE(window().ended());
    EXPECT_FALSE(shown()) << "hidden in the tray (or minimised where there is no tray)";
    window().OnTrayCommand(skin::kShowWindowEnglish);
    EXPECT_TRUE(shown());
}

TEST_F(WindowLife, TheMouseGoingAwayHidesTheWindowAndItsReturnShowsIt) {
    ASSERT_TRUE(start());
    context().simulated->unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown(); }, 3000));
    window().OnTrayCommand(skin::kShowWindowKorean);
    EXPECT_FALSE(shown()) << "Show Window without a mouse only says to plug it in";
    EXPECT_EQ(dialogs().messages.back(), qs(kPlugInMouse.english));
    context().simulated->plug();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown(); }, 3000));
}

TEST_F(WindowLife, ExitDriverSavesTheConfigurationBeingEdited) {
    ASSERT_TRUE(start());
    click(centreOfMain(66 + 12 * 4 + 6)); // level 4, step 6
    EXPECT_NE(ini("Config1", "DPI_SET4"), "6") << "edits are not saved by themselves";
    window().OnTrayCommand(skin::kExitDriverEnglish);
    EXPECT_TRUE(window().ended());
    EXPECT_EQ(ini("Config1", "DPI_SET4"), "6");
    EXPECT_EQ(commandsSent().back(), CMD_HOST_EXIT);
}

TEST_F(WindowLife, AReleaseActsOnTheEntryUnderThePointerAtThatMoment) {
    ASSERT_TRUE(start());
    const std::size_t pushed = commandsSent().size();
    press(centreOfMain(0));   // save…
    release(centreOfMain(3)); // …released over apply: applies
    EXPECT_EQ(commandsSent().size(), pushed + kPushReports);
    press(centreOfMain(3));
    release(QPoint(-40, -40)); // outside the window: nothing
    EXPECT_EQ(commandsSent().size(), pushed + kPushReports);
    EXPECT_FALSE(window().pageState().buttonPressed);
}

TEST_F(WindowLife, ChoosingAConfigurationLoadsItWithoutSendingIt) {
    setIni("Config2", "DPI_SET0", "9");
    ASSERT_TRUE(start());
    const std::size_t pushed = commandsSent().size();
    click(centreOfMain(5));
    EXPECT_EQ(context().settings.currentConfig, 2);
    EXPECT_EQ(config().dpiStep[0], 9);
    EXPECT_EQ(commandsSent().size(), pushed);
    EXPECT_EQ(ini("Init", "CurConfig"), "1") << "nothing is saved either";
    click(centreOfMain(3));
    EXPECT_EQ(ini("Init", "CurConfig"), "2");
    EXPECT_EQ(context().simulated->state().dpiStepCodes[0], device::dpiStepCode(9));
}

TEST_F(WindowLife, SendToTrayLoadsTheTrayConfigurationButKeepsTheCurrentNumber) {
    setIni("Config6", "FIRE_TIME", "77");
    ASSERT_TRUE(start());
    click(centreOfMain(2));
    EXPECT_FALSE(shown());
    EXPECT_EQ(context().settings.currentConfig, 1);
    EXPECT_EQ(config().fireTime, 77);
    EXPECT_EQ(ini("Config6", "DPI_LEVEL"), std::to_string(config().dpiLevel.load()));
}

TEST_F(WindowLife, TheLanguageButtonsSwitchLayoutsMenusAndRecordTheChoice) {
    ASSERT_TRUE(start());
    const std::string english = context().layout.mainButtons[4].caption;
    click(centreOfMain(17));
    EXPECT_EQ(context().settings.language, 0);
    EXPECT_EQ(ini("Init", "VER_SEL"), "0");
    EXPECT_NE(context().layout.mainButtons[4].caption, english);
    EXPECT_EQ(context().trayMenu.popup()->actions()[0]->data().toInt(), skin::kShowWindowKorean);
    click(centreOfMain(18));
    EXPECT_EQ(ini("Init", "VER_SEL"), "1");
    EXPECT_EQ(context().layout.mainButtons[4].caption, english);
    EXPECT_EQ(context().trayMenu.popup()->actions()[0]->text(), "Show Window");
}

TEST_F(WindowLife, ExportImportAndFactoryResetGoThroughTheirDialogs) {
    ASSERT_TRUE(start());
    const std::string exchange = home() + "/exchange.ini";
    config().fireTime = 123;
    dialogs().fileToSave = QString::fromStdString(exchange);
    click(centreOfMain(15));
    EXPECT_EQ(dialogs().saveSuffix, "ini");
    EXPECT_EQ(context().profiles.read(exchange, "Config7", "FIRE_TIME", 16), "123");

    config().fireTime = 5;
    dialogs().fileToOpen.reset(); // cancelled: nothing changes
    click(centreOfMain(14));
    EXPECT_EQ(config().fireTime, 5);
    dialogs().fileToOpen = QString::fromStdString(exchange);
    click(centreOfMain(14));
    EXPECT_EQ(config().fireTime, 123);

    dialogs().fileToSave = QString::fromStdString(home() + "/no/such/folder/x.ini");
    click(centreOfMain(15));
    EXPECT_EQ(dialogs().messages.back(), qs(kExportFailed.english)) << "a failed export says so";

    const std::size_t pushed = commandsSent().size();
    click(centreOfMain(16));
    EXPECT_EQ(config().fireTime, 50) << "the shipped first configuration";
    EXPECT_EQ(commandsSent().size(), pushed + kPushReports);
}

TEST_F(WindowLife, TheDpiColourDialogSetsTheLevelsColourUnlessCancelled) {
    ASSERT_TRUE(start());
    const DpiColour before = config().dpiColour[1];
    click(centreOfMain(42));
    EXPECT_EQ(dialogs().colourDialogs, 1);
    EXPECT_EQ(config().dpiColour[1], before) << "cancelled";
    dialogs().colour = QColor(255, 0, 0);
    click(centreOfMain(42));
    EXPECT_EQ(config().dpiColour[1], (DpiColour{0, 15, 15}));
    EXPECT_EQ(config().dpiDisplayColour[1], 0x000F0FFFu);
}

TEST_F(WindowLife, PagesChangeOnPressAndTheWebSiteOpensOnlyFromTheMainPage) {
    ASSERT_TRUE(start());
    click(centreOfMain(19));
    ASSERT_EQ(dialogs().openedUrls.size(), 1u);
    EXPECT_EQ(dialogs().openedUrls[0].toString(), qs(kWebSiteAddress));

    press(centreOfMain(10));
    EXPECT_EQ(window().pageState().page, Page::Advanced) << "on the press";
    release(centreOfMain(10));
    click(centreOfMain(19));
    EXPECT_EQ(dialogs().openedUrls.size(), 1u);
    click(centreOfAdvanced(9));
    EXPECT_EQ(config().pointerSpeed, 1);

    click(centreOfMain(11));
    EXPECT_EQ(window().pageState().page, Page::Colour);
    click(centreOfColour(10)); // lighting off: the speeds do not react
    const auto speed = config().ledCycleTime;
    click(centreOfColour(11));
    EXPECT_EQ(config().ledCycleTime, speed);
    click(centreOfColour(8));
    click(centreOfColour(11));
    EXPECT_EQ(config().ledCycleTime, 5);
    click(centreOfMain(9));
    EXPECT_EQ(window().pageState().page, Page::Main);
}

TEST_F(WindowLife, HostButtonsHandledByAnotherProgramAreLeftToIt) {
    zantor::test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path()));
    auto held = UserLock::take(kHostButtonsLock);
    ASSERT_TRUE(held);
    window_ = std::make_unique<CKOV_GMouseDlg>(
        context(), CKOV_GMouseDlg::Options{.takeHostButtonsLock = true});
    const bool started = window().initialise();
    qunsetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(started);
    EXPECT_FALSE(window().hostButtonsRunning());
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0], qs(kHostButtonsElsewhere.english));
}

} // namespace
} // namespace zantor::app::test
