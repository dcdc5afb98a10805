// The skinned drop-down menus and the warning window, on the shipped skin.
#include "skin/menu_dlg.h"
#include "skin/skin_image.h"
#include "skin/warning_dlg.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace zantor::skin {
namespace {

const std::string kSkins = std::string(ZANTOR_SOURCE_DIR) + "/resources/skins";

MenuContent content(std::vector<std::string> macros) {
    MenuContent c{kSkins, QFont(), {}, std::move(macros)};
    for (std::size_t k = 0; k < c.functionNames.size(); ++k)
        c.functionNames[k] = "F" + std::to_string(k + 1);
    return c;
}

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu_ = new CMenuDlg(
            content({"Alpha", "Beta"}), [this](int code) { chosen_.push_back(code); }, nullptr);
        menu_->openAt(QPoint(100, 100));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu_));
    }
    void TearDown() override {
        if (menu_)
            menu_->close();
        deleteClosedWindows();
    }
    void hoverRow(int row) {
        QTest::mouseMove(menu_, menu_->rowCentre(row));
        QApplication::processEvents();
    }
    // While the menu is open the pointer is its own (as under X11, where it grabs the
    // pointer): a click on the second level reaches the first, in its coordinates.
    void clickSubMenu(QPoint local) {
        const QPoint at = menu_->mapFromGlobal(menu_->subMenu()->mapToGlobal(local));
        QTest::mouseMove(menu_, at);
        QTest::mouseClick(menu_, Qt::LeftButton, {}, at);
    }

    QPointer<CMenuDlg> menu_;
    std::vector<int> chosen_;
};

TEST_F(MenuTest, ShowsTenRowsOfTheSkinsSize) {
    const QImage mask = decodeRgbImage(kSkins + "/menu_mask.jpg");
    EXPECT_EQ(menu_->rowCount(), 10);
    EXPECT_EQ(menu_->rowHeight(), mask.height() / 10);
    EXPECT_EQ(menu_->size(), QSize(mask.width(), 10 * menu_->rowHeight() + 1));
    EXPECT_EQ(menu_->windowTitle(), "MainMenuDlg");
}

TEST_F(MenuTest, ADirectRowChoosesAndCloses) {
    QTest::mouseClick(menu_, Qt::LeftButton, {}, menu_->rowCentre(4));
    EXPECT_EQ(chosen_, std::vector<int>{4});
    EXPECT_FALSE(menu_->isVisible());
    deleteClosedWindows();
    EXPECT_TRUE(menu_.isNull()) << "the menu deletes itself once closed";
}

TEST_F(MenuTest, AHeadingOpensItsSecondLevelBesideItAndAChoiceThereCloses) {
    hoverRow(8);
    CSubMenuDlg* sub = menu_->subMenu();
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->rowCount(), 10);
    EXPECT_EQ(sub->pos(), menu_->pos() + QPoint(menu_->rowWidth(), -2 * menu_->rowHeight()));

    const int paints = menu_->paintCount();
    QTest::mouseMove(menu_, menu_->rowCentre(8) + QPoint(3, 2));
    QApplication::processEvents();
    EXPECT_EQ(menu_->subMenu(), sub) << "staying on the heading keeps its second level";
    EXPECT_EQ(menu_->paintCount(), paints) << "no repaint within a row";

    clickSubMenu(sub->rowCentre(2));
    EXPECT_EQ(chosen_, std::vector<int>{22});
    EXPECT_FALSE(menu_->isVisible());
}

TEST_F(MenuTest, TheMacroHeadingListsTheUserMacros) {
    hoverRow(9);
    CSubMenuDlg* sub = menu_->subMenu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->rowCount(), 2);
    EXPECT_EQ(sub->pos().y(), menu_->pos().y() + 7 * menu_->rowHeight());
    // The extra pixel line below the last row chooses nothing.
    clickSubMenu(QPoint(5, 2 * sub->rowHeight()));
    EXPECT_TRUE(chosen_.empty());
    EXPECT_TRUE(menu_->isVisible());
    clickSubMenu(sub->rowCentre(2));
    EXPECT_EQ(chosen_, std::vector<int>{42});
}

TEST_F(MenuTest, LeavingAHeadingForAnotherRowClosesTheSecondLevel) {
    hoverRow(7);
    ASSERT_NE(menu_->subMenu(), nullptr);
    hoverRow(3);
    EXPECT_EQ(menu_->subMenu(), nullptr);
    hoverRow(10);
    ASSERT_NE(menu_->subMenu(), nullptr);
    EXPECT_EQ(menu_->subMenu()->rowCount(), 8);
}

TEST_F(MenuTest, EscAndAPressOutsideCloseWithoutAChoice) {
    QTest::keyClick(menu_, Qt::Key_Escape);
    EXPECT_FALSE(menu_->isVisible());

    auto* other = new CMenuDlg(
        content({}), [this](int code) { chosen_.push_back(code); }, nullptr);
    other->openAt(QPoint(100, 100));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(other->isVisible());
    EXPECT_TRUE(chosen_.empty());
}

TEST_F(MenuTest, AReleaseWithoutAPressInTheMenuIsNoChoice) {
    // The release of the press that opened the menu.
    QTest::mouseRelease(menu_, Qt::LeftButton, {}, menu_->rowCentre(2));
    EXPECT_TRUE(chosen_.empty());
    EXPECT_TRUE(menu_->isVisible());
}

std::array<SkinButton, kWarningButtonCount> warningLayout() {
    return {SkinButton{120, 100, 100, 32, "OK"}, SkinButton{240, 100, 100, 32, "Cancel"},
            SkinButton{70, 22, 374, 58, "Change it?"}};
}

TEST(Warning, OkAndCancelEndItEscCancelsEnterAndOtherClicksDoNothing) {
    struct Case {
        const char* name;
        std::function<void(WarningDlg&)> act;
        int result; // 0: still open
    } const cases[] = {
        {"OK",
         [](WarningDlg& d) {
             QTest::mouseClick(&d, Qt::LeftButton, {}, d.buttonCentre(kWarningOk));
         },
         kWarningOk},
        {"Cancel",
         [](WarningDlg& d) {
             QTest::mouseClick(&d, Qt::LeftButton, {}, d.buttonCentre(kWarningCancel));
         },
         kWarningCancel},
        {"the message",
         [](WarningDlg& d) { QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(200, 40)); }, 0},
        {"Esc", [](WarningDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, kWarningCancel},
        {"Enter", [](WarningDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }, 0},
        {"close", [](WarningDlg& d) { d.close(); }, kWarningCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WarningDlg dialog(kSkins, warningLayout(), QFont(), QPoint(50, 50), nullptr);
        dialog.open();
        c.act(dialog);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(dialog.isVisible(), c.result == 0);
    }
}

TEST(Warning, IsShapedByItsMaskAndLightsTheHoveredButton) {
    WarningDlg dialog(kSkins, warningLayout(), QFont(), QPoint(50, 50), nullptr);
    const QImage mask = decodeRgbImage(kSkins + "/warning_mask.jpg");
    EXPECT_EQ(dialog.size(), mask.size());
    EXPECT_FALSE(dialog.region().contains(QPoint(0, 0))) << "light mask corner";
    EXPECT_TRUE(dialog.region().contains(dialog.buttonCentre(kWarningOk)));
    dialog.open();
    EXPECT_EQ(dialog.hover(), kNoRow);

    const QPoint corner(121, 101); // inside OK, away from its label
    const QImage over = decodeRgbImage(kSkins + "/warning_over.jpg");
    const QImage normal = decodeRgbImage(kSkins + "/warning_normal.jpg");
    QTest::mouseMove(&dialog, corner);
    EXPECT_EQ(dialog.hover(), kWarningOk);
    EXPECT_EQ(dialog.grab().toImage().pixel(corner), over.pixel(corner));
    QTest::mouseMove(&dialog, QPoint(5, 75));
    EXPECT_EQ(dialog.hover(), kNoRow);
    EXPECT_EQ(dialog.grab().toImage().pixel(corner), normal.pixel(corner));
    dialog.reject();
}

} // namespace
} // namespace zantor::skin
