#include "macro/macro_record.h"

#include <vector>

namespace zantor::macro {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Code points of a UTF-8 text; a malformed sequence reads as one replacement character.
std::vector<char32_t> decodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        char32_t c = length == 1   ? lead
                     : length == 2 ? lead & 0x1F
                     : length == 3 ? lead & 0x0F
                                   : lead & 0x07;
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            out.push_back(kReplacement);
            ++i;
        } else {
            out.push_back(c);
            i += length;
        }
    }
    return out;
}

} // namespace

std::string MacroRecord::nameUtf8() const {
    std::string out;
    for (std::size_t u = 0; u < kNameUnits; ++u) {
        const char16_t unit = char16_t(name[2 * u] | name[2 * u + 1] << 8);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit <= 0xDBFF && u + 1 < kNameUnits) {
            const char16_t low = char16_t(name[2 * u + 2] | name[2 * u + 3] << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++u;
                continue;
            }
        }
        appendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
    }
    return out;
}

void MacroRecord::setName(std::string_view utf8) {
    std::vector<char16_t> units;
    for (char32_t c : decodeUtf8(utf8)) {
        if (c == 0)
            break;
        if (c < 0x10000) {
            if (units.size() + 1 > kNameUnits)
                break;
            units.push_back(char16_t(c));
        } else {
            if (units.size() + 2 > kNameUnits)
                break;
            units.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    name.fill(0);
    for (std::size_t u = 0; u < units.size(); ++u) {
        name[2 * u] = std::uint8_t(units[u] & 0xFF);
        name[2 * u + 1] = std::uint8_t(units[u] >> 8);
    }
}

} // namespace zantor::macro
