#include "app/app_paths.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace zantor {
namespace {

TEST(AppPaths, FilesLiveInAndBelowTheHomeFolder) {
    const AppPaths paths{"/opt/z"};
    EXPECT_EQ(paths.configFile(), "/opt/z/skins/config/config.ini");
    EXPECT_EQ(paths.maskFile(), "/opt/z/skins/main_mask.jpg");
    EXPECT_EQ(paths.macroFile(1), "/opt/z/Macro_EN.dat");
    EXPECT_EQ(paths.macroFile(2), "/opt/z/Macro_EN.dat");
    EXPECT_EQ(paths.macroFile(0), "/opt/z/Macro_CN.dat");
    EXPECT_EQ(paths.constMacroFile(), "/opt/z/constMacro.dat");
}

TEST(AppPaths, ExecutableFolder) {
    EXPECT_EQ(AppPaths::folderOf("/usr/bin/zantor"), "/usr/bin");
    EXPECT_EQ(AppPaths::folderOf("zantor"), "") << "no slash gives an empty folder";
    EXPECT_EQ(AppPaths::homeFor("/x/y/zantor", "/tmp/h/").exeDir, "/tmp/h");
    EXPECT_FALSE(AppPaths::runningExecutable().empty());
}

TEST(AppPaths, AnInstalledProgramSeedsTheUsersDataFolder) {
    test::TempDir root;
    test::writeFile(root.file("usr/share/zantor/skins/config/config.ini"), "[Init]\nCurConfig=1\n");
    test::writeFile(root.file("usr/share/zantor/Macro_EN.dat"), "[Macros]\nmacroNum=0\n");
    std::filesystem::create_directories(root.file("usr/bin"));
    test::writeFile(root.file("data/zantor/Macro_EN.dat"), "[Macros]\nmacroNum=1\n");
    ::setenv("XDG_DATA_HOME", root.file("data").c_str(), 1);

    const AppPaths paths = AppPaths::homeFor(root.file("usr/bin/zantor"), "");
    EXPECT_EQ(paths.exeDir, root.file("data/zantor"));
    EXPECT_EQ(test::readFile(paths.configFile()), "[Init]\nCurConfig=1\n");
    EXPECT_EQ(test::readFile(paths.macroFile(1)), "[Macros]\nmacroNum=1\n") << "never overwritten";
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace zantor
