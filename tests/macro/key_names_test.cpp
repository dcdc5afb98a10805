#include "macro/key_names.h"

#include <gtest/gtest.h>

namespace zantor::macro {
namespace {

TEST(KeyName, Table) {
    struct Case {
        std::uint8_t code;
        int language;
        std::string_view name;
    } cases[] = {
        {0x04, 1, "A"},
        {0x1D, 1, "Z"},
        {0x1E, 1, "1"},
        {0x26, 1, "9"},
        {0x27, 1, "0"},
        {0x28, 1, "RETURN"},
        {0x31, 1, "\\|"},
        {0x34, 1, " ' "},
        {0x3A, 1, "F1"},
        {0x45, 1, "F12"},
        {0x68, 1, "F13"},
        {0x73, 1, "F24"},
        {0x59, 1, "NUMPAD1"},
        {0x61, 1, "NUMPAD9"},
        {0x62, 1, "NUMPAD0"},
        {0xE2, 1, "LMENU"},
        {0xE7, 1, "RWIN"},
        {0x76, 1, "MENU"},
        {0x58, 1, "NON-AVAILABLE"},
        {0x00, 1, "NON-AVAILABLE"},
        {0x32, 1, "NON-AVAILABLE"},
        {0xDF, 1, "NON-AVAILABLE"},
        {0xF3, 1, "NON-AVAILABLE"},
        {0xFF, 0, "NON-AVAILABLE"},
        {0xF0, 1, "L-KEY"},
        {0xF1, 1, "R-KEY"},
        {0xF2, 1, "M-KEY"},
        {0xF0, 0, "左键"},
        {0xF1, 0, "右键"},
        {0xF2, 2, "中键"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.code));
        EXPECT_EQ(KeyName(c.code, c.language), c.name);
    }
}

TEST(EventLines, PauseLineBeforeEveryEventButTheFirst) {
    MacroRecord m;
    m.eventCount = 3;
    m.events[0] = {0x04, KEY_DOWN};
    m.events[1] = {0xE1, KEY_UP};
    m.events[2] = {0x28, 7};
    m.delays[0] = 30;
    m.delays[1] = 65535;
    EXPECT_EQ(EventLines(m, 0, 1), (std::vector<std::string>{"[↓]A"}));
    EXPECT_EQ(EventLines(m, 1, 1), (std::vector<std::string>{"    30ms", "[↑]LSHIFT"}));
    EXPECT_EQ(EventLines(m, 2, 1), (std::vector<std::string>{"    65535ms", "RETURN"}));
    EXPECT_TRUE(EventLines(m, 255, 1).empty());
}

} // namespace
} // namespace zantor::macro
