#include "platform/system/desktop_settings.h"
#include "platform/system/program_launcher.h"
#include "platform/system/run_program.h"
#include "platform/system/user_lock.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace zantor {
namespace {

// Sets an environment variable for one test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DesktopSettings, GnomeSpeedMapsLinearly) {
    EXPECT_DOUBLE_EQ(gnomeSpeedOf(1), -1.0);
    EXPECT_DOUBLE_EQ(gnomeSpeedOf(20), 1.0);
    EXPECT_DOUBLE_EQ(gnomeSpeedOf(99), 1.0);
    for (int speed = 1; speed <= 20; ++speed)
        EXPECT_EQ(speedOfGnome(gnomeSpeedOf(speed)), speed);
}

TEST(DesktopSettings, OutsideGnomeTheValuesLiveInTheUsersFile) {
    test::TempDir dir;
    ScopedEnv desktop("XDG_CURRENT_DESKTOP", "XFCE");
    const std::string file = dir.file("cfg/zantor/desktop.ini");
    auto settings = makeDesktopSettings(file);
    EXPECT_EQ(settings->pointerSpeed(), 10);
    EXPECT_EQ(settings->wheelLines(), 3);
    ASSERT_TRUE(settings->setPointerSpeed(18));
    ASSERT_TRUE(settings->setWheelLines(10));
    EXPECT_EQ(test::readFile(file), "[Mouse]\nSpeed=18\nWheelLines=10\n");
    EXPECT_EQ(makeDesktopSettings(file)->pointerSpeed(), 18);
}

TEST(DesktopSettings, TheSimulatorOnlyPrints) {
    std::ostringstream out;
    PrintedDesktopSettings settings(out);
    ASSERT_TRUE(settings.setPointerSpeed(8));
    ASSERT_TRUE(settings.setWheelLines(3));
    EXPECT_EQ(out.str(), "desktop pointer speed would be set to 8 (of 1 to 20)\n"
                         "desktop wheel scroll lines would be set to 3\n");
}

TEST(Programs, RunAndCaptureWithoutAShell) {
    auto out = runProgram({"printf", "%s;%s", "a b", "$HOME"});
    ASSERT_TRUE(out);
    EXPECT_EQ(*out, "a b;$HOME") << "arguments are passed as they are";
    EXPECT_FALSE(runProgram({"false"}));
    EXPECT_FALSE(runProgram({"no-such-program-zantor"}));
}

TEST(Programs, TheLauncherStartsTheFirstInstalledCandidate) {
    test::TempDir dir;
    const std::string marker = dir.file("started");
    const std::string script = dir.file("bin/xcalc");
    test::writeFile(script, "#!/bin/sh\necho \"$0\" > '" + marker + "'\n");
    ASSERT_EQ(::chmod(script.c_str(), 0755), 0);
    ScopedEnv path("PATH", dir.file("bin") + ":/usr/bin:/bin");

    // A real calculator earlier in the list of preference would be started: never do that.
    if (findOnPath(launchCandidates(LaunchTarget::Calculator)) != "xcalc")
        GTEST_SKIP() << "a real calculator is installed ahead of the stand-in";
    ASSERT_TRUE(launch(LaunchTarget::Calculator));
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(test::readFile(marker), script + "\n");
}

TEST(Programs, NothingInstalledIsAnError) {
    test::TempDir dir;
    ScopedEnv path("PATH", dir.path());
    const Status status = launch(LaunchTarget::Terminal);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().message, "no terminal program is installed");
}

TEST(UserLock, OnlyOneHolderAtATime) {
    test::TempDir dir;
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path());
    {
        auto first = UserLock::take("test");
        ASSERT_TRUE(first) << first.error().message;
        auto second = UserLock::take("test");
        ASSERT_FALSE(second);
        EXPECT_NE(second.error().message.find("already"), std::string::npos);
    }
    EXPECT_TRUE(UserLock::take("test")) << "released with its holder";
}

} // namespace
} // namespace zantor
