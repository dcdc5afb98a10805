#include "skin/kov_menu.h"

#include <QAction>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace zantor::skin {
namespace {

TEST(KovMenu, ItemsAreEightPixelsPerCharacterAndTwentyHigh) {
    EXPECT_EQ(CKovMenu::MeasureItem({"Add Forward", kSubmenu}), QSize(88, 20));
    EXPECT_EQ(CKovMenu::MeasureItem({QString::fromUtf8("지연 편집     "), 32835}), QSize(80, 20));
    EXPECT_EQ(CKovMenu::MeasureItem({"", 0}).height(), 1) << "separator";
}

TEST(KovMenu, RowsAreTealAndTheHighlightAGradient) {
    QImage image(100, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        CKovMenu::DrawItem(painter, image.rect(), {"Delete", 32781}, false);
    }
    EXPECT_EQ(image.pixelColor(95, 2), QColor(0, 120, 153));
    {
        QPainter painter(&image);
        CKovMenu::DrawItem(painter, image.rect(), {"Delete", 32781}, true);
    }
    EXPECT_EQ(image.pixelColor(95, 1), QColor(0, 0, 255)) << "first inner line";
    EXPECT_EQ(image.pixelColor(95, 18), QColor(0, 238, 255)) << "last inner line: step 14";
    EXPECT_EQ(image.pixelColor(95, 0), QColor(0, 0, 0)) << "one-pixel outline";
}

TEST(KovMenu, ResourcesLoadWithTheirEntriesAndCommands) {
    CKovMenu context, tray;
    LoadPopupMenus(context, tray, 1);
    EXPECT_EQ(context.entryCount(), 23);
    EXPECT_EQ(tray.entryCount(), 3);
    ASSERT_NE(tray.popup(), nullptr);
    const auto actions = tray.popup()->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Show Window");
    EXPECT_EQ(actions[0]->data().toInt(), kShowWindowEnglish);
    EXPECT_EQ(actions[1]->data().toInt(), kExitDriverEnglish);

    const auto top = context.popup()->actions();
    ASSERT_EQ(top.size(), 4);
    ASSERT_NE(top[0]->menu(), nullptr);
    const auto buttons = top[0]->menu()->actions();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[2]->text(), "Mid Button");
    EXPECT_EQ(buttons[2]->menu()->actions()[1]->data().toInt(), 32807);
    EXPECT_EQ(top[3]->data().toInt(), 32781);

    LoadPopupMenus(context, tray, 0); // a language switch replaces both
    EXPECT_EQ(tray.popup()->actions()[1]->text(), QString::fromUtf8("드라이버 종료   "));
    EXPECT_EQ(context.popup()->actions()[2]->data().toInt(), 32835);
    EXPECT_EQ(context.entryCount(), 23);
}

TEST(KovMenu, TheShownMenuIsSizedByItsLongestText) {
    CKovMenu context, tray;
    LoadPopupMenus(context, tray, 1);
    tray.popup()->ensurePolished();
    const QSize size = tray.popup()->sizeHint();
    EXPECT_EQ(size.height(), 40);
    EXPECT_GE(size.width(), 88);
}

} // namespace
} // namespace zantor::skin
