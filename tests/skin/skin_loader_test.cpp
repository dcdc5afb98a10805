#include "skin/function_names.h"
#include "skin/skin_loader.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zantor::skin {
namespace {

using test::TempDir;
using test::writeFile;

} // namespace

void PrintTo(const SkinButton& b, std::ostream* os) {
    *os << "{" << b.x << ", " << b.y << ", " << b.width << ", " << b.height << ", \"" << b.caption
        << "\"}";
}
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

class SkinLoaderTest : public ::testing::Test {
protected:
    void write(LayoutFile file, int language, std::string_view text) {
        writeFile(layoutFilePath(paths, file, language), text);
    }

    TempDir home;
    AppPaths paths{home.path()};
    profile::ProfileStore store;
    SkinLayout layout;
};

TEST_F(SkinLoaderTest, FileNamesFollowTheLanguage) {
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Main, 1),
              home.path() + "/skins/INI_EN/skin_main_en.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Advance, 1),
              home.path() + "/skins/INI_EN/skin_advance_en.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Color, 2),
              home.path() + "/skins/INI_EN/skin_color_en.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Warning, 1),
              home.path() + "/skins/INI_EN/LBWarning_en.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Main, 0),
              home.path() + "/skins/INI_CN/skin_main.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Advance, 0),
              home.path() + "/skins/INI_CN/skin_advance.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Color, 0),
              home.path() + "/skins/INI_CN/skin_color.ini");
    EXPECT_EQ(layoutFilePath(paths, LayoutFile::Warning, 0),
              home.path() + "/skins/INI_CN/LBWarning.ini");
}

TEST_F(SkinLoaderTest, MainLayoutGivesButtonsAndFunctionNames) {
    write(LayoutFile::Main, 1,
          "[BUTTONPOS]\n0=3,10,20,30,40,Left,\n1=3,10,20,30,40,\n149=0, -5,12px,abc,7,Last,\n"
          "150=0,1,1,1,1,Beyond,\n"
          "[FUN_STRING]\n1=Left Click\n2=Fire, rapid\n54=No function\n55=Beyond\n");
    ASSERT_TRUE(LoadSkinMain(layout, store, paths, 1));

    EXPECT_EQ(layout.mainButtons[0], (SkinButton{10, 20, 30, 40, "Left"}));
    EXPECT_EQ(layout.mainButtons[0].rect(), (Rect{10, 20, 40, 60}));
    EXPECT_EQ(layout.mainButtons[1], (SkinButton{10, 20, 30, 40, ""}));
    EXPECT_EQ(layout.mainButtons[2], SkinButton{});
    EXPECT_EQ(layout.mainButtons[149], (SkinButton{-5, 12, 0, 7, "Last"}));
    EXPECT_EQ(layout.functionNames[0], "Left Click");
    EXPECT_EQ(layout.functionNames[1], "Fire");
    EXPECT_EQ(layout.functionNames[2], "");
    EXPECT_EQ(layout.functionNames[53], "No function");
}

TEST_F(SkinLoaderTest, AdvancedLayoutDerivesTheControlRectangles) {
    write(LayoutFile::Advance, 0,
          "[BUTTONPOS]\n52=0,1,2,3,4,헤더,\n[EDIT]\n1=0,9,9,9,9,\n2=0,100,200,50,20,\n"
          "3=0,1,2,3,4,\n4=0,-10,-20,5,5,\n[MACRODISPLAY]\n1=0,5,6,7,8,\n2=0,300,100,150,200\n");
    ASSERT_TRUE(LoadSkinAdvance(layout, store, paths, 0));

    EXPECT_EQ(layout.advanceButtons[52], (SkinButton{1, 2, 3, 4, "헤더"}));
    EXPECT_EQ(layout.editRect2.rect, (Rect{100, 200, 150, 220}));
    EXPECT_EQ(layout.editRect3.rect, (Rect{1, 2, 4, 6}));
    EXPECT_EQ(layout.editRect4.rect, (Rect{-10, -20, -5, -15}));
    EXPECT_EQ(layout.listRect1.rect, (Rect{5, 6, 12, 14}));
    // The height has no closing comma: it reads 0.
    EXPECT_EQ(layout.listRect2.rect, (Rect{300, 100, 450, 100}));
}

TEST_F(SkinLoaderTest, RectanglesOfExtremeNumbersDoNotOverflow) {
    write(LayoutFile::Color, 1, "[BUTTONPOS]\n0=0,2147483647,-2147483648,100,-100,,\n");
    ASSERT_TRUE(LoadSkinColor(layout, store, paths, 1));
    EXPECT_EQ(layout.colorButtons[0].rect(),
              (Rect{2147483647, -2147483647 - 1, 2147483647, -2147483647 - 1}));
    EXPECT_TRUE(layout.colorButtons[0].rect().empty());
}

TEST_F(SkinLoaderTest, EachLoaderReadsTheFileOfItsLanguage) {
    using Loader = std::function<Status(SkinLayout&, profile::ProfileStore&, const AppPaths&, int)>;
    struct Case {
        const char* name;
        LayoutFile file;
        Loader load;
        std::function<const SkinButton&(const SkinLayout&, std::size_t)> entry;
    } cases[] = {{"main", LayoutFile::Main, LoadSkinMain,
                  [](const SkinLayout& l, std::size_t i) -> auto& {return l.mainButtons[i];
}
} // namespace
, {"color", LayoutFile::Color, LoadSkinColor,
   [](const SkinLayout& l, std::size_t i) -> auto& {return l.colorButtons[i];
} // namespace zantor::skin
}
, {"advance", LayoutFile::Advance, LoadSkinAdvance,
   [](const SkinLayout& l, std::size_t i) -> auto& {return l.advanceButtons[i];
}
}
, {"warning", LayoutFile::Warning, LoadLBWarning,
   [](const SkinLayout& l, std::size_t i) -> auto& {return l.warningButtons[i];
}
}
,
}
;
for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    write(c.file, 1, "[BUTTONPOS]\n1=0,9,9,9,9,Only English,\n2=0,1,2,3,4,English,\n");
    write(c.file, 0, "[BUTTONPOS]\n2=0,5,6,7,8,한국어,\n");
    for (int language : {1, 2}) {
        ASSERT_TRUE(c.load(layout, store, paths, language));
        EXPECT_EQ(c.entry(layout, 2), (SkinButton{1, 2, 3, 4, "English"}));
    }
    // Switching to Korean: the entry the Korean file lacks becomes all zeros.
    ASSERT_TRUE(c.load(layout, store, paths, 0));
    EXPECT_EQ(c.entry(layout, 2), (SkinButton{5, 6, 7, 8, "한국어"}));
    EXPECT_EQ(c.entry(layout, 1), SkinButton{});
}
}

TEST_F(SkinLoaderTest, AMissingFileEmptiesItsPartAndAsksToExit) {
    write(LayoutFile::Main, 1, "[BUTTONPOS]\n0=0,1,2,3,4,Save,\n[FUN_STRING]\n1=Left Click\n");
    write(LayoutFile::Color, 0, "[BUTTONPOS]\n0=0,1,2,3,4,노랑,\n");
    write(LayoutFile::Advance, 0, "[BUTTONPOS]\n0=0,1,2,3,4,가져오기,\n");
    write(LayoutFile::Warning, 0, "[BUTTONPOS]\n0=0,1,2,3,4,확인,\n");
    ASSERT_TRUE(LoadSkinMain(layout, store, paths, 1));

    const Status status = LoadSkinLayouts(layout, store, paths, 0);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().code, ENOENT);
    EXPECT_EQ(status.error().message,
              "The skin layout file " + home.path() + "/skins/INI_CN/skin_main.ini is missing.");
    EXPECT_EQ(layout.mainButtons[0], SkinButton{});
    EXPECT_EQ(layout.functionNames[0], "");
    EXPECT_EQ(layout.colorButtons[0].caption, "노랑");
    EXPECT_EQ(layout.advanceButtons[0].caption, "가져오기");
    EXPECT_EQ(layout.warningButtons[0].caption, "확인");

    std::filesystem::remove_all(paths.layoutDir(0));
    const Status all = LoadSkinLayouts(layout, store, paths, 0);
    ASSERT_FALSE(all);
    for (const char* name :
         {"skin_main.ini", "skin_color.ini", "skin_advance.ini", "LBWarning.ini"})
        EXPECT_NE(all.error().message.find(name), std::string::npos) << name;
    EXPECT_EQ(layout.warningButtons[0], SkinButton{});
}

TEST_F(SkinLoaderTest, AFileThatCannotBeReadIsReportedAsSuch) {
    std::filesystem::create_directories(layoutFilePath(paths, LayoutFile::Warning, 1));
    const Status status = LoadLBWarning(layout, store, paths, 1);
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().message.find("LBWarning_en.ini cannot be read"), std::string::npos);
}

TEST_F(SkinLoaderTest, FunctionNamesOfALanguage) {
    write(LayoutFile::Main, 0, "[FUN_STRING]\n1=왼쪽 클릭\n41=사용자 매크로 1\n53=기능 없음\n");
    const auto names = LoadFunctionNames(store, paths, 0);
    ASSERT_TRUE(names);
    EXPECT_EQ((*names)[0], "왼쪽 클릭");

    const auto missing = LoadFunctionNames(store, paths, 1);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("skin_main_en.ini is missing"), std::string::npos);
}

TEST(FunctionDisplayName, ShowsMacroNamesForUserMacroCodesOnly) {
    FunctionNames names;
    for (std::size_t k = 0; k < names.size(); ++k)
        names[k] = "F" + std::to_string(k + 1);
    const std::vector<std::string> macros{"m0", "m1", "m2", "m3", "m4"};
    struct Case {
        int code;
        const char* expected;
    } cases[] = {
        {0, ""},  {1, "F1"}, {7, "F7"},   {40, "F40"}, {41, "m0"}, {45, "m4"},
        {46, ""}, {52, ""},  {53, "F53"}, {54, "F54"}, {55, ""},   {-1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(FunctionDisplayName(c.code, names, macros), c.expected);
    }
}

} // namespace
} // namespace zantor::skin
