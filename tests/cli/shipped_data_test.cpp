#include "tools/data/shipped_data.h"

#include "config/config_file.h"
#include "config/settings.h"
#include "platform/message/user_messages.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace zantor {
namespace {

constexpr const char* kShippedFiles[] = {"skins/config/config.ini", "Macro_EN.dat", "Macro_CN.dat",
                                         "constMacro.dat"};

TEST(ShippedData, TheCommittedFilesAreWhatTheGeneratorWrites) {
    test::TempDir home;
    ASSERT_TRUE(tools::writeShippedData(home.path()));
    for (const char* name : kShippedFiles) {
        SCOPED_TRACE(name);
        const std::string committed =
            test::readFile(std::string(ZANTOR_SOURCE_DIR) + "/resources/" + name);
        ASSERT_FALSE(committed.empty());
        EXPECT_TRUE(committed == test::readFile(home.file(name)))
            << "run build/tools/data/make_shipped_data resources";
    }
}

TEST(ShippedData, EverySectionIsThereAndLoadsSensibly) {
    test::TempDir home;
    ASSERT_TRUE(tools::writeShippedData(home.path()));
    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings(profiles, messages);
    const std::string file = home.file("skins/config/config.ini");
    EXPECT_EQ(readCurrentConfig(profiles, file), 1);
    EXPECT_EQ(readLanguage(profiles, file), 1);

    MouseConfig factory;
    factory.loadFactoryDefaults();
    std::vector<std::int32_t> fireTimes;
    const auto snapshot = profiles.snapshot(file);
    for (const char* section :
         {"Config1", "Config2", "Config3", "Config4", "Config5", "Config6", "CfgReset2",
          "CfgReset3", "CfgReset4", "CfgReset5", "CfgReset_EN5"}) {
        SCOPED_TRACE(section);
        EXPECT_TRUE(snapshot.hasSection(section));
    }
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        loadConfig(settings, file, n, false);
        const MouseConfig& c = settings.config;
        int primary = 0;
        for (const auto& f : c.buttonFunction)
            primary += f == 1;
        EXPECT_GE(primary, 1);
        EXPECT_TRUE(c.dpiEnabled[c.activeDpiLevel()]);
        EXPECT_EQ(settings.macros.userMacroCount, 6);
        if (n == 1) {
            EXPECT_EQ(c.dpiStep, factory.dpiStep);
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace zantor
