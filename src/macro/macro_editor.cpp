#include "macro/macro_editor.h"

#include "macro/key_names.h"

#include <algorithm>
#include <cctype>
#include <mutex>

namespace zantor::macro {

long ParseClampedInt(std::string_view text, long low, long high) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), high + 1L); // saturates, never overflows
    return std::clamp(negative ? -value : value, low, high);
}

std::string FitMacroName(std::string_view name) {
    MacroRecord record;
    record.setName(name);
    auto unit = [&](std::size_t k) {
        return std::uint16_t(record.name[2 * k] | record.name[2 * k + 1] << 8);
    };
    const std::size_t last = kMaxNameUnits; // the unit the ending zero needs
    record.name[2 * last] = record.name[2 * last + 1] = 0;
    if (const auto before = unit(last - 1); before >= 0xD800 && before <= 0xDBFF)
        record.name[2 * (last - 1)] = record.name[2 * (last - 1) + 1] = 0; // half a pair
    return record.nameUtf8();
}

MacroEditor::MacroEditor(MacroTables& tables, std::shared_mutex& lock,
                         std::function<int()> language)
    : tables_(tables), lock_(lock), language_(std::move(language)) {}

void MacroEditor::Refresh() {
    view_.macroRows.clear();
    view_.macroSelection = -1;
    if (tables_.userMacroCount == 0) {
        view_.nameField.clear();
        RefreshEventList(-1);
        return;
    }
    for (int i = 0; i < tables_.userMacroCount; ++i)
        view_.macroRows.push_back(tables_.userMacros[std::size_t(i)].nameUtf8());
    const int last = int(view_.macroRows.size()) - 1;
    SelectMacro(std::clamp(tables_.selectedMacro, 0, last));
}

void MacroEditor::SelectMacro(int row) {
    if (row < 0 || row >= int(view_.macroRows.size()))
        return;
    tables_.selectedMacro = row;
    view_.macroSelection = row;
    view_.nameField = view_.macroRows[std::size_t(row)];
    RefreshEventList(row);
}

void MacroEditor::RefreshEventList(int macro) {
    view_.eventRows.clear();
    view_.eventSelection = -1;
    downLines_ = upLines_ = 0;
    if (!validMacro(macro)) {
        view_.repeatField = "1";
        view_.repeatEnabled = false;
        return;
    }
    const MacroRecord& record = tables_.userMacros[std::size_t(macro)];
    for (std::size_t k = 0; k < record.eventCount; ++k)
        appendEventLines(macro, k);
    // Also for a macro without events: the field must not keep another macro's count.
    view_.repeatEnabled = record.mode == MACRO_REPEAT;
    view_.repeatField = view_.repeatEnabled ? std::to_string(record.repeatCount) : "1";
}

void MacroEditor::appendEventLines(int macro, std::size_t k) {
    const MacroRecord& record = tables_.userMacros[std::size_t(macro)];
    for (std::string& line : EventLines(record, k, language_()))
        view_.eventRows.push_back(std::move(line));
    if (record.events[k].action == KEY_DOWN)
        ++downLines_;
    else if (record.events[k].action == KEY_UP)
        ++upLines_;
    selectWorkingRow();
}

void MacroEditor::selectWorkingRow() {
    const int rows = int(view_.eventRows.size());
    const int row = recording() ? rows - 1 : context_.clickedRow;
    view_.eventSelection = row >= 0 && row < rows ? row : -1;
}

EditorMessage MacroEditor::AddMacro(std::string text) {
    view_.nameField = text;
    if (tables_.userMacroCount >= MAX_USER_MACROS)
        return EditorMessage::CountExceeded;
    if (text.empty())
        return EditorMessage::EnterName;
    const std::string name = FitMacroName(text);
    int i = 0;
    while (i < tables_.userMacroCount && tables_.userMacros[std::size_t(i)].nameUtf8() != name)
        ++i;
    tables_.selectedMacro = i;
    EditorMessage message = EditorMessage::None;
    if (i == tables_.userMacroCount) {
        {
            // A slot past the count may still hold an older load's events: start it empty.
            std::unique_lock guard(lock_);
            MacroRecord& record = tables_.userMacros[std::size_t(i)];
            record = MacroRecord{};
            record.setName(name);
            record.repeatCount = 1;
            ++tables_.userMacroCount;
        }
        view_.macroRows.push_back(name);
        RefreshEventList(i);
    } else {
        message = EditorMessage::RepeatName;
    }
    view_.macroSelection = i;
    return message;
}

void MacroEditor::DeleteMacro() {
    const int s = view_.macroSelection;
    if (view_.macroRows.empty() || recording() || !validMacro(s))
        return;
    {
        std::unique_lock guard(lock_);
        auto& macros = tables_.userMacros;
        std::move(macros.begin() + s + 1, macros.begin() + tables_.userMacroCount,
                  macros.begin() + s);
        MacroRecord& freed = macros[std::size_t(tables_.userMacroCount - 1)];
        freed.name.fill(0);
        freed.mode = MACRO_ONCE;
        freed.repeatCount = 1;
        freed.eventCount = 0;
        --tables_.userMacroCount;
    }
    view_.macroRows.erase(view_.macroRows.begin() + s);
    const int n = s > 0 ? s - 1 : 0;
    tables_.selectedMacro = n;
    if (view_.macroRows.empty()) {
        view_.macroSelection = -1;
        view_.nameField.clear();
    } else {
        view_.macroSelection = n;
        view_.nameField = view_.macroRows[std::size_t(n)];
    }
    RefreshEventList(n);
}

MacroEditor::CommandResult MacroEditor::RunEventCommand(int id) {
    const EventCommand* command = FindEventCommand(id);
    if (!command || recording())
        return {};
    const EventListContext& c = context_;
    switch (command->kind) {
    case EventCommandKind::InsertBefore:
        return {InsertEvent(c.macroIndex, c.eventIndex, command->code, command->action)};
    case EventCommandKind::InsertAfter:
        return {InsertEvent(c.macroIndex, c.rowCount == 0 ? 0 : c.eventIndex + 1, command->code,
                            command->action)};
    case EventCommandKind::ModifyDelay:
        return {EditorMessage::None, c.rowCount != 0 && c.clickedRow % 2 == 1 &&
                                         c.clickedRow < int(view_.eventRows.size())};
    case EventCommandKind::Delete:
        DeleteEvent();
        return {};
    }
    return {};
}

EditorMessage MacroEditor::InsertEvent(int macro, int position, std::uint8_t code,
                                       std::uint8_t action) {
    if (!validMacro(macro))
        return EditorMessage::None;
    MacroRecord& record = tables_.userMacros[std::size_t(macro)];
    if (record.eventCount + 1u > kMaxEditedEvents)
        return EditorMessage::Overflow;
    const int count = record.eventCount;
    const int pos = std::clamp(position, 0, count);
    {
        std::unique_lock guard(lock_);
        std::move_backward(record.events.begin() + pos, record.events.begin() + count,
                           record.events.begin() + count + 1);
        std::move_backward(record.delays.begin() + pos, record.delays.begin() + count,
                           record.delays.begin() + count + 1);
        record.events[std::size_t(pos)] = MacroEvent{code, action};
        record.delays[std::size_t(pos)] = kInsertedEventDelay;
        ++record.eventCount;
    }
    context_.clickedRow += 2;
    RefreshEventList(macro);
    return EditorMessage::None;
}

void MacroEditor::DeleteEvent() {
    const int macro = context_.macroIndex;
    if (!validMacro(macro))
        return;
    MacroRecord& record = tables_.userMacros[std::size_t(macro)];
    const int k = context_.eventIndex;
    // Only an event the list shows: never another one in its place.
    if (k >= 0 && k < record.eventCount) {
        std::unique_lock guard(lock_);
        const int count = record.eventCount;
        std::move(record.events.begin() + k + 1, record.events.begin() + count,
                  record.events.begin() + k);
        std::move(record.delays.begin() + k + 1, record.delays.begin() + count,
                  record.delays.begin() + k);
        --record.eventCount;
    }
    context_.clickedRow = context_.clickedRow > 2 ? context_.clickedRow - 2 : 0;
    RefreshEventList(macro);
}

void MacroEditor::DelayEdited(int row, const std::string& text) {
    const int macro = context_.macroIndex;
    // Only a pause line: an event line's text is no pause.
    if (!validMacro(macro) || row < 0 || row % 2 == 0 || row >= int(view_.eventRows.size()))
        return;
    const std::string number = text.substr(0, text.find("ms"));
    const auto value = std::uint16_t(ParseClampedInt(number, 0, 65535));
    {
        std::unique_lock guard(lock_);
        tables_.userMacros[std::size_t(macro)].delays[std::size_t(row / 2)] = value;
    }
    RefreshEventList(macro);
}

void MacroEditor::ReadRepeatCount(const std::string& text) {
    const long parsed = ParseClampedInt(text, 0, 65536);
    const long value = std::clamp(parsed, 1L, 65535L);
    if (value != parsed)
        view_.repeatField = std::to_string(value);
    if (!validMacro(tables_.selectedMacro))
        return;
    std::unique_lock guard(lock_);
    tables_.userMacros[std::size_t(tables_.selectedMacro)].repeatCount = std::uint16_t(value);
}

void MacroEditor::ToggleRepeatCount() {
    if (!validMacro(tables_.selectedMacro))
        return;
    MacroRecord& record = tables_.userMacros[std::size_t(tables_.selectedMacro)];
    std::unique_lock guard(lock_);
    if (!(record.mode & MACRO_REPEAT)) {
        record.mode = MACRO_REPEAT;
        view_.repeatField = std::to_string(record.repeatCount);
        view_.repeatEnabled = true;
    } else {
        record.mode = MACRO_ONCE;
        view_.repeatField = "1";
        view_.repeatEnabled = false;
    }
}

void MacroEditor::ToggleRepeatWhileHeld() {
    if (!validMacro(tables_.selectedMacro))
        return;
    MacroRecord& record = tables_.userMacros[std::size_t(tables_.selectedMacro)];
    std::unique_lock guard(lock_);
    if (record.mode & MACRO_WHILE_HELD) {
        record.mode = MACRO_ONCE;
    } else {
        record.mode = MACRO_WHILE_HELD;
        view_.repeatField = "1";
        view_.repeatEnabled = false;
    }
}

EditorMessage MacroEditor::ToggleRecording() {
    if (view_.macroRows.empty())
        return EditorMessage::SelectFirst;
    if (recording()) {
        recorder_.stop(tables_, lock_);
        return EditorMessage::None;
    }
    const int s = std::max(view_.macroSelection, 0);
    recorder_.start(tables_, lock_, s);
    tables_.selectedMacro = s;
    view_.macroSelection = s;
    view_.repeatField = "1";
    view_.repeatEnabled = false;
    view_.eventRows.clear();
    view_.eventSelection = -1;
    downLines_ = upLines_ = 0;
    return EditorMessage::None;
}

bool MacroEditor::CaptureKey(bool down, std::uint8_t virtualKey, std::uint32_t timeMs) {
    const auto index = recorder_.capture(tables_, lock_, down, virtualKey, timeMs, language_());
    if (!index)
        return false;
    appendEventLines(recorder_.recordingMacro(), std::size_t(*index));
    return true;
}

} // namespace zantor::macro
