#pragma once

#include "macro/macro_record.h"

#include <array>
#include <cstdint>

namespace zantor::macro {

inline constexpr std::size_t MAX_USER_MACROS = 12;
inline constexpr std::size_t kBuiltInMacroCapacity = 8; // the ones button functions reach

inline constexpr std::int32_t kFirstBuiltInMacroCode = 31;
inline constexpr std::int32_t kFirstUserMacroCode = 41;

// The user macros (recorded and edited) and the built-in ones (read from a file only). Records
// past a table's count keep whatever an earlier load left; a function code that points there
// plays that record, as the tables are fixed arrays.
struct MacroTables {
    std::array<MacroRecord, MAX_USER_MACROS> userMacros{};
    std::uint16_t userMacroCount = 0;
    std::array<MacroRecord, kBuiltInMacroCapacity> builtInMacros{};
    std::uint16_t builtInMacroCount = 0;
    std::int32_t selectedMacro = 0;

    // The record a button function code plays, or nullptr for codes that play no macro.
    const MacroRecord* userMacroForCode(std::int32_t code) const {
        const auto k = code - kFirstUserMacroCode;
        return k >= 0 && k < std::int32_t(MAX_USER_MACROS) ? &userMacros[k] : nullptr;
    }
    const MacroRecord* builtInMacroForCode(std::int32_t code) const {
        const auto k = code - kFirstBuiltInMacroCode;
        return k >= 0 && k < std::int32_t(kBuiltInMacroCapacity) ? &builtInMacros[k] : nullptr;
    }
};

} // namespace zantor::macro
