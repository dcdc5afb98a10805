#pragma once

#include "skin_description.h"

#include <array>

namespace zantor::skingen {

// The names of the button functions by code, as the menus and button slots show them.
// 1...6 are chosen directly, 7...10 head the second-level menus, 11...17 are the mouse's own
// functions, 21...30 media keys, 31...38 the preset macros, 39 and 40 start programs, 41...52
// name user macros (the window shows the macro's own name), 18...20, 53 and 54 do nothing.
inline constexpr std::array<FunctionName, 54> kFunctionNames{{
    {1, "Left Click", "왼쪽 클릭"},
    {2, "Right Click", "오른쪽 클릭"},
    {3, "Middle Click", "휠 클릭"},
    {4, "Back", "뒤로 가기"},
    {5, "Forward", "앞으로 가기"},
    {6, "DPI Cycle", "DPI 순환"},
    {7, "Mouse Functions", "마우스 기능"},
    {8, "Multimedia", "멀티미디어"},
    {9, "My Macros", "내 매크로"},
    {10, "Preset Macros", "기본 매크로"},
    {11, "Rapid Fire", "연사"},
    {12, "Double Click", "더블 클릭"},
    {13, "Scroll Up", "위로 스크롤"},
    {14, "Scroll Down", "아래로 스크롤"},
    {15, "DPI Up", "DPI 올리기"},
    {16, "DPI Down", "DPI 내리기"},
    {17, "Disable Button", "버튼 끄기"},
    {18, "No Function", "기능 없음"},
    {19, "No Function", "기능 없음"},
    {20, "No Function", "기능 없음"},
    {21, "Web Home", "웹 홈"},
    {22, "Media Player", "미디어 플레이어"},
    {23, "E-mail", "이메일"},
    {24, "Volume Up", "볼륨 크게"},
    {25, "Volume Down", "볼륨 작게"},
    {26, "Previous Track", "이전 트랙"},
    {27, "Next Track", "다음 트랙"},
    {28, "Mute", "음소거"},
    {29, "Play/Pause", "재생/일시정지"},
    {30, "Calculator", "계산기"},
    {31, "Copy", "복사"},
    {32, "Paste", "붙여넣기"},
    {33, "Cut", "잘라내기"},
    {34, "Undo", "실행 취소"},
    {35, "Redo", "다시 실행"},
    {36, "Select All", "모두 선택"},
    {37, "Save", "저장"},
    {38, "Switch Window", "창 전환"},
    {39, "Open Calculator", "계산기 실행"},
    {40, "Open Terminal", "터미널 실행"},
    {41, "Macro 1", "매크로 1"},
    {42, "Macro 2", "매크로 2"},
    {43, "Macro 3", "매크로 3"},
    {44, "Macro 4", "매크로 4"},
    {45, "Macro 5", "매크로 5"},
    {46, "Macro 6", "매크로 6"},
    {47, "Macro 7", "매크로 7"},
    {48, "Macro 8", "매크로 8"},
    {49, "Macro 9", "매크로 9"},
    {50, "Macro 10", "매크로 10"},
    {51, "Macro 11", "매크로 11"},
    {52, "Macro 12", "매크로 12"},
    {53, "No Function", "기능 없음"},
    {54, "No Function", "기능 없음"},
}};

} // namespace zantor::skingen
