#include "skin/skin_value.h"

#include <limits>

namespace zantor::skin {

SkinFields SplitSkinValue(std::string_view value) {
    SkinFields fields;
    if (value.find(',') == std::string_view::npos) {
        fields[0] = std::string(value);
        return fields;
    }
    std::size_t start = 0;
    for (std::string& field : fields) {
        const std::size_t comma = value.find(',', start);
        if (comma == std::string_view::npos)
            break;
        field = std::string(value.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}

std::int32_t SkinNumber(std::string_view field) {
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    std::size_t i = 0;
    while (i < field.size() && isSpace(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';

    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (field[i] - '0');
        if (magnitude > limit)
            magnitude = limit; // saturated; keeps consuming digits
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

SkinFields ReadSkinValue(const profile::ProfileStore::Snapshot& file, std::string_view section,
                         int key) {
    return SplitSkinValue(file.read(section, std::to_string(key), kSkinValueBufferSize));
}

} // namespace zantor::skin
