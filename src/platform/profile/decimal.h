#pragma once

#include <cstdint>
#include <string_view>

namespace zantor::profile {

// The C library's decimal conversion of a stored value: leading blanks and one sign accepted,
// conversion stops at the first non-digit, no digits gives 0. Values are short (the read buffer
// cuts them), and longer runs of digits saturate instead of overflowing.
constexpr std::int32_t parseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX)
            return negative ? INT32_MIN : INT32_MAX;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace zantor::profile
