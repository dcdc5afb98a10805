#include "config/exchange.h"

#include "config/config_file.h"
#include "config/settings.h"
#include "macro/macro_files.h"
#include "platform/message/user_messages.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace zantor {
namespace {

using test::readFile;
using test::writeFile;

class ExchangeTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string configFile = dir.file("config.ini");
    std::string exchangeFile = dir.file("backup.ini");
    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings{profiles, messages};

    void editSomething() {
        MouseConfig& c = settings.config;
        c.loadFactoryDefaults();
        c.setButtonFunction(3, 44);
        c.setDpiStep(4, 1);
        c.toggleDpiEnabled(0);
        c.setDpiColourFromScreen(5, 0x123456);
        c.toggleCycleColour(2);
        c.setLedType(3);
        c.fireTime = 120;
        c.macroMode2 = 9;
        settings.macros.userMacros[0].setName("Burst");
        settings.macros.userMacros[0].eventCount = 1;
        settings.macros.userMacroCount = 1;
    }
};

TEST_F(ExchangeTest, ExportThenImportRestoresEverything) {
    editSomething();
    writeFile(exchangeFile, "[Other]\nkeep=1\n[Config7]\nK0=99\n");
    ASSERT_TRUE(exportConfig(settings, exchangeFile));
    EXPECT_TRUE(readFile(exchangeFile).starts_with("[Other]\nkeep=1\n[Config7]\nK0=1\n"));

    const MouseConfig exported = settings.config;
    const auto exportedMacro = settings.macros.userMacros[0];
    settings.config.loadFactoryDefaults();
    settings.macros = {};
    importConfig(settings, exchangeFile);

    const MouseConfig& c = settings.config;
    for (int b = 0; b < kButtonCount; ++b)
        EXPECT_EQ(c.buttonFunction[b], exported.buttonFunction[b]);
    EXPECT_EQ(c.dpiStep, exported.dpiStep);
    EXPECT_EQ(c.dpiEnabled, exported.dpiEnabled);
    EXPECT_EQ(c.dpiColour, exported.dpiColour);
    EXPECT_EQ(c.dpiDisplayColour, exported.dpiDisplayColour);
    EXPECT_EQ(c.dpiStepCell, exported.dpiStepCell);
    EXPECT_EQ(c.cycleColourOn, exported.cycleColourOn);
    EXPECT_EQ(c.cycleColourMask, 0x7B);
    EXPECT_EQ(c.ledType, 3);
    EXPECT_EQ(c.fireTime, 120);
    EXPECT_EQ(c.macroMode2, 9);
    ASSERT_EQ(settings.macros.userMacroCount, 1);
    EXPECT_EQ(settings.macros.userMacros[0], exportedMacro);
    EXPECT_FALSE(std::filesystem::exists(configFile)) << "config.ini is not touched";
}

TEST_F(ExchangeTest, ImportingAFileWithoutTheSectionGivesZeros) {
    editSomething();
    writeFile(exchangeFile, "[Config1]\nK0=1\n");
    importConfig(settings, exchangeFile);
    EXPECT_EQ(settings.config.buttonFunction[0], 0);
    EXPECT_EQ(settings.macros.userMacroCount, 0);

    importConfig(settings, dir.file("missing.ini"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Error");
}

TEST_F(ExchangeTest, FactoryResetRebuildsTheFiveConfigurationsInOrder) {
    const std::string macros = "macroNum=1\n0=066\n";
    std::string ini = "[Init]\nCurConfig=5\nVER_SEL=1\n";
    for (int n = 1; n <= 6; ++n)
        ini += "[Config" + std::to_string(n) + "]\nK0=1\nMACRO_MODE2=" + std::to_string(10 + n) +
               "\nFIRE_TIME=" + std::to_string(n) + "\n" + macros;
    ini += "[CfgReset2]\nFIRE_TIME=200\nMACRO_MODE2=2\n[CfgReset3]\nFIRE_TIME=201\n"
           "[CfgReset5]\nFIRE_TIME=205\n[CfgReset_EN5]\nFIRE_TIME=255\n";
    writeFile(configFile, ini);

    for (int language : {1, 0}) {
        SCOPED_TRACE(language);
        settings.language = language;
        settings.currentConfig = 5;
        loadConfig(settings, configFile, 5, false);
        const std::string macroModeBefore = std::to_string(settings.config.macroMode2);
        std::vector<std::string> calls;
        resetToFactory(settings, configFile, dir.file("Macro.dat"),
                       {[&] { calls.push_back("reload"); },
                        [&] {
                            calls.push_back("push");
                        }});
        EXPECT_EQ(calls, (std::vector<std::string>{"reload", "push"}));

        auto snapshot = profiles.snapshot(configFile);
        EXPECT_EQ(snapshot.read("Config1", "FIRE_TIME", 5), "50") << "built-in defaults";
        EXPECT_EQ(snapshot.read("Config1", "MACRO_MODE2", 5), macroModeBefore)
            << "the current configuration's MACRO_MODE2";
        EXPECT_EQ(snapshot.read("Config2", "FIRE_TIME", 5), "200");
        EXPECT_EQ(snapshot.read("Config2", "MACRO_MODE2", 5), "2");
        EXPECT_EQ(snapshot.read("Config3", "FIRE_TIME", 5), "201");
        EXPECT_EQ(snapshot.read("Config4", "FIRE_TIME", 5), "0") << "missing factory section";
        EXPECT_EQ(snapshot.read("Config5", "FIRE_TIME", 5), language == 1 ? "255" : "205");
        EXPECT_EQ(snapshot.read("Config6", "FIRE_TIME", 5), "6") << "not touched";
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(snapshot.read("Config" + std::to_string(n), "0", 10), "066")
                << "macro keys kept";
        EXPECT_EQ(settings.config.fireTime, language == 1 ? 255 : 205) << "current reloaded";
        EXPECT_EQ(settings.macros.userMacroCount, 1);
        EXPECT_EQ(profiles.read(dir.file("Macro.dat"), "Macros", "macroNum", 5), "1");
        EXPECT_EQ(snapshot.read("Init", "VER_SEL", 5), "1");
    }
}

} // namespace
} // namespace zantor
