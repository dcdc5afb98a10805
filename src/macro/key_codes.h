#pragma once

#include <cstdint>

namespace zantor::macro {

// Macro files store keyboard events as Windows virtual-key codes; memory holds HID usages.
// Codes the table does not list pass unchanged both ways (so the mouse buttons 0xF0…0xF2 too).
std::uint8_t HidToVirtualKey(std::uint8_t usage);
// With the Korean interface (language 0) the file value 223 also reads as keypad *.
std::uint8_t VirtualKeyToHid(std::uint8_t virtualKey, int language);

} // namespace zantor::macro
