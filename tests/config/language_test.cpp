#include "config/language.h"

#include "app/app_paths.h"
#include "config/config_file.h"
#include "config/settings.h"
#include "macro/macro_codec.h"
#include "platform/message/user_messages.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace zantor {
namespace {

std::string library(const char* name) {
    macro::MacroRecord m;
    m.setName(name);
    return "[Macros]\nmacroNum=1\n0=" + macro::EncodeMacro(m) + "\n";
}

TEST(Language, SwitchRecordsTheChoiceAndLoadsThatLibrary) {
    test::TempDir home;
    const AppPaths paths{home.path()};
    test::writeFile(paths.configFile(), "[Init]\nCurConfig=2\nVER_SEL=1\n");
    test::writeFile(paths.macroFile(kEnglish), library("Copy"));
    test::writeFile(paths.macroFile(kKorean), library("복사"));
    profile::ProfileStore profiles;
    CollectedMessages messages;
    Settings settings(profiles, messages);

    setLanguage(settings, paths, kKorean);
    EXPECT_EQ(settings.language, kKorean);
    EXPECT_EQ(readLanguage(profiles, paths.configFile()), kKorean);
    EXPECT_EQ(settings.macros.userMacros[0].nameUtf8(), "복사");
    EXPECT_EQ(test::readFile(paths.configFile()), "[Init]\nCurConfig=2\nVER_SEL=0\n");

    settings.macros.userMacros[0].setName("unsaved edit");
    setLanguage(settings, paths, kKorean); // the same language again reloads too
    EXPECT_EQ(settings.macros.userMacros[0].nameUtf8(), "복사");

    setLanguage(settings, paths, kEnglish);
    EXPECT_EQ(settings.macros.userMacros[0].nameUtf8(), "Copy");
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace zantor
