#pragma once

#include "macro/macro_record.h"

#include <string>
#include <string_view>

namespace zantor::macro {

// A macro in a file: 1064 fields of three zero-padded decimal digits, no separators: the 40
// name bytes, mode, repeat count (low, high), event count, then for each of the 255 event
// slots the code as a virtual key, the action and the delay (low, high).
inline constexpr std::size_t kEncodedFields = kNameBytes + 4 + kMaxEvents * 4;
inline constexpr std::size_t kEncodedLength = kEncodedFields * 3; // 3192

std::string EncodeMacro(const MacroRecord& macro);

// Reads every field of a record from text: a field converts by its leading digits, takes the
// low 8 bits, and reads as 0 where the text is short or has no digits there.
MacroRecord DecodeMacro(std::string_view text, int language);

} // namespace zantor::macro
