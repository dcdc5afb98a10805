#include "macro/key_codes.h"
#include "macro/macro_codec.h"

#include <gtest/gtest.h>

namespace zantor::macro {
namespace {

std::string fields(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%03d", v);
        out += buffer;
    }
    return out;
}

std::string zeros(int count) {
    return std::string(3 * count, '0');
}

MacroRecord ab() {
    MacroRecord m;
    m.setName("Ab");
    m.mode = MACRO_REPEAT;
    m.repeatCount = 300;
    m.eventCount = 1;
    m.events[0] = {0x04, KEY_DOWN};
    m.delays[0] = 30;
    return m;
}

TEST(MacroCodec, EncodesEveryFieldAsThreeDigits) {
    const std::string expected = fields({65, 0, 98, 0}) + zeros(36) + fields({1, 44, 1, 1}) +
                                 fields({65, 1, 30, 0}) + zeros(1016);
    EXPECT_EQ(EncodeMacro(ab()), expected);
    EXPECT_EQ(expected.size(), kEncodedLength);
    EXPECT_EQ(DecodeMacro(expected, 1), ab());
}

TEST(MacroCodec, KeyCodesRoundTripThroughVirtualKeys) {
    struct Case {
        const char* name;
        std::uint8_t usage;
        int field;
        std::uint8_t loadsAs;
        int language;
    } cases[] = {
        {"A", 0x04, 65, 0x04, 1},
        {"keypad Enter is not in the table", 0x58, 88, 0x1B, 1},
        {"non-US hash is not in the table", 0x32, 50, 0x1F, 1},
        {"right mouse button", 0xF1, 241, 0xF1, 1},
        {"left Ctrl", 0xE0, 162, 0xE0, 1},
        {"F24", 0x73, 135, 0x73, 1},
        {"keypad 0", 0x62, 96, 0x62, 0},
        {"keypad *", 0x55, 106, 0x55, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MacroRecord m;
        m.events[3] = {c.usage, KEY_UP};
        const std::string text = EncodeMacro(m);
        EXPECT_EQ(text.substr(3 * (44 + 12), 3), fields({c.field}));
        EXPECT_EQ(DecodeMacro(text, c.language).events[3].code, c.loadsAs);
    }
    EXPECT_EQ(VirtualKeyToHid(223, 0), 0x55) << "223 is keypad * for the Korean interface";
    EXPECT_EQ(VirtualKeyToHid(223, 1), 223);
    EXPECT_EQ(VirtualKeyToHid(223, 2), 223);
}

TEST(MacroCodec, ShortOrMalformedTextReadsFieldByField) {
    struct Case {
        const char* name;
        std::string text;
        std::uint8_t firstNameByte, secondNameByte;
    } cases[] = {
        {"empty", "", 0, 0},
        {"cut inside a field", "06507", 65, 7},
        {"non-digits", "x12abc", 0, 0},
        {"above 255 keeps the low 8 bits", "999256", 231, 0},
        {"a sign", "-01", 255, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MacroRecord m = DecodeMacro(c.text, 1);
        EXPECT_EQ(m.name[0], c.firstNameByte);
        EXPECT_EQ(m.name[1], c.secondNameByte);
        EXPECT_EQ(m.eventCount, 0);
    }
}

TEST(MacroCodec, TheLastSlotsDelayKeepsItsHighByte) {
    MacroRecord m;
    m.events[254] = {0x28, KEY_DOWN};
    m.delays[254] = 300;
    m.delays[0] = 65535;
    const MacroRecord back = DecodeMacro(EncodeMacro(m), 1);
    EXPECT_EQ(back.delays[254], 300);
    EXPECT_EQ(back.delays[0], 65535);
    EXPECT_EQ(back, m);
}

} // namespace
} // namespace zantor::macro
