#include "macro/macro_record.h"
#include "macro/macro_tables.h"

#include <gtest/gtest.h>

namespace zantor::macro {
namespace {

TEST(MacroRecord, PassesAndStopOnRelease) {
    struct Case {
        const char* name;
        std::uint8_t mode;
        std::uint16_t repeatCount;
        bool user;
        std::uint32_t passes;
        bool stops;
    } cases[] = {
        {"once", 0, 7, true, 1, false},
        {"repeat", 1, 300, true, 300, false},
        {"repeat zero times", 1, 0, true, 0, false},
        {"while held", 2, 5, true, WHILE_HELD_PASSES, true},
        {"mode 3 is while held", 3, 5, true, WHILE_HELD_PASSES, true},
        {"mode 4 is repeat", 4, 5, true, 5, false},
        {"built-in while held plays once", 2, 5, false, 1, false},
        {"built-in repeat plays once", 1, 9, false, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MacroRecord m;
        m.mode = c.mode;
        m.repeatCount = c.repeatCount;
        EXPECT_EQ(PassesFor(m, c.user), c.passes);
        EXPECT_EQ(StopsOnRelease(m, c.user), c.stops);
    }
}

TEST(MacroRecord, NamesAreTwentyUtf16Units) {
    MacroRecord m;
    m.setName("Ab");
    EXPECT_EQ(m.name[0], 'A');
    EXPECT_EQ(m.name[1], 0);
    EXPECT_EQ(m.name[2], 'b');
    EXPECT_EQ(m.name[4], 0);
    EXPECT_EQ(m.nameUtf8(), "Ab");

    m.setName("복사하기");
    EXPECT_EQ(m.name[0], 0xF5); // U+BCF5, low byte first
    EXPECT_EQ(m.name[1], 0xBC);
    EXPECT_EQ(m.nameUtf8(), "복사하기");

    m.setName("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(m.nameUtf8(), "abcdefghijklmnopqrst");

    m.setName("0123456789012345678😀"); // the pair would not fit in the last unit
    EXPECT_EQ(m.nameUtf8(), "0123456789012345678");

    m.name.fill(0);
    m.name[0] = 0x00;
    m.name[1] = 0xD8; // a lone surrogate from a file
    m.name[2] = 'x';
    EXPECT_EQ(m.nameUtf8(), "\xEF\xBF\xBDx");
}

TEST(MacroTables, CodesReachTheirRecords) {
    MacroTables t;
    EXPECT_EQ(t.userMacroForCode(41), &t.userMacros[0]);
    EXPECT_EQ(t.userMacroForCode(52), &t.userMacros[11]);
    EXPECT_EQ(t.userMacroForCode(53), nullptr);
    EXPECT_EQ(t.userMacroForCode(40), nullptr);
    EXPECT_EQ(t.builtInMacroForCode(31), &t.builtInMacros[0]);
    EXPECT_EQ(t.builtInMacroForCode(38), &t.builtInMacros[7]);
    EXPECT_EQ(t.builtInMacroForCode(39), nullptr);
}

} // namespace
} // namespace zantor::macro
