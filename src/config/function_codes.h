#pragma once

#include <cstdint>

namespace zantor {

// What a button function code makes happen, and who carries it out.
enum class FunctionKind {
    None,           // 0, and the codes no menu produces
    DeviceFunction, // carried out by the mouse
    MediaKey,       // 21…30
    BuiltInMacro,   // 31…38
    Calculator,     // 39
    Terminal,       // 40
    UserMacro,      // 41…52
};

inline constexpr std::int32_t kPrimaryClickCode = 1;

FunctionKind functionKindOf(std::int32_t code);
// The code the mouse gets for a button: its own device functions, 0 for everything the program
// carries out itself. A negative code (only from a file) goes out as it is, in its low 8 bits.
std::int32_t deviceCodeOf(std::int32_t code);
// Functions after which the mouse reports its new DPI level.
bool changesDpiLevel(std::int32_t code);
// Position of the code within its kind: media key, built-in or user macro 0…, device code.
std::int32_t indexWithinKind(std::int32_t code);

} // namespace zantor
