#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zantor::macro {

// What an editor or recorder command has to tell the user.
enum class EditorMessage : std::uint8_t {
    None,
    CountExceeded, // a 13th macro
    EnterName,     // adding a macro without a name
    RepeatName,    // adding a macro whose name exists
    Overflow,      // a 255th event
    SelectFirst,   // recording with no macro in the list
};

struct EditorText {
    EditorMessage message;
    std::string_view english, korean;
};

inline constexpr std::array<EditorText, 5> kEditorTexts{{
    {EditorMessage::CountExceeded, "The number is exceeded", "매크로 수량 제한 초과"},
    {EditorMessage::EnterName, "Please enter a name", "우선 명칭 을 입력 하 세 요"},
    {EditorMessage::RepeatName, "Repeat name", "동명"},
    {EditorMessage::Overflow, "Overflow!!!", "Overflow!!!"},
    {EditorMessage::SelectFirst, "Select item first", "우선 매크로 를 선택 하 세 요"},
}};

// The text in the interface language (Korean for 0); empty for None.
constexpr std::string_view EditorMessageText(EditorMessage message, int language) {
    for (const EditorText& text : kEditorTexts)
        if (text.message == message)
            return language == 0 ? text.korean : text.english;
    return {};
}

// The event list's context-menu commands, English and Korean ids alike.
enum class EventCommandKind : std::uint8_t { InsertBefore, InsertAfter, ModifyDelay, Delete };

struct EventCommand {
    int englishId, koreanId;
    EventCommandKind kind;
    std::uint8_t code = 0, action = 0; // the inserted event
};

inline constexpr std::array<EventCommand, 14> kEventCommands{{
    {32802, 32817, EventCommandKind::InsertBefore, 0xF0, 1},
    {32803, 32818, EventCommandKind::InsertBefore, 0xF0, 2},
    {32804, 32820, EventCommandKind::InsertBefore, 0xF1, 1},
    {32805, 32821, EventCommandKind::InsertBefore, 0xF1, 2},
    {32806, 32823, EventCommandKind::InsertBefore, 0xF2, 1},
    {32807, 32824, EventCommandKind::InsertBefore, 0xF2, 2},
    {32809, 32829, EventCommandKind::InsertAfter, 0xF0, 1},
    {32810, 32830, EventCommandKind::InsertAfter, 0xF0, 2},
    {32811, 32831, EventCommandKind::InsertAfter, 0xF1, 1},
    {32812, 32832, EventCommandKind::InsertAfter, 0xF1, 2},
    {32813, 32833, EventCommandKind::InsertAfter, 0xF2, 1},
    {32814, 32834, EventCommandKind::InsertAfter, 0xF2, 2},
    {32780, 32835, EventCommandKind::ModifyDelay},
    {32781, 32836, EventCommandKind::Delete},
}};

constexpr const EventCommand* FindEventCommand(int id) {
    for (const EventCommand& command : kEventCommands)
        if (command.englishId == id || command.koreanId == id)
            return &command;
    return nullptr;
}

} // namespace zantor::macro
