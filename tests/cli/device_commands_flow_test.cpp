// zantorctl commands that reach the mouse, on the simulated mouse and in a fresh home.
#include "cli/commands.h"

#include "platform/system/user_lock.h"
#include "support/temp_home.h"
#include "tools/data/shipped_data.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zantor::cli {
namespace {

class DeviceFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tools::writeShippedData(home.path()));
        ::setenv("XDG_RUNTIME_DIR", home.path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }

    int run(Arguments args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), {"--home", home.path()});
        return runZantorctl(args, out, err);
    }
    std::string config() { return test::readFile(home.file("skins/config/config.ini")); }

    test::TempDir home;
    std::ostringstream out, err;
};

TEST_F(DeviceFlowTest, ApplyPushesAndRecordsTheCurrentConfiguration) {
    ASSERT_EQ(run({"--simulate", "--trace", "apply", "3"}), kExitOk) << err.str();
    EXPECT_NE(config().find("CurConfig=3"), std::string::npos);
    int reports = 0;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        reports += line.find(" > 07 ") != std::string::npos;
    EXPECT_EQ(reports, 21);
    EXPECT_NE(out.str().find("desktop pointer speed would be set to 10"), std::string::npos)
        << "the desktop is not touched with --simulate";
}

TEST_F(DeviceFlowTest, ApplyWithoutAMouseChangesNothing) {
    const std::string before = config();
    EXPECT_EQ(run({"apply", "3"}), kExitNoMouse);
    EXPECT_NE(err.str().find("no ZANTOR mouse found"), std::string::npos);
    EXPECT_EQ(config(), before);
}

TEST_F(DeviceFlowTest, ExportAndImportMoveAConfigurationWithItsMacros) {
    const std::string file = home.file("backup.ini");
    ASSERT_EQ(run({"export", file, "2"}), kExitOk) << err.str();
    ASSERT_EQ(run({"import", file, "5"}), kExitOk) << err.str();
    ASSERT_EQ(run({"show", "5", "--json"}), kExitOk);
    const std::string five = out.str();
    ASSERT_EQ(run({"show", "2", "--json"}), kExitOk);
    EXPECT_EQ(five.substr(five.find("\"language\"")),
              out.str().substr(out.str().find("\"language\"")));

    test::writeFile(home.file("plain.ini"), "[Config1]\nK0=1\n");
    const std::string before = config();
    EXPECT_EQ(run({"import", home.file("plain.ini"), "5"}), kExitError);
    EXPECT_NE(err.str().find("no [Config7] section"), std::string::npos);
    EXPECT_EQ(run({"import", home.file("missing.ini")}), kExitError);
    EXPECT_EQ(config(), before);
}

TEST_F(DeviceFlowTest, ResetRebuildsTheFilesAndSaysWhenTheMouseWasNotUpdated) {
    test::writeFile(home.file("edit.ini"), "[Config7]\nK0=1\nFIRE_TIME=299\n");
    ASSERT_EQ(run({"import", home.file("edit.ini"), "2"}), kExitOk);
    ASSERT_EQ(run({"reset"}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("the mouse was not updated"), std::string::npos);
    EXPECT_NE(config().find("[Config2]\nK0=1\nK1=2\nK2=3\nK3=6\n"), std::string::npos);
    ASSERT_EQ(run({"--simulate", "reset"}), kExitOk) << err.str();
    EXPECT_EQ(out.str().find("not updated"), std::string::npos);
}

TEST_F(DeviceFlowTest, PressAndInjectCarryOutHostSideButtons) {
    ASSERT_EQ(run({"--simulate", "apply", "4"}), kExitOk); // K3 is volume down
    ASSERT_EQ(run({"--simulate", "--trace", "press", "3", "--hold", "20"}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("> 07 17 00 EA"), std::string::npos) << out.str();

    ASSERT_EQ(run({"--simulate", "--trace", "inject", "@0:06F50100000000", "@40:06F58000000000"}),
              kExitOk)
        << err.str();
    EXPECT_NE(out.str().find("< 06 F5 80"), std::string::npos);
    EXPECT_NE(out.str().find("> 07 17 00 EA"), std::string::npos);

    EXPECT_EQ(run({"press", "3"}), kExitUsage) << "only with --simulate";
    EXPECT_EQ(run({"--simulate", "press", "6"}), kExitUsage);
    EXPECT_EQ(run({"--simulate", "inject", "06F5"}), kExitUsage);
    EXPECT_NE(err.str().find("is not @MS:HEX"), std::string::npos);
}

TEST_F(DeviceFlowTest, OnlyOneListenerAtATime) {
    auto held = UserLock::take(kHostButtonsLock);
    ASSERT_TRUE(held);
    EXPECT_EQ(run({"--simulate", "listen"}), kExitError);
    EXPECT_NE(err.str().find("already carrying out"), std::string::npos);
}

TEST_F(DeviceFlowTest, ListenRunsUntilInterrupted) {
    const std::string program = std::string(ZANTOR_BINARY_DIR) + "/zantorctl";
    int output[2];
    ASSERT_EQ(::pipe(output), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::execl(program.c_str(), "zantorctl", "--home", home.path().c_str(), "--simulate", "listen",
                nullptr);
        ::_exit(127);
    }
    ::close(output[1]);
    std::string text;
    char buffer[256];
    while (text.find("Ctrl+C ends") == std::string::npos) {
        const ssize_t n = ::read(output[0], buffer, sizeof buffer);
        ASSERT_GT(n, 0) << text;
        text.append(buffer, std::size_t(n));
    }
    ::kill(child, SIGINT);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (ssize_t n; (n = ::read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    ::close(output[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << text;
    EXPECT_NE(text.find("stopped"), std::string::npos) << text;
}

} // namespace
} // namespace zantor::cli
