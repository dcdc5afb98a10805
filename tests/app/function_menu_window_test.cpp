// The main window's button slots open the drop-down menu, with the warning first where needed.
#include "app_fixture.h"

#include "skin/function_menu.h"
#include "skin/warning_dlg.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace zantor::app::test {
namespace {

class FunctionMenuWindow : public WindowTest {
protected:
    void SetUp() override {
        // An earlier test's exit sequence asked the event loop to end; until a loop has run
        // and ended, every modal loop (the warning's) would return at once.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        ASSERT_TRUE(start());
        for (int b = 0; b < kButtonCount; ++b)
            config().buttonFunction[b] = deviceButtonOrder[std::size_t(b)];
        sent_ = commandsSent().size();
    }
    // Answers the warning, if one shows, with the button `answer`.
    void answerWarningWith(int answer) {
        QTimer::singleShot(0, [this, answer] {
            auto* warning = dynamic_cast<skin::WarningDlg*>(QApplication::activeModalWidget());
            if (!warning)
                return;
            warningsShown_++;
            QTest::mouseClick(warning, Qt::LeftButton, {}, warning->buttonCentre(answer));
        });
    }
    std::array<int, kButtonCount> functions() {
        std::array<int, kButtonCount> f{};
        for (int b = 0; b < kButtonCount; ++b)
            f[std::size_t(b)] = config().buttonFunction[b];
        return f;
    }

    std::size_t sent_ = 0;
    int warningsShown_ = 0;
};

TEST_F(FunctionMenuWindow, ASlotOpensTheMenuUnderItAndASecondLevelChoiceSetsTheFunction) {
    click(centreOfMain(22));
    skin::CMenuDlg* menu = window().functionMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(warningsShown_, 0);
    const skin::SkinButton& slot = context().layout.mainButtons[22];
    EXPECT_EQ(menu->pos(), window().mapToGlobal(QPoint(slot.x, slot.y + slot.height)));

    QTest::mouseMove(menu, menu->rowCentre(8));
    QApplication::processEvents();
    skin::CSubMenuDlg* sub = menu->subMenu();
    ASSERT_NE(sub, nullptr);
    const QPoint row2 = menu->mapFromGlobal(sub->mapToGlobal(sub->rowCentre(2)));
    QTest::mouseMove(menu, row2);
    QTest::mouseClick(menu, Qt::LeftButton, {}, row2);

    EXPECT_EQ(config().buttonFunction[2], 22);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window().functionMenu(), nullptr);
    EXPECT_EQ(commandsSent().size(), sent_) << "a choice sends nothing";
}

TEST_F(FunctionMenuWindow, APressInTheWindowClosesTheMenuAndStillCounts) {
    click(centreOfMain(21));
    QPointer<skin::CMenuDlg> menu = window().functionMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(config().wheelStatus, 0);
    // The open menu has the pointer: a press on the window's second wheel setting reaches it.
    const QPoint wheel = menu->mapFromGlobal(window().mapToGlobal(centreOfMain(33)));
    QTest::mouseClick(menu, Qt::LeftButton, {}, wheel);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    EXPECT_EQ(window().functionMenu(), nullptr);
    EXPECT_EQ(config().wheelStatus, 1) << "the press still counted in the window";
    EXPECT_EQ(functions(), (std::array<int, kButtonCount>{1, 2, 3, 5, 4, 6}));
}

TEST_F(FunctionMenuWindow, TheOnlyPrimaryClickAsksFirst) {
    struct Case {
        const char* name;
        int answer;
        bool menuOpens;
    } const cases[] = {{"Cancel", skin::kWarningCancel, false}, {"OK", skin::kWarningOk, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        warningsShown_ = 0;
        answerWarningWith(c.answer);
        window().OpenFunctionMenu(20);
        EXPECT_EQ(warningsShown_, 1);
        EXPECT_EQ(window().functionMenu() != nullptr, c.menuOpens);
        EXPECT_EQ(functions(), (std::array<int, kButtonCount>{1, 2, 3, 5, 4, 6}));
        window().CloseFunctionMenu();
    }
}

TEST_F(FunctionMenuWindow, ChoosingForTheOnlyPrimaryClickMovesItToTheNextButton) {
    answerWarningWith(skin::kWarningOk);
    window().OpenFunctionMenu(20);
    skin::CMenuDlg* menu = window().functionMenu();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->rowCentre(3));
    EXPECT_EQ(functions(), (std::array<int, kButtonCount>{3, 1, 3, 5, 4, 6}));
}

} // namespace
} // namespace zantor::app::test
