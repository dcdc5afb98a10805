#include "config/function_codes.h"

#include <array>

namespace zantor {
namespace {

struct CodeRange {
    std::int32_t first, last;
    FunctionKind kind;
    std::int32_t firstDeviceCode; // 0: the mouse does nothing itself
};

constexpr CodeRange kCodeRanges[] = {
    {1, 6, FunctionKind::DeviceFunction, 1},    {11, 14, FunctionKind::DeviceFunction, 7},
    {15, 16, FunctionKind::DeviceFunction, 11}, {17, 17, FunctionKind::DeviceFunction, 13},
    {21, 30, FunctionKind::MediaKey, 0},        {31, 38, FunctionKind::BuiltInMacro, 0},
    {39, 39, FunctionKind::Calculator, 0},      {40, 40, FunctionKind::Terminal, 0},
    {41, 52, FunctionKind::UserMacro, 0},
};

constexpr std::array<std::int32_t, 3> kDpiChangingCodes{6, 15, 16};

const CodeRange* rangeOf(std::int32_t code) {
    for (const CodeRange& r : kCodeRanges)
        if (code >= r.first && code <= r.last)
            return &r;
    return nullptr;
}

} // namespace

FunctionKind functionKindOf(std::int32_t code) {
    const CodeRange* r = rangeOf(code);
    return r ? r->kind : FunctionKind::None;
}

std::int32_t deviceCodeOf(std::int32_t code) {
    if (code < 0)
        return code; // sent as its low 8 bits, like the codes the mouse knows
    const CodeRange* r = rangeOf(code);
    return r && r->firstDeviceCode ? r->firstDeviceCode + (code - r->first) : 0;
}

bool changesDpiLevel(std::int32_t code) {
    for (auto c : kDpiChangingCodes)
        if (c == code)
            return true;
    return false;
}

std::int32_t indexWithinKind(std::int32_t code) {
    const CodeRange* r = rangeOf(code);
    if (!r)
        return 0;
    if (r->kind == FunctionKind::DeviceFunction)
        return deviceCodeOf(code);
    // Ranges of one kind other than device functions are contiguous.
    for (const CodeRange& first : kCodeRanges)
        if (first.kind == r->kind)
            return code - first.first;
    return 0;
}

} // namespace zantor
