#include "macro/key_names.h"

#include <array>
#include <utility>

namespace zantor::macro {
namespace {

constexpr std::string_view kNotAvailable = "NON-AVAILABLE";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "123456789";
constexpr std::string_view kFunctionKeys[] = {
    "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
constexpr std::string_view kKeypadDigits[] = {"NUMPAD1", "NUMPAD2", "NUMPAD3", "NUMPAD4", "NUMPAD5",
                                              "NUMPAD6", "NUMPAD7", "NUMPAD8", "NUMPAD9"};

constexpr std::pair<std::uint8_t, std::string_view> kFixedNames[] = {
    {0x27, "0"},         {0x28, "RETURN"},   {0x29, "ESCAPE"},   {0x2A, "BACK"},
    {0x2B, "TAB"},       {0x2C, "SPACE"},    {0x2D, "-"},        {0x2E, "+"},
    {0x2F, "[{"},        {0x30, "]}"},       {0x31, "\\|"},      {0x33, ";:"},
    {0x34, " ' "},       {0x35, "`~"},       {0x36, ","},        {0x37, "."},
    {0x38, "/?"},        {0x39, "CAPITAL"},  {0x46, "SNAPSHOT"}, {0x47, "SCROLL"},
    {0x48, "PAUSE"},     {0x49, "INSERT"},   {0x4A, "HOME"},     {0x4B, "PRIOR"},
    {0x4C, "DELETE"},    {0x4D, "END"},      {0x4E, "NEXT"},     {0x4F, "RIGHT"},
    {0x50, "LEFT"},      {0x51, "DOWN"},     {0x52, "UP"},       {0x53, "NUMLOCK"},
    {0x54, "DIVIDE"},    {0x55, "MULTIPLY"}, {0x56, "SUBTRACT"}, {0x57, "ADD"},
    {0x62, "NUMPAD0"},   {0x63, "DECIMAL"},  {0x65, "APPS"},     {0x74, "EXECUTE"},
    {0x75, "HELP"},      {0x76, "MENU"},     {0x77, "SELECT"},   {0x9C, "CLEAR"},
    {0x9F, "SEPARATOR"}, {0xE0, "LCONTROL"}, {0xE1, "LSHIFT"},   {0xE2, "LMENU"},
    {0xE3, "LWIN"},      {0xE4, "RCONTROL"}, {0xE5, "RSHIFT"},   {0xE6, "RMENU"},
    {0xE7, "RWIN"},
};

constexpr std::array<std::string_view, 3> kMouseButtonsEnglish{"L-KEY", "R-KEY", "M-KEY"};
constexpr std::array<std::string_view, 3> kMouseButtonsOther{"左键", "右键", "中键"};

constexpr auto kNames = [] {
    std::array<std::string_view, 256> names{};
    names.fill(kNotAvailable);
    for (int c = 0x04; c <= 0x1D; ++c)
        names[c] = kLetters.substr(c - 0x04, 1);
    for (int c = 0x1E; c <= 0x26; ++c)
        names[c] = kDigits.substr(c - 0x1E, 1);
    for (int i = 0; i < 12; ++i) {
        names[0x3A + i] = kFunctionKeys[i];
        names[0x68 + i] = kFunctionKeys[12 + i];
    }
    for (int i = 0; i < 9; ++i)
        names[0x59 + i] = kKeypadDigits[i];
    for (const auto& [code, name] : kFixedNames)
        names[code] = name;
    return names;
}();

} // namespace

std::string_view KeyName(std::uint8_t code, int language) {
    if (code >= kMouseLeft && code <= kMouseMiddle)
        return (language == 1 ? kMouseButtonsEnglish : kMouseButtonsOther)[code - kMouseLeft];
    return kNames[code];
}

std::vector<std::string> EventLines(const MacroRecord& macro, std::size_t k, int language) {
    std::vector<std::string> lines;
    if (k >= kMaxEvents)
        return lines;
    if (k >= 1)
        lines.push_back("    " + std::to_string(macro.delays[k - 1]) + "ms");
    const MacroEvent& event = macro.events[k];
    const std::string_view mark = event.action == KEY_DOWN ? "[↓]"
                                  : event.action == KEY_UP ? "[↑]"
                                                           : "";
    lines.push_back(std::string(mark) + std::string(KeyName(event.code, language)));
    return lines;
}

} // namespace zantor::macro
