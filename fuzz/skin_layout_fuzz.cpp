// Layout values come from files users can edit: split and convert any text without reading past it.
#include "skin/skin_value.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    for (const std::string& field : zantor::skin::SplitSkinValue(value))
        (void)zantor::skin::SkinNumber(field);
    return 0;
}
