#pragma once

#include "macro/editor_texts.h"
#include "macro/macro_recorder.h"
#include "macro/macro_tables.h"

#include <functional>
#include <shared_mutex>
#include <string>
#include <vector>

namespace zantor::macro {

inline constexpr std::size_t kMaxEditedEvents = 254;
inline constexpr std::size_t kMaxNameUnits = kNameUnits - 1; // room for the ending zero

// Where the event list's context menu was opened: the working row, the list's size, its
// selection after the menu, and the macro and event the commands act on.
struct EventListContext {
    int clickedRow = 0;
    int rowCount = 0;
    int selectedRow = -1;
    int macroIndex = 0;
    int eventIndex = 0;
};

// What the editor's four controls show.
struct EditorView {
    std::vector<std::string> macroRows;
    int macroSelection = -1;
    std::vector<std::string> eventRows;
    int eventSelection = -1;
    std::string nameField;
    std::string repeatField = "1";
    bool repeatEnabled = false;
};

// The macro editor on the user table: adding, deleting and recording macros, inserting and
// deleting events, pauses, repeat modes, and what its controls show. Record changes hold
// `lock` exclusively, as the player thread reads the records meanwhile.
class MacroEditor {
public:
    MacroEditor(MacroTables& tables, std::shared_mutex& lock, std::function<int()> language);

    const EditorView& view() const { return view_; }
    EventListContext& context() { return context_; }
    const MacroRecorder& recorder() const { return recorder_; }
    bool recording() const { return recorder_.recording(); }
    int downLines() const { return downLines_; }
    int upLines() const { return upLines_; }

    // The lists again from the table (page opened, macros loaded).
    void Refresh();
    // The user picked row `row` of the macro list.
    void SelectMacro(int row);
    void RefreshEventList(int macro);
    // The name field's text as the user typed it.
    void setNameField(std::string text) { view_.nameField = std::move(text); }
    void setRepeatField(std::string text) { view_.repeatField = std::move(text); }

    EditorMessage AddMacro(std::string name);
    void DeleteMacro();

    // A context-menu command (English or Korean id). `openDelayEdit` says the in-place edit
    // of the working row is to be opened.
    struct CommandResult {
        EditorMessage message = EditorMessage::None;
        bool openDelayEdit = false;
    };
    CommandResult RunEventCommand(int id);
    EditorMessage InsertEvent(int macro, int position, std::uint8_t code, std::uint8_t action);
    void DeleteEvent();
    // A pause line's text after an in-place edit: its number becomes that pause.
    void DelayEdited(int row, const std::string& text);

    // The repeat-count field's text becomes the selected macro's repeat count (1…65535).
    void ReadRepeatCount(const std::string& text);
    void ToggleRepeatCount();
    void ToggleRepeatWhileHeld();

    // Starts or stops recording into the selected macro.
    EditorMessage ToggleRecording();
    // A key stroke while recording; true when it became an event.
    bool CaptureKey(bool down, std::uint8_t virtualKey, std::uint32_t timeMs);

private:
    void appendEventLines(int macro, std::size_t k);
    void selectWorkingRow();
    bool validMacro(int macro) const { return macro >= 0 && macro < tables_.userMacroCount; }

    MacroTables& tables_;
    std::shared_mutex& lock_;
    std::function<int()> language_;
    EditorView view_;
    EventListContext context_;
    MacroRecorder recorder_;
    int downLines_ = 0, upLines_ = 0;
};

// The leading integer of a text (blanks, a sign, digits) held to [low, high]; 0 without digits.
long ParseClampedInt(std::string_view text, long low, long high);
// The name as a macro holds it: at most kMaxNameUnits UTF-16 units.
std::string FitMacroName(std::string_view name);

} // namespace zantor::macro
