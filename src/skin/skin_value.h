#pragma once

#include "platform/profile/profile_store.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zantor::skin {

// The six comma-separated fields of a layout value.
using SkinFields = std::array<std::string, 6>;

// A layout value is read into a buffer of this many characters: at most 259 are seen.
inline constexpr std::size_t kSkinValueBufferSize = 260;

// Splits a value at its commas. Field k is the text after the k-th comma up to the next one; a
// field counts only when the comma that ends it is present, so "3,10,20,30,40,Left," has the
// caption "Left". A field without its closing comma reads empty, and so does every field after
// it: nothing beyond the value's last comma is taken. A value without any comma is field 0 whole.
SkinFields SplitSkinValue(std::string_view value);

// A field as a decimal number, the way the C library's string-to-integer conversion reads it:
// leading white space, an optional sign, then digits up to the first other character. No digits
// read as 0; values beyond the 32-bit range saturate.
std::int32_t SkinNumber(std::string_view field);

// The fields of key `key` (decimal) in `section` of a layout file; a missing file, section or key
// gives six empty fields.
SkinFields ReadSkinValue(const profile::ProfileStore::Snapshot& file, std::string_view section,
                         int key);

} // namespace zantor::skin
