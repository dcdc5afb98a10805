#include "cli/commands.h"

#include "support/temp_home.h"
#include "tools/data/shipped_data.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

namespace zantor::cli {
namespace {

class ZantorctlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tools::writeShippedData(home.path())); }

    int run(Arguments args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), {"--home", home.path()});
        return runZantorctl(args, out, err);
    }

    test::TempDir home;
    std::ostringstream out, err;
};

TEST_F(ZantorctlTest, ShowJsonHasEveryMemberOfTheLoadedConfiguration) {
    ASSERT_EQ(run({"show", "2", "--json"}), kExitOk) << err.str();
    const auto json = nlohmann::json::parse(out.str());
    for (const char* key :
         {"buttonFunction", "dpiLevel", "wheelStatus",   "macroMode2",   "cycleColourMask",
          "cycleColourOn",  "dpiStep",  "dpiEnabled",    "dpiColour",    "dpiDisplayColour",
          "dpiStepCell",    "ledType",  "ledCycleTime",  "pointerSpeed", "wheelSpeed",
          "pollingRate",    "fireTime", "currentConfig", "language",     "userMacros"})
        EXPECT_TRUE(json.contains(key)) << key;
    EXPECT_EQ(json["currentConfig"], 2);
    EXPECT_EQ(json["fireTime"], 30);
    EXPECT_EQ(json["dpiColour"][0]["blue"], 15);
    EXPECT_EQ(json["userMacros"].size(), 6u);
    EXPECT_EQ(json["userMacros"][1]["name"], "Rapid fire");
    EXPECT_EQ(json["userMacros"][1]["lines"][0], "[↓]L-KEY");
}

TEST_F(ZantorctlTest, ShowDefaultsToTheCurrentConfiguration) {
    test::writeFile(home.file("skins/config/config.ini"),
                    "[Init]\nCurConfig=3\nVER_SEL=0\n[Config3]\nK0=1\nK1=44\nFIRE_TIME=12345\n");
    ASSERT_EQ(run({"show"}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("Configuration 3 (Korean interface)"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("K1  44  user macro 3"), std::string::npos) << "no macro 3 here";
    EXPECT_NE(out.str().find("Fire interval: 1234ms"), std::string::npos);
}

TEST_F(ZantorctlTest, ButtonFunctionsAreNamedAsTheWindowNamesThem) {
    std::filesystem::copy(std::string(ZANTOR_SOURCE_DIR) + "/resources/skins", home.file("skins"),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::skip_existing);
    ASSERT_EQ(run({"show", "4"}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("K4  24  \"Volume Up\" (media key: Volume Increment)"),
              std::string::npos)
        << out.str();
    ASSERT_EQ(run({"show", "2"}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("K4  42  \"Rapid fire\" (user macro 1)"), std::string::npos)
        << out.str();
}

TEST_F(ZantorctlTest, MacrosOfEachSource) {
    ASSERT_EQ(run({"macros", "--builtin", "--json"}), kExitOk) << err.str();
    const auto builtIns = nlohmann::json::parse(out.str());
    ASSERT_EQ(builtIns.size(), 8u);
    EXPECT_EQ(builtIns[0]["name"], "Copy");
    EXPECT_EQ(builtIns[0]["events"][0]["code"], 0xE0);
    EXPECT_EQ(builtIns[0]["lines"][1], "    30ms");

    test::writeFile(home.file("skins/config/config.ini"), "[Init]\nVER_SEL=0\n");
    ASSERT_EQ(run({"macros"}), kExitOk) << err.str();
    EXPECT_NE(out.str().find("Macro_CN.dat"), std::string::npos);
    EXPECT_NE(out.str().find("\"더블 클릭\""), std::string::npos);
    EXPECT_NE(out.str().find("[↓]左键"), std::string::npos) << "mouse buttons named for language 0";

    ASSERT_EQ(run({"macros", "--file", home.file("Macro_EN.dat"), "--json"}), kExitOk);
    EXPECT_EQ(nlohmann::json::parse(out.str())[2]["repeatCount"], 3);
}

TEST_F(ZantorctlTest, ErrorsSayWhatIsWrongAndFail) {
    struct Case {
        const char* name;
        Arguments args;
        const char* message;
        int status;
    } cases[] = {
        {"no command", {}, "no command", kExitUsage},
        {"unknown command", {"frobnicate"}, "unknown command 'frobnicate'", kExitUsage},
        {"bad number", {"show", "0"}, "'0' is not a configuration number", kExitUsage},
        {"extra argument", {"show", "1", "2"}, "unexpected argument '2'", kExitUsage},
        {"missing macro file",
         {"macros", "--file", "/nonexistent.dat"},
         "cannot read the macro file",
         kExitError},
        {"conflicting sources",
         {"macros", "--builtin", "--file", "x"},
         "exclude each other",
         kExitUsage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(c.args), c.status);
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    }
    Arguments noHome{"--home", home.file("nothing-here"), "show"};
    EXPECT_EQ(runZantorctl(noHome, out, err), kExitError);
    EXPECT_NE(err.str().find("no configuration file"), std::string::npos);
    EXPECT_EQ(runZantorctl({"--help"}, out, err), kExitOk);
}

} // namespace
} // namespace zantor::cli
