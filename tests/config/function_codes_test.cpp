#include "config/function_codes.h"

#include <gtest/gtest.h>

namespace zantor {
namespace {

TEST(FunctionCodes, DeviceCodesKindsAndDpiChanges) {
    struct Case {
        int code, deviceCode;
        FunctionKind kind;
        bool changesDpi;
    } cases[] = {
        {0, 0, FunctionKind::None, false},
        {1, 1, FunctionKind::DeviceFunction, false},
        {5, 5, FunctionKind::DeviceFunction, false},
        {6, 6, FunctionKind::DeviceFunction, true},
        {7, 0, FunctionKind::None, false},
        {10, 0, FunctionKind::None, false},
        {11, 7, FunctionKind::DeviceFunction, false},
        {14, 10, FunctionKind::DeviceFunction, false},
        {15, 11, FunctionKind::DeviceFunction, true},
        {16, 12, FunctionKind::DeviceFunction, true},
        {17, 13, FunctionKind::DeviceFunction, false},
        {18, 0, FunctionKind::None, false},
        {21, 0, FunctionKind::MediaKey, false},
        {30, 0, FunctionKind::MediaKey, false},
        {31, 0, FunctionKind::BuiltInMacro, false},
        {38, 0, FunctionKind::BuiltInMacro, false},
        {39, 0, FunctionKind::Calculator, false},
        {40, 0, FunctionKind::Terminal, false},
        {41, 0, FunctionKind::UserMacro, false},
        {52, 0, FunctionKind::UserMacro, false},
        {53, 0, FunctionKind::None, false},
        {-1, -1, FunctionKind::None, false},
        {1000, 0, FunctionKind::None, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(deviceCodeOf(c.code), c.deviceCode);
        EXPECT_EQ(functionKindOf(c.code), c.kind);
        EXPECT_EQ(changesDpiLevel(c.code), c.changesDpi);
    }
}

} // namespace
} // namespace zantor
