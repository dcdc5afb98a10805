// The macro editor's controls on the advanced page, and recording through the window.
#include "app_fixture.h"

#include "app/editable_list_box.h"
#include "app/macro_editor_controls.h"
#include "macro/macro_files.h"

#include <QKeyEvent>
#include <QTest>

namespace zantor::app::test {
namespace {

class MacroEditorWindow : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        click(centreOfMain(10));
        ASSERT_NE(window().editorControls(), nullptr);
    }
    MacroEditorControls& controls() { return *window().editorControls(); }
    macro::MacroTables& macros() { return context().settings.macros; }
    void addMacro(const QString& name) {
        controls().nameField->setText(name);
        click(centreOfAdvanced(2));
    }
    // A right click on event row `row` and the command chosen from the menu.
    void contextCommand(int row, int id) {
        CEditableListBox& list = *controls().eventList;
        const int height =
            list.count() ? list.visualItemRect(list.item(0)).height() : list.fontMetrics().height();
        window().PrepareEventListMenu(QPoint(5, row * height + height / 2));
        window().FinishEventListMenu();
        window().OnEventListCommand(id);
    }
    void key(QEvent::Type type, quint32 keysym, bool repeat = false, ulong time = 0) {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, 0, keysym, 0, QString(), repeat);
        event.setTimestamp(time);
        QCoreApplication::sendEvent(&window(), &event);
    }
};

TEST_F(MacroEditorWindow, ControlsSitOnTheirRectanglesOnlyOnTheAdvancedPage) {
    const skin::SkinLayout& layout = context().layout;
    const auto rectOf = [](const skin::SkinRect& r) {
        return QRect(r.rect.left, r.rect.top, r.rect.right - r.rect.left,
                     r.rect.bottom - r.rect.top);
    };
    EXPECT_EQ(controls().repeatField->geometry(), rectOf(layout.editRect3));
    EXPECT_EQ(controls().nameField->geometry(), rectOf(layout.editRect4));
    EXPECT_EQ(controls().macroList->geometry(), rectOf(layout.listRect1));
    EXPECT_EQ(controls().eventList->geometry(), rectOf(layout.listRect2));
    EXPECT_TRUE(controls().eventList->isVisible());
    EXPECT_EQ(controls().macroList->count(), macros().userMacroCount);
    click(centreOfMain(9));
    EXPECT_FALSE(controls().eventList->isVisible());
    EXPECT_FALSE(controls().nameField->isVisible());
}

TEST_F(MacroEditorWindow, AddInsertChangeDelayAndSave) {
    const int before = macros().userMacroCount;
    ASSERT_LT(before, 12);
    addMacro("clicks");
    ASSERT_EQ(macros().userMacroCount, before + 1);
    EXPECT_EQ(controls().macroList->currentItem()->text(), "clicks");
    const int m = before;

    contextCommand(0, 32809); // Add Backward, Left Button, Down
    contextCommand(0, 32810); // Add Backward, Left Button, Up
    ASSERT_EQ(macros().userMacros[m].eventCount, 2);
    ASSERT_EQ(controls().eventList->count(), 3);
    EXPECT_EQ(controls().eventList->item(2)->text(), "[↑]L-KEY");

    contextCommand(1, 32780); // Modify Delay on the pause line
    CEditHelper* edit = controls().eventList->editField();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), "    30ms");
    QTest::keyClicks(edit, "500");
    QTest::keyClick(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(macros().userMacros[m].delays[0], 500);
    EXPECT_EQ(controls().eventList->item(1)->text(), "    500ms");

    click(centreOfAdvanced(6)); // repeat-count mode
    controls().repeatField->setText("12");
    click(centreOfAdvanced(5)); // save
    EXPECT_TRUE(dialogs().messages.empty());
    macro::MacroTables loaded;
    loadMacroLibrary(context().settings.macroFiles(), context().paths.macroFile(1), loaded);
    ASSERT_EQ(loaded.userMacroCount, before + 1);
    EXPECT_EQ(loaded.userMacros[m].nameUtf8(), "clicks");
    EXPECT_EQ(loaded.userMacros[m].delays[0], 500);
    EXPECT_EQ(loaded.userMacros[m].mode, macro::MACRO_REPEAT);
    EXPECT_EQ(loaded.userMacros[m].repeatCount, 12);
}

TEST_F(MacroEditorWindow, AddingWithoutANameSaysSo) {
    addMacro("");
    ASSERT_EQ(dialogs().messages.size(), 1u);
    EXPECT_EQ(dialogs().messages[0], "Please enter a name");
}

TEST_F(MacroEditorWindow, RecordingTakesKeysThroughTheWindow) {
    addMacro("typed");
    const int m = macros().userMacroCount - 1;
    click(centreOfAdvanced(4));
    ASSERT_TRUE(window().pageState().recording);
    key(QEvent::KeyPress, 0xFFE1, false, 1000); // Shift_L
    key(QEvent::KeyPress, 'A', false, 1100);    // shifted a
    key(QEvent::KeyRelease, 'A', true, 1400);   // X auto-repeat: a release and a press
    key(QEvent::KeyPress, 'A', true, 1400);
    key(QEvent::KeyRelease, 'a', false, 1600);
    key(QEvent::KeyRelease, 0xFFE1, false, 1700);
    EXPECT_EQ(controls().eventList->count(), 7);
    click(centreOfAdvanced(4));
    EXPECT_FALSE(window().pageState().recording);
    const macro::MacroRecord& record = macros().userMacros[m];
    ASSERT_EQ(record.eventCount, 4);
    EXPECT_EQ(record.events[0], (macro::MacroEvent{0xE1, macro::KEY_DOWN}));
    EXPECT_EQ(record.events[1], (macro::MacroEvent{0x04, macro::KEY_DOWN}));
    EXPECT_EQ(record.events[2], (macro::MacroEvent{0x04, macro::KEY_UP}));
    EXPECT_EQ(record.delays[0], 100);
    EXPECT_EQ(record.delays[1], 500);
    EXPECT_EQ(controls().eventList->item(0)->text(), "[↓]LSHIFT");
    // Keys after the recording are not recorded.
    key(QEvent::KeyPress, 'b', false, 1800);
    EXPECT_EQ(record.eventCount, 4);
}

TEST_F(MacroEditorWindow, HidingTheWindowEndsARecording) {
    addMacro("hidden");
    click(centreOfAdvanced(4));
    ASSERT_TRUE(window().pageState().recording);
    window().HideToTray();
    EXPECT_FALSE(window().macroEditor().recording());
}

} // namespace
} // namespace zantor::app::test
