#include "macro/macro_codec.h"

#include "macro/key_codes.h"
#include "platform/profile/decimal.h"

#include <algorithm>
#include <array>

namespace zantor::macro {
namespace {

constexpr std::size_t kModeField = kNameBytes;
constexpr std::size_t kFirstEventField = kNameBytes + 4;

// The record as the byte sequence the fields carry, in file order.
std::array<std::uint8_t, kEncodedFields> fieldsOf(const MacroRecord& m) {
    std::array<std::uint8_t, kEncodedFields> f{};
    std::copy(m.name.begin(), m.name.end(), f.begin());
    f[kModeField] = m.mode;
    f[kModeField + 1] = std::uint8_t(m.repeatCount & 0xFF);
    f[kModeField + 2] = std::uint8_t(m.repeatCount >> 8);
    f[kModeField + 3] = m.eventCount;
    for (std::size_t k = 0; k < kMaxEvents; ++k) {
        std::uint8_t* slot = &f[kFirstEventField + 4 * k];
        slot[0] = HidToVirtualKey(m.events[k].code);
        slot[1] = m.events[k].action;
        slot[2] = std::uint8_t(m.delays[k] & 0xFF);
        slot[3] = std::uint8_t(m.delays[k] >> 8);
    }
    return f;
}

} // namespace

std::string EncodeMacro(const MacroRecord& macro) {
    std::string text(kEncodedLength, '0');
    const auto fields = fieldsOf(macro);
    for (std::size_t d = 0; d < kEncodedFields; ++d) {
        text[3 * d] = char('0' + fields[d] / 100);
        text[3 * d + 1] = char('0' + fields[d] / 10 % 10);
        text[3 * d + 2] = char('0' + fields[d] % 10);
    }
    return text;
}

MacroRecord DecodeMacro(std::string_view text, int language) {
    const auto field = [&](std::size_t d) -> std::uint8_t {
        const std::size_t at = 3 * d;
        return at < text.size() ? std::uint8_t(profile::parseDecimal(text.substr(at, 3)) & 0xFF)
                                : 0;
    };
    MacroRecord m;
    for (std::size_t i = 0; i < kNameBytes; ++i)
        m.name[i] = field(i);
    m.mode = field(kModeField);
    m.repeatCount = std::uint16_t(field(kModeField + 1) | field(kModeField + 2) << 8);
    m.eventCount = field(kModeField + 3);
    for (std::size_t k = 0; k < kMaxEvents; ++k) {
        const std::size_t d = kFirstEventField + 4 * k;
        m.events[k] = MacroEvent{VirtualKeyToHid(field(d), language), field(d + 1)};
        m.delays[k] = std::uint16_t(field(d + 2) | field(d + 3) << 8);
    }
    return m;
}

} // namespace zantor::macro
