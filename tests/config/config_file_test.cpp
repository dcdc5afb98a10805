#include "config/config_file.h"

#include "config/settings.h"
#include "macro/macro_codec.h"
#include "platform/message/user_messages.h"
#include "platform/profile/profile_store.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace zantor {
namespace {

using test::readFile;
using test::writeFile;

// The keys of a fresh Config section, in the order a save writes them.
const std::string kFactorySection =
    "[Config2]\nK0=1\nK1=2\nK2=3\nK3=5\nK4=4\nK5=6\nDPI_LEVEL=1\nWHEEL_STATUS=0\nMACRO_MODE2=0\n"
    "CYC_7COL_EN=127\n"
    "DPI_SET0=2\nDPI_SET_EN0=1\nDPI0_R=0\nDPI0_G=0\nDPI0_B=15\n"
    "DPI_SET1=4\nDPI_SET_EN1=1\nDPI1_R=15\nDPI1_G=15\nDPI1_B=0\n"
    "DPI_SET2=5\nDPI_SET_EN2=1\nDPI2_R=0\nDPI2_G=15\nDPI2_B=0\n"
    "DPI_SET3=7\nDPI_SET_EN3=1\nDPI3_R=15\nDPI3_G=0\nDPI3_B=15\n"
    "DPI_SET4=9\nDPI_SET_EN4=1\nDPI4_R=0\nDPI4_G=15\nDPI4_B=15\n"
    "DPI_SET5=11\nDPI_SET_EN5=1\nDPI5_R=0\nDPI5_G=0\nDPI5_B=0\n"
    "LED_TYPE=1\nLED_CYC_TIME=2\nDPI_SPEED=4\nWHEEL_SPEED=2\nUSB_SPEED=2\nFIRE_TIME=50\n";

class ConfigFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string file = dir.file("config.ini");
    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings{profiles, messages};
};

TEST_F(ConfigFileTest, AFreshSectionListsEveryKeyInSaveOrder) {
    settings.config.loadFactoryDefaults();
    ASSERT_TRUE(saveConfig(settings, file, 2, false));
    EXPECT_EQ(readFile(file), kFactorySection);
}

TEST_F(ConfigFileTest, LoadConvertsValuesLikeTheCLibrary) {
    writeFile(file, "[Config3]\nK0=1\nK2=abc\nK3= -7x\nDPI_SET_EN3=5\nCYC_7COL_EN=255\n"
                    "LED_TYPE=257\nFIRE_TIME=12345\nDPI_SET0=1234567890123\nDPI1_R=16\n"
                    "DPI_LEVEL=9\n");
    loadConfig(settings, file, 3, false);
    const MouseConfig& c = settings.config;
    EXPECT_EQ(c.buttonFunction[2], 0);
    EXPECT_EQ(c.buttonFunction[3], -7);
    EXPECT_TRUE(c.dpiEnabled[3]);
    EXPECT_FALSE(c.dpiEnabled[2]);
    EXPECT_EQ(c.cycleColourMask, 0x7F);
    EXPECT_EQ(c.cycleColourOn, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(c.ledType, 1);
    EXPECT_EQ(c.fireTime, 1234);
    EXPECT_EQ(c.dpiStep[0], 123456789 & 0xFF) << "nine characters arrive, low 8 bits kept";
    EXPECT_EQ(c.dpiColour[1].red, 16);
    EXPECT_EQ(c.dpiDisplayColour[1] & 0xFF, 0xFFu) << "computed on the low 8 bits";
    EXPECT_EQ(c.dpiLevel, 9) << "stored as read";

    ASSERT_TRUE(saveConfig(settings, file, 3, false));
    const auto saved = readFile(file);
    EXPECT_NE(saved.find("DPI_SET_EN3=1\n"), std::string::npos);
    EXPECT_NE(saved.find("CYC_7COL_EN=127\n"), std::string::npos);
    EXPECT_NE(saved.find("DPI_LEVEL=9\n"), std::string::npos);
}

TEST_F(ConfigFileTest, ASavedFileIsStableByteForByte) {
    writeFile(file, "[Init]\nCurConfig=2\nVER_SEL=1\n" + kFactorySection);
    loadConfig(settings, file, 2, false);
    ASSERT_TRUE(saveConfig(settings, file, 2, false));
    EXPECT_EQ(readFile(file), "[Init]\nCurConfig=2\nVER_SEL=1\n" + kFactorySection);
}

TEST_F(ConfigFileTest, LoadOverwritesEveryMemberAndMissingKeysGiveZero) {
    settings.config.loadFactoryDefaults();
    settings.config.macroMode2 = 5;
    writeFile(file, "[Config1]\nK0=1\n");
    loadConfig(settings, file, 1, false);
    const MouseConfig& c = settings.config;
    EXPECT_EQ(c.buttonFunction[0], 1);
    EXPECT_EQ(c.buttonFunction[1], 0);
    EXPECT_EQ(c.macroMode2, 0);
    EXPECT_EQ(c.dpiLevel, 0);
    EXPECT_EQ(c.dpiEnabled, (std::array<bool, 6>{}));
    EXPECT_EQ(c.cycleColourMask, 0);
    EXPECT_EQ(c.fireTime, 0);
    EXPECT_EQ(c.dpiStepCell[1], 78);
}

TEST_F(ConfigFileTest, FactoryLoadsReadTheResetSectionsAndLeaveMacrosAlone) {
    writeFile(file, "[CfgReset5]\nFIRE_TIME=5\n[CfgReset_EN5]\nFIRE_TIME=6\n"
                    "[Config5]\nmacroNum=1\n0=065\n");
    settings.macros.userMacroCount = 3;
    struct Case {
        const char* name;
        int language, n, fireTime;
    } cases[] = {{"English set", 1, 5, 6},
                 {"Korean set", 0, 5, 5},
                 {"language 2", 2, 5, 5},
                 {"missing section", 1, 4, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        settings.language = c.language;
        loadConfig(settings, file, c.n, true);
        EXPECT_EQ(settings.config.fireTime, c.fireTime);
        EXPECT_EQ(settings.macros.userMacroCount, 3);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ConfigFileTest, ANormalLoadTakesTheSectionsMacroCopy) {
    macro::MacroRecord macro;
    macro.setName("Copy");
    writeFile(file, "[Config1]\nK0=1\nmacroNum=1\n0=" + macro::EncodeMacro(macro) + "\n");
    loadConfig(settings, file, 1, false);
    ASSERT_EQ(settings.macros.userMacroCount, 1);
    EXPECT_EQ(settings.macros.userMacros[0].nameUtf8(), "Copy");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ConfigFileTest, AMissingFileGivesZerosAndSaysError) {
    settings.config.loadFactoryDefaults();
    settings.macros.userMacroCount = 4;
    loadConfig(settings, dir.file("missing.ini"), 1, false);
    EXPECT_EQ(settings.config.buttonFunction[0], 0);
    EXPECT_EQ(settings.macros.userMacroCount, 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Error");
}

TEST_F(ConfigFileTest, SavingWithoutMacrosKeepsTheSectionsMacroKeys) {
    writeFile(file, "[Config1]\nmacroNum=2\n0=abc\n1=def\n");
    settings.config.loadFactoryDefaults();
    ASSERT_TRUE(saveConfig(settings, file, 1, false));
    const auto text = readFile(file);
    EXPECT_NE(text.find("macroNum=2\n0=abc\n1=def\nK0=1\n"), std::string::npos) << text;

    settings.macros.userMacroCount = 1;
    ASSERT_TRUE(saveConfig(settings, file, 1, true));
    profile::ProfileStore::Snapshot after = profiles.snapshot(file);
    EXPECT_EQ(after.read("Config1", "macroNum", 5), "1");
    EXPECT_EQ(after.read("Config1", "0", 4000), macro::EncodeMacro(settings.macros.userMacros[0]));
    EXPECT_EQ(after.read("Config1", "1", 10), "def") << "keys past the count stay";
}

TEST_F(ConfigFileTest, SaveDpiLevelWritesOnlyThatKey) {
    writeFile(file, "[Config4]\nK0=1\nDPI_LEVEL=0\nFIRE_TIME=9\n");
    settings.config.loadFactoryDefaults();
    settings.config.applyDeviceDpiLevel(3);
    ASSERT_TRUE(saveDpiLevel(settings, file, 4));
    EXPECT_EQ(readFile(file), "[Config4]\nK0=1\nDPI_LEVEL=3\nFIRE_TIME=9\n");
}

TEST_F(ConfigFileTest, StartUpValues) {
    EXPECT_EQ(readLanguage(profiles, file), 0) << "missing file";
    writeFile(file, "[Init]\nCurConfig=3\nVER_SEL=257\n");
    EXPECT_EQ(readLanguage(profiles, file), 1);
    EXPECT_EQ(readCurrentConfig(profiles, file), 3);
}

TEST(ConfigSections, Names) {
    EXPECT_EQ(configSection(6), "Config6");
    EXPECT_EQ(factorySection(2, 1), "CfgReset2");
    EXPECT_EQ(factorySection(5, 1), "CfgReset_EN5");
    EXPECT_EQ(factorySection(5, 0), "CfgReset5");
}

} // namespace
} // namespace zantor
