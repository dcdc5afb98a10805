#include "macro/macro_files.h"

#include "macro/macro_codec.h"
#include "platform/message/user_messages.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace zantor::macro {
namespace {

using test::readFile;
using test::writeFile;

MacroRecord named(const char* name, std::uint8_t key) {
    MacroRecord m;
    m.setName(name);
    m.eventCount = 2;
    m.events[0] = {key, KEY_DOWN};
    m.events[1] = {key, KEY_UP};
    m.delays[0] = m.delays[1] = 30;
    return m;
}

class MacroFilesTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string file = dir.file("Macro_EN.dat");
    profile::ProfileStore profiles;
    CollectedMessages messages;
    MacroFileContext context{profiles, messages, 1};
    MacroTables tables;
};

TEST_F(MacroFilesTest, SaveAndLoadTheLibrary) {
    tables.userMacros[0] = named("Copy", 0x06);
    tables.userMacros[1] = named("Paste", 0x19);
    tables.userMacroCount = 2;
    ASSERT_TRUE(saveMacroLibrary(profiles, file, tables));
    EXPECT_TRUE(readFile(file).starts_with("[Macros]\nmacroNum=2\n0="));

    MacroTables loaded;
    loaded.selectedMacro = 9;
    loadMacroLibrary(context, file, loaded);
    EXPECT_EQ(loaded.userMacroCount, 2);
    EXPECT_EQ(loaded.selectedMacro, 1);
    EXPECT_EQ(loaded.userMacros[0], tables.userMacros[0]);
    EXPECT_EQ(loaded.userMacros[1], tables.userMacros[1]);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MacroFilesTest, ACountPastTheKeysLoadsZeroRecords) {
    writeFile(file, "[Macros]\nmacroNum=5\n0=" + EncodeMacro(named("a", 4)) + "\n1=" +
                        EncodeMacro(named("b", 5)) + "\n2=" + EncodeMacro(named("c", 6)) + "\n");
    tables.userMacros[4] = named("old", 7);
    loadMacroLibrary(context, file, tables);
    EXPECT_EQ(tables.userMacroCount, 5);
    EXPECT_EQ(tables.userMacros[2].nameUtf8(), "c");
    EXPECT_EQ(tables.userMacros[3], MacroRecord{});
    EXPECT_EQ(tables.userMacros[4], MacroRecord{});
}

TEST_F(MacroFilesTest, CountsAreCutToTheTablesAndRecordsPastThemKept) {
    struct Case {
        const char* name;
        std::string count;
        std::uint16_t user, builtIn;
    } cases[] = {
        {"above both capacities", "99", 12, 8},  {"cut to two characters", "123", 12, 8},
        {"between the capacities", "10", 10, 8}, {"negative", "-4", 0, 0},
        {"not a number", "many", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(file, "[Macros]\nmacroNum=" + c.count + "\n");
        MacroTables t;
        t.userMacros[11] = named("kept", 4);
        loadMacroLibrary(context, file, t);
        loadBuiltInMacros(context, file, t);
        EXPECT_EQ(t.userMacroCount, c.user);
        EXPECT_EQ(t.builtInMacroCount, c.builtIn);
        EXPECT_EQ(t.selectedMacro, c.user > 0 ? c.user - 1 : 0);
        if (c.user < 12) {
            EXPECT_EQ(t.userMacros[11].nameUtf8(), "kept");
        }
    }
}

TEST_F(MacroFilesTest, AMissingFileSaysErrorAndEmptiesTheTable) {
    tables.userMacroCount = 3;
    tables.selectedMacro = 2;
    loadMacroLibrary(context, dir.file("none.dat"), tables);
    EXPECT_EQ(tables.userMacroCount, 0);
    EXPECT_EQ(tables.selectedMacro, 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Error");
    EXPECT_NE(messages.messages[0].detail.find("none.dat"), std::string::npos);
}

TEST_F(MacroFilesTest, AShorterSaveLeavesTheOldKeysBehind) {
    for (int i = 0; i < 5; ++i)
        tables.userMacros[i] = named(std::to_string(i).c_str(), 4);
    tables.userMacroCount = 5;
    ASSERT_TRUE(saveMacroLibrary(profiles, file, tables));
    tables.userMacroCount = 3;
    ASSERT_TRUE(saveMacroLibrary(profiles, file, tables));
    auto snapshot = profiles.snapshot(file);
    EXPECT_EQ(snapshot.read("Macros", "macroNum", 5), "3");
    EXPECT_EQ(snapshot.read("Macros", "4", 4000), EncodeMacro(tables.userMacros[4]));
    MacroTables loaded;
    loadMacroLibrary(context, file, loaded);
    EXPECT_EQ(loaded.userMacroCount, 3);
}

TEST_F(MacroFilesTest, TheKoreanInterfaceReads223AsKeypadMultiply) {
    MacroRecord m;
    m.eventCount = 1;
    m.events[0] = {223, KEY_DOWN}; // stored unchanged: 223 is no usage in the table
    tables.userMacros[0] = m;
    tables.userMacroCount = 1;
    ASSERT_TRUE(saveMacroLibrary(profiles, file, tables));
    for (int language : {0, 1}) {
        MacroTables loaded;
        loadMacroLibrary(MacroFileContext{profiles, messages, language}, file, loaded);
        EXPECT_EQ(loaded.userMacros[0].events[0].code, language == 0 ? 0x55 : 223);
    }
}

} // namespace
} // namespace zantor::macro
