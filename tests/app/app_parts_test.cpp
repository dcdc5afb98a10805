// Fonts, the lighting preview, the command line and --render.
#include "app/app_fonts.h"
#include "app/app_options.h"
#include "app/lighting_preview.h"
#include "app/menu_font.h"
#include "app_fixture.h"

#include "config/mouse_config.h"
#include "skin/kov_menu.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>

#include <QImage>
#include <QProcess>

#include <deque>

namespace zantor::app {
namespace {

TEST(AppFonts, BaseSizesFollowTheDisplayScaleAndOddScalesTakeTheNearest) {
    struct Case {
        float scale;
        int base;
    } const cases[] = {
        {1.0f, 87},   {1.25f, 63}, {1.5f, 53},       {1.75f, 43}, {2.0f, 43},
        {2.5f, 30},   {3.0f, 20},  {110.f / 96, 63}, {1.1f, 87},  {0.75f, 87},
        {1.125f, 87}, {2.9f, 30},  {4.0f, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        EXPECT_EQ(fontBaseForScale(c.scale), c.base);
    }
    const AppFonts at96 = makeAppFonts(96);
    EXPECT_EQ(at96.small.english.pixelSize(), 13) << "9.4 points";
    EXPECT_EQ(at96.large.english.pixelSize(), 13) << "9.9 points";
    EXPECT_EQ(at96.small.korean.pixelSize(), 12) << "9.3 points";
    EXPECT_EQ(at96.small.of(0).families().front(), QString::fromUtf8("微软雅黑"));
    EXPECT_EQ(at96.small.of(2).families().front(), "Arial");
    EXPECT_GE(makeAppFonts(110).small.english.pixelSize(), 10) << "readable at 110 dpi";
}

TEST(MenuFont, TrayMenuTextsFitTheirEightPixelsPerCharacter) {
    const AppFonts fonts = makeAppFonts(96);
    for (const int language : {0, 1}) {
        SCOPED_TRACE(language);
        skin::CKovMenu context, tray;
        skin::LoadPopupMenus(context, tray, language);
        fitMenuFont(*tray.popup(), fonts.small.of(language));
        EXPECT_GE(tray.popup()->font().pixelSize(), 9);
        const QFontMetrics metrics(tray.popup()->font());
        for (const QAction* action : tray.popup()->actions())
            EXPECT_LE(metrics.horizontalAdvance(action->text().trimmed()) + 10,
                      skin::CKovMenu::MeasureItem({action->text(), 1}).width())
                << action->text().toStdString();
    }
}

TEST(LightingPreview, ACycleAlternatesUnlitAndTheNextColourThatIsOn) {
    MouseConfig config;
    config.ledType = 1;
    config.setCycleColoursFromMask(0b1000010); // blue and white
    PreviewLook look{.colour = 0, .off = false};
    std::vector<PreviewLook> seen;
    for (int i = 0; i < 5; ++i)
        seen.push_back(look = NextPreviewLook(look, config));
    EXPECT_EQ(seen,
              (std::vector<PreviewLook>{{0, true}, {1, false}, {1, true}, {6, false}, {6, true}}));

    config.setCycleColoursFromMask(0); // none on: keeps its colour, never loops for ever
    EXPECT_EQ(NextPreviewLook({3, true}, config), (PreviewLook{3, false}));
    config.ledType = 2;
    EXPECT_EQ(NextPreviewLook({3, true}, config), (PreviewLook{3, true}));

    for (const auto& [speed, ms] :
         std::vector<std::pair<int, int>>{{0, 1200}, {5, 200}, {250, 200}}) {
        config.ledCycleTime = std::uint8_t(speed);
        EXPECT_EQ(PreviewInterval(config).count(), ms) << speed;
    }
}

TEST(LightingPreview, TheThreadTicksWhileThePageIsShownAndEndsAfterwards) {
    std::mutex mutex;
    std::deque<std::function<void()>> posted;
    int ticks = 0;
    LightingPreview preview(
        [&](std::function<void()> f) {
            std::lock_guard lock(mutex);
            posted.push_back(std::move(f));
        },
        [&] {
            ++ticks;
            return std::chrono::milliseconds(5);
        });
    const auto runPosted = [&] {
        std::deque<std::function<void()>> now;
        {
            std::lock_guard lock(mutex);
            now.swap(posted);
        }
        for (auto& f : now)
            f();
    };
    preview.setPageShown(true, std::chrono::milliseconds(5));
    EXPECT_TRUE(preview.running());
    for (int i = 0; i < 200 && ticks < 3; ++i) {
        runPosted();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_GE(ticks, 3);
    preview.setPageShown(true, std::chrono::milliseconds(5)); // shown again: still one thread
    preview.setPageShown(false, {});
    for (int i = 0; i < 200 && preview.running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(preview.running());
    preview.setPageShown(true, std::chrono::milliseconds(5));
    EXPECT_TRUE(preview.running()) << "a later visit starts it again";
    preview.stop();
    EXPECT_FALSE(preview.running());
    runPosted();
}

TEST(AppOptions, TheCommandLine) {
    const auto parse = [](std::vector<std::string_view> args) {
        return parseAppOptions(args);
    };
    const auto ok =
        parse({"--home", "/h", "--simulate", "--render", "colour", "--output", "x.png"});
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->home, "/h");
    EXPECT_TRUE(ok->simulate);
    EXPECT_EQ(ok->render, Page::Colour);
    EXPECT_EQ(ok->output, "x.png");
    for (const auto& bad :
         std::vector<std::vector<std::string_view>>{{"--render", "main"},
                                                    {"--render", "menu", "--output", "x"},
                                                    {"--home"},
                                                    {"--output", "x.png"},
                                                    {"--frobnicate"}})
        EXPECT_FALSE(parse(bad)) << bad.front();

    const char* const argv[] = {"zantor",   "-platform", "offscreen", "--simulate",
                                "-reverse", "-h",        "--home",    "/h"};
    EXPECT_EQ(ownArguments(8, argv),
              (std::vector<std::string_view>{"--simulate", "-h", "--home", "/h"}));
}

TEST(Render, PaintsAPageIntoAPngShapedByTheMask) {
    test::TestHome home;
    const QString output = QString::fromStdString(home.path() + "/main.png");
    QProcess zantor;
    zantor.start(ZANTOR_APP_BINARY, {"--home", QString::fromStdString(home.path()), "--simulate",
                                     "--render", "main", "--output", output});
    ASSERT_TRUE(zantor.waitForFinished(20000));
    EXPECT_EQ(zantor.exitCode(), 0) << zantor.readAllStandardError().toStdString();
    const QImage image(output);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "outside the window's shape";
    EXPECT_EQ(qAlpha(image.pixel(400, 300)), 255);

    zantor.start(ZANTOR_APP_BINARY,
                 {"--home", "/nonexistent", "--render", "main", "--output", output});
    ASSERT_TRUE(zantor.waitForFinished(20000));
    EXPECT_EQ(zantor.exitCode(), 1);
    EXPECT_TRUE(zantor.readAllStandardError().contains("no configuration file"));
}

} // namespace
} // namespace zantor::app
