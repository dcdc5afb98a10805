#include "macro/macro_editor.h"
#include "macro/x_keysyms.h"

#include <gtest/gtest.h>

#include <shared_mutex>

namespace zantor::macro {
namespace {

class EditorTest : public ::testing::Test {
protected:
    MacroTables tables;
    std::shared_mutex lock;
    int language = 1;
    MacroEditor editor{tables, lock, [this] {
                           return language;
                       }};

    MacroRecord& macro(int i) { return tables.userMacros[std::size_t(i)]; }
    void addMacros(int n) {
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(editor.AddMacro("m" + std::to_string(i)), EditorMessage::None);
    }
    // The context a right click on `row` leaves for the commands.
    void clickRow(int row) {
        auto& c = editor.context();
        c.clickedRow = row;
        c.rowCount = int(editor.view().eventRows.size());
        c.selectedRow = row < c.rowCount ? row : -1;
        c.macroIndex = editor.view().macroSelection;
        c.eventIndex = c.selectedRow / 2;
    }
};

TEST_F(EditorTest, AddMacroLimitsAndMessages) {
    EXPECT_EQ(editor.AddMacro(""), EditorMessage::EnterName);
    addMacros(2);
    EXPECT_EQ(editor.AddMacro("m0"), EditorMessage::RepeatName);
    EXPECT_EQ(editor.view().macroSelection, 0);
    EXPECT_EQ(tables.userMacroCount, 2);
    addMacros(0);
    for (int i = 2; i < 12; ++i)
        EXPECT_EQ(editor.AddMacro("x" + std::to_string(i)), EditorMessage::None);
    EXPECT_EQ(editor.AddMacro("thirteenth"), EditorMessage::CountExceeded);
    EXPECT_EQ(tables.userMacroCount, 12);
    EXPECT_EQ(editor.view().macroRows.size(), 12u);
    EXPECT_EQ(EditorMessageText(EditorMessage::CountExceeded, 0), "매크로 수량 제한 초과");
    EXPECT_EQ(EditorMessageText(EditorMessage::EnterName, 1), "Please enter a name");
}

TEST_F(EditorTest, AddedMacroStartsEmptyEvenOverAnOlderLoadsRecord) {
    macro(0).eventCount = 5; // left past the count by a longer load
    macro(0).mode = MACRO_REPEAT;
    ASSERT_EQ(editor.AddMacro("fresh"), EditorMessage::None);
    EXPECT_EQ(macro(0).eventCount, 0);
    EXPECT_EQ(macro(0).mode, MACRO_ONCE);
    EXPECT_EQ(macro(0).nameUtf8(), "fresh");
}

TEST_F(EditorTest, LongNamesAreCutTo19Units) {
    ASSERT_EQ(editor.AddMacro("abcdefghijklmnopqrstuvwxyz"), EditorMessage::None);
    EXPECT_EQ(macro(0).nameUtf8(), "abcdefghijklmnopqrs");
    EXPECT_EQ(editor.AddMacro("abcdefghijklmnopqrsXYZ"), EditorMessage::RepeatName);
    EXPECT_EQ(FitMacroName("123456789012345678😀"), "123456789012345678");
}

TEST_F(EditorTest, DeleteMacroMovesTheRestDownAndSelectsTheOneAbove) {
    addMacros(3);
    editor.SelectMacro(1);
    editor.DeleteMacro();
    EXPECT_EQ(tables.userMacroCount, 2);
    EXPECT_EQ(macro(1).nameUtf8(), "m2");
    EXPECT_EQ(macro(2).nameUtf8(), "");
    EXPECT_EQ(editor.view().macroSelection, 0);
    EXPECT_EQ(editor.view().nameField, "m0");
    editor.DeleteMacro();
    editor.DeleteMacro();
    EXPECT_EQ(tables.userMacroCount, 0);
    EXPECT_TRUE(editor.view().nameField.empty());
    editor.DeleteMacro(); // no rows: nothing
    EXPECT_EQ(tables.userMacroCount, 0);
}

TEST_F(EditorTest, ContextCommandsInsertAndDeleteEvents) {
    addMacros(1);
    clickRow(0);
    editor.RunEventCommand(32809); // Add Backward, left, down: on an empty list at 0
    ASSERT_EQ(macro(0).eventCount, 1);
    EXPECT_EQ(macro(0).events[0], (MacroEvent{0xF0, KEY_DOWN}));
    EXPECT_EQ(macro(0).delays[0], 30);
    EXPECT_EQ(editor.context().clickedRow, 2);
    clickRow(0);
    editor.RunEventCommand(32830); // Korean Add Backward, left, up: after event 0
    clickRow(0);
    editor.RunEventCommand(32806); // Add Forward, middle, down: before event 0
    ASSERT_EQ(macro(0).eventCount, 3);
    EXPECT_EQ(macro(0).events[0].code, 0xF2);
    EXPECT_EQ(macro(0).events[2], (MacroEvent{0xF0, KEY_UP}));
    EXPECT_EQ(editor.view().eventRows, (std::vector<std::string>{"[↓]M-KEY", "    30ms", "[↓]L-KEY",
                                                                 "    30ms", "[↑]L-KEY"}));
    EXPECT_EQ(editor.downLines(), 2);
    EXPECT_EQ(editor.upLines(), 1);
    clickRow(3); // the pause after event 1 deletes event 1
    editor.RunEventCommand(32781);
    ASSERT_EQ(macro(0).eventCount, 2);
    EXPECT_EQ(macro(0).events[1], (MacroEvent{0xF0, KEY_UP}));
    EXPECT_EQ(editor.context().clickedRow, 1);
}

TEST_F(EditorTest, DeleteOnAnEmptyListDeletesNothing) {
    addMacros(1);
    clickRow(5);
    editor.RunEventCommand(32781);
    EXPECT_EQ(macro(0).eventCount, 0);
}

TEST_F(EditorTest, InsertingThe255thEventOverflows) {
    addMacros(1);
    macro(0).eventCount = 253;
    EXPECT_EQ(editor.InsertEvent(0, 0, 0xF0, KEY_DOWN), EditorMessage::None);
    EXPECT_EQ(editor.InsertEvent(0, 0, 0xF0, KEY_DOWN), EditorMessage::Overflow);
    EXPECT_EQ(macro(0).eventCount, 254);
}

TEST_F(EditorTest, ModifyDelayOnlyOnPauseLines) {
    addMacros(1);
    for (int i = 0; i < 2; ++i) {
        clickRow(0);
        editor.RunEventCommand(32802);
    }
    clickRow(0);
    EXPECT_FALSE(editor.RunEventCommand(32780).openDelayEdit);
    clickRow(1);
    EXPECT_TRUE(editor.RunEventCommand(32835).openDelayEdit);
    struct Case {
        const char* text;
        int row;
        std::uint16_t stored;
    };
    for (const Case& c : {Case{"500", 1, 500}, Case{"  250ms", 1, 250}, Case{"70000", 1, 65535},
                          Case{"-5", 1, 0}, Case{"abc", 1, 0}, Case{"777", 0, 0}}) {
        editor.DelayEdited(c.row, c.text);
        EXPECT_EQ(macro(0).delays[0], c.stored) << c.text;
    }
    EXPECT_EQ(editor.view().eventRows[1], "    0ms");
}

TEST_F(EditorTest, RepeatCountAndModes) {
    addMacros(1);
    struct Case {
        const char* typed;
        std::uint16_t stored;
        const char* shown;
    };
    for (const Case& c :
         {Case{"12", 12, "12"}, Case{"0", 1, "1"}, Case{"99999999999", 65535, "65535"}}) {
        editor.setRepeatField(c.typed);
        editor.ReadRepeatCount(c.typed);
        EXPECT_EQ(macro(0).repeatCount, c.stored) << c.typed;
        EXPECT_EQ(editor.view().repeatField, c.shown) << c.typed;
    }
    macro(0).repeatCount = 7;
    editor.ToggleRepeatCount();
    EXPECT_EQ(macro(0).mode, MACRO_REPEAT);
    EXPECT_EQ(editor.view().repeatField, "7");
    EXPECT_TRUE(editor.view().repeatEnabled);
    editor.ToggleRepeatWhileHeld();
    EXPECT_EQ(macro(0).mode, MACRO_WHILE_HELD);
    EXPECT_FALSE(editor.view().repeatEnabled);
    editor.ToggleRepeatWhileHeld();
    EXPECT_EQ(macro(0).mode, MACRO_ONCE);
}

TEST_F(EditorTest, SelectingAMacroShowsItsOwnRepeatCount) {
    addMacros(2);
    macro(0).mode = MACRO_REPEAT;
    macro(0).repeatCount = 9;
    editor.SelectMacro(0);
    EXPECT_EQ(editor.view().repeatField, "9");
    editor.SelectMacro(1); // no events: still its own mode
    EXPECT_EQ(editor.view().repeatField, "1");
    EXPECT_FALSE(editor.view().repeatEnabled);
}

TEST_F(EditorTest, RecordingNeedsAMacro) {
    EXPECT_EQ(editor.ToggleRecording(), EditorMessage::SelectFirst);
    EXPECT_FALSE(editor.recording());
}

TEST_F(EditorTest, RecordingTurnsKeyStrokesIntoEvents) {
    addMacros(1);
    macro(0).eventCount = 4;
    ASSERT_EQ(editor.ToggleRecording(), EditorMessage::None);
    EXPECT_EQ(macro(0).eventCount, 0);
    EXPECT_FALSE(editor.CaptureKey(false, 0xA0, 0)); // Shift released: its press came before
    EXPECT_TRUE(editor.CaptureKey(true, 'A', 1000));
    EXPECT_FALSE(editor.CaptureKey(true, 'A', 1100)); // a repeat
    EXPECT_TRUE(editor.CaptureKey(true, 'B', 1200));
    EXPECT_TRUE(editor.CaptureKey(false, 'A', 2000));
    EXPECT_TRUE(editor.CaptureKey(false, 'B', 2050));
    editor.DeleteMacro(); // not while recording
    EXPECT_EQ(tables.userMacroCount, 1);
    editor.ToggleRecording();
    ASSERT_EQ(macro(0).eventCount, 4);
    EXPECT_EQ(macro(0).events[0], (MacroEvent{0x04, KEY_DOWN}));
    EXPECT_EQ(macro(0).events[3], (MacroEvent{0x05, KEY_UP}));
    EXPECT_EQ(macro(0).delays[0], 200);
    EXPECT_EQ(macro(0).delays[1], 800);
    EXPECT_EQ(macro(0).delays[2], 50);
    EXPECT_EQ(macro(0).delays[3], 30);
    EXPECT_EQ(macro(0).nameUtf8(), "m0");
    EXPECT_EQ(editor.view().eventRows.size(), 7u);
}

TEST(MacroRecorderTest, LimitsOfARecording) {
    MacroTables tables;
    std::shared_mutex lock;
    tables.userMacroCount = 1;
    MacroRecorder recorder;
    recorder.start(tables, lock, 0);
    // Nine held keys at most: the tenth press is dropped, and so is its release.
    for (int k = 0; k < 10; ++k)
        recorder.capture(tables, lock, true, std::uint8_t('A' + k), 0, 1);
    EXPECT_EQ(recorder.recordedCount(), 9);
    EXPECT_FALSE(recorder.capture(tables, lock, false, 'J', 0, 1));
    for (int k = 0; k < 9; ++k)
        EXPECT_TRUE(recorder.capture(tables, lock, false, std::uint8_t('A' + k), 0, 1));
    // 108 presses at most; releases of held keys still count.
    for (int k = 18; k < 215; k += 2) {
        recorder.capture(tables, lock, true, 'A', 0, 1);
        recorder.capture(tables, lock, false, 'A', 0, 1);
    }
    EXPECT_EQ(recorder.recordedCount(), 216);
    EXPECT_FALSE(recorder.capture(tables, lock, true, 'Q', 0, 1));
    recorder.stop(tables, lock);
    EXPECT_EQ(tables.userMacros[0].eventCount, 216);
}

TEST(MacroRecorderTest, PressLimitLetsReleasesThrough) {
    MacroTables tables;
    std::shared_mutex lock;
    MacroRecorder recorder;
    recorder.start(tables, lock, 0);
    for (int k = 0; k < 107; ++k) {
        recorder.capture(tables, lock, true, 'A', 0, 1);
        recorder.capture(tables, lock, false, 'A', 0, 1);
    }
    EXPECT_TRUE(recorder.capture(tables, lock, true, 'B', 0, 1)); // press 108
    EXPECT_FALSE(recorder.capture(tables, lock, true, 'C', 0, 1));
    EXPECT_TRUE(recorder.capture(tables, lock, false, 'B', 0, 1));
}

TEST(MacroRecorderTest, ASinglePressKeepsPauseZeroAndLongPausesAreCapped) {
    MacroTables tables;
    std::shared_mutex lock;
    MacroRecorder recorder;
    recorder.start(tables, lock, 0);
    recorder.capture(tables, lock, true, 'A', 4'294'967'000u, 1);
    recorder.stop(tables, lock);
    EXPECT_EQ(tables.userMacros[0].delays[0], 0);
    recorder.start(tables, lock, 0);
    recorder.capture(tables, lock, true, 'A', 4'294'967'000u, 1);
    recorder.capture(tables, lock, false, 'A', 100'000u, 1); // the clock wrapped in between
    EXPECT_EQ(tables.userMacros[0].delays[0], 65535);
}

TEST(KeysymTest, KeysymsGiveVirtualKeys) {
    struct Case {
        std::uint32_t keysym;
        std::uint8_t virtualKey;
    };
    for (const Case& c :
         {Case{'a', 0x41},    Case{'Z', 0x5A},    Case{'0', 0x30},    Case{'!', 0x31},
          Case{')', 0x30},    Case{'?', 0xBF},    Case{0xFFE1, 0xA0}, Case{0xFFE2, 0xA1},
          Case{0xFFE3, 0xA2}, Case{0xFFE4, 0xA3}, Case{0xFFE9, 0xA4}, Case{0xFFEA, 0xA5},
          Case{0xFFEB, 0x5B}, Case{0xFF8D, 0x0D}, Case{0xFFB1, 0x61}, Case{0xFFAB, 0x6B},
          Case{0xFFAF, 0x6F}, Case{0xFFBE, 0x70}, Case{0xFFD5, 0x87}, Case{0xFF51, 0x25},
          Case{0xFF54, 0x28}, Case{0xFF1B, 0x1B}, Case{0xFFFF, 0x2E}, Case{0xFE20, 0x09},
          Case{0x1234, 0}})
        EXPECT_EQ(KeysymToVirtualKey(c.keysym), c.virtualKey) << std::hex << c.keysym;
    static_assert(KeysymToVirtualKey(0xFF0D) == 0x0D);
}

} // namespace
} // namespace zantor::macro
