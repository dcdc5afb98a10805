#include "skin/skin_value.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace zantor::skin {
namespace {

TEST(SplitSkinValue, SplitsAtCommasAndIgnoresTextAfterTheLastComma) {
    struct Case {
        const char* name;
        std::string value;
        SkinFields expected;
    } cases[] = {
        {"button with caption", "3,10,20,30,40,Left,", {"3", "10", "20", "30", "40", "Left"}},
        {"button without caption", "3,10,20,30,40,", {"3", "10", "20", "30", "40", ""}},
        {"no comma is field 0 whole", "Fire rapid", {"Fire rapid", "", "", "", "", ""}},
        {"function name with a comma", "Fire, rapid", {"Fire", "", "", "", "", ""}},
        {"unterminated caption reads empty",
         "3,10,20,30,40,Left",
         {"3", "10", "20", "30", "40", ""}},
        {"fields after a missing comma stay empty", "0,1,2", {"0", "1", "", "", "", ""}},
        {"seventh field is not read", "0,1,2,3,4,5,6,7,", {"0", "1", "2", "3", "4", "5"}},
        {"empty fields", ",,,,,,", {"", "", "", "", "", ""}},
        {"empty value", "", {"", "", "", "", "", ""}},
        {"caption keeps blanks and UTF-8",
         "1,2,3,4,5,왼쪽 버튼 ,",
         {"1", "2", "3", "4", "5", "왼쪽 버튼 "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitSkinValue(c.value), c.expected);
    }
}

TEST(SkinNumber, ReadsLikeTheCLibraryConversion) {
    struct Case {
        const char* field;
        std::int32_t expected;
    } cases[] = {
        {"10", 10},
        {" -5", -5},
        {"\t+7", 7},
        {"12px", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"- 5", 0},
        {"0x1F", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(SkinNumber(c.field), c.expected);
    }
}

TEST(ReadSkinValue, SeesAtMost259CharactersOfAValue) {
    test::TempDir dir;
    const std::string path = dir.file("layout.ini");
    // The caption's closing comma is the 260th character: cut away, so the caption reads empty.
    const std::string caption(247, 'c');
    const std::string cut = "1,2,3,4,5," + caption + "ab,";
    // One character shorter: the comma is the 259th character and the caption is read.
    const std::string kept = "1,2,3,4,5," + caption + "a,";
    ASSERT_EQ(cut.size(), 260u);
    test::writeFile(path, "[BUTTONPOS]\n0=" + cut + "\n1=" + kept + "\n");
    profile::ProfileStore store;
    const auto file = store.snapshot(path);

    EXPECT_EQ(ReadSkinValue(file, "BUTTONPOS", 0)[4], "5");
    EXPECT_EQ(ReadSkinValue(file, "BUTTONPOS", 0)[5], "");
    EXPECT_EQ(ReadSkinValue(file, "BUTTONPOS", 1)[5], caption + "a");
    EXPECT_EQ(ReadSkinValue(file, "buttonpos", 2), SkinFields{});
    EXPECT_EQ(ReadSkinValue(store.snapshot(dir.file("none.ini")), "BUTTONPOS", 0), SkinFields{});
}

} // namespace
} // namespace zantor::skin
