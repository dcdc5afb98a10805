#include "skin_description.h"

#include "function_name_texts.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zantor::skingen {
namespace {

// The shared frame: window bar, profiles column and bottom bar (main entries 0...19).
std::vector<Entry> frameEntries() {
    return {
        {0,
         {546, 558, 104, 30},
         Look::Button,
         "Save",
         "저장",
         "save the profile (release)",
         Icon::Save},
        {1, {24, 74, 150, 22}, Look::Heading, "PROFILES", "프로필", "title of the profile column"},
        {2,
         {390, 558, 150, 30},
         Look::Button,
         "Hide to tray",
         "트레이로 숨기기",
         "send to tray (release)",
         Icon::Tray},
        {3,
         {656, 558, 106, 30},
         Look::PrimaryButton,
         "Apply",
         "적용",
         "apply to the mouse (release)",
         Icon::Apply},
        {4, {24, 104, 150, 34}, Look::Choice, "Profile 1", "프로필 1", "profile 1 (release)"},
        {5, {24, 144, 150, 34}, Look::Choice, "Profile 2", "프로필 2", "profile 2 (release)"},
        {6, {24, 184, 150, 34}, Look::Choice, "Profile 3", "프로필 3", "profile 3 (release)"},
        {7, {24, 224, 150, 34}, Look::Choice, "Profile 4", "프로필 4", "profile 4 (release)"},
        {8, {24, 264, 150, 34}, Look::Choice, "Profile 5", "프로필 5", "profile 5 (release)"},
        {9, {262, 12, 128, 34}, Look::Tab, "BUTTONS & DPI", "버튼 · DPI", "main page tab (press)"},
        {10, {394, 12, 128, 34}, Look::Tab, "ADVANCED", "고급 설정", "advanced page tab (press)"},
        {11, {526, 12, 128, 34}, Look::Tab, "LIGHTING", "조명", "lighting page tab (press)"},
        {12, {718, 12, 32, 28}, Look::WindowButton, "", "", "minimise (release)", Icon::Minimise},
        {13,
         {754, 12, 32, 28},
         Look::WindowButton,
         "",
         "",
         "close to the tray (release)",
         Icon::Close},
        {14,
         {24, 328, 150, 32},
         Look::Button,
         "Import profile",
         "프로필 가져오기",
         "import a profile (release)",
         Icon::Import},
        {15,
         {24, 366, 150, 32},
         Look::Button,
         "Export profile",
         "프로필 내보내기",
         "export the profile (release)",
         Icon::Export},
        {16,
         {24, 404, 150, 32},
         Look::Button,
         "Factory reset",
         "공장 초기화",
         "factory reset (release)",
         Icon::Reset},
        {17, {22, 558, 76, 30}, Look::Choice, "한국어", "한국어", "Korean interface (release)"},
        {18, {102, 558, 76, 30}, Look::Choice, "English", "English", "English interface (release)"},
        {19,
         {196, 558, 128, 30},
         Look::Button,
         "Website",
         "홈페이지",
         "open the web site (release, main page)",
         Icon::Globe},
    };
}

// Where the main page draws its mouse, and how large.
constexpr MousePlacement kMainMouse{434, 101, 0.95};

// DPI table: six levels of twelve step cells.
constexpr int kDpiRowTop = 374;
constexpr int kDpiRowPitch = 26;
constexpr int kDpiRowHeight = 23;
constexpr int kCellLeft = 352;
constexpr int kCellWidth = 35;

std::vector<Entry> mainEntries() {
    std::vector<Entry> e = {
        {20, {208, 122, 160, 30}, Look::Slot, "", "", "left button function (press)"},
        {21, {614, 122, 160, 30}, Look::Slot, "", "", "right button function (press)"},
        {22, {614, 184, 160, 30}, Look::Slot, "", "", "wheel button function (press)"},
        {23, {208, 184, 160, 30}, Look::Slot, "", "", "forward button function (press)"},
        {24, {208, 246, 160, 30}, Look::Slot, "", "", "back button function (press)"},
        {25, {614, 246, 160, 30}, Look::Slot, "", "", "DPI button function (press)"},
        {26, {208, 104, 160, 18}, Look::Label, "Left button", "왼쪽 버튼", "label"},
        {27, {614, 104, 160, 18}, Look::Label, "Right button", "오른쪽 버튼", "label"},
        {28, {614, 166, 160, 18}, Look::Label, "Wheel button", "휠 버튼", "label"},
        {29, {208, 166, 160, 18}, Look::Label, "Forward button", "앞으로 버튼", "label"},
        {30, {208, 228, 160, 18}, Look::Label, "Back button", "뒤로 버튼", "label"},
        {31, {614, 228, 160, 18}, Look::Label, "DPI button", "DPI 버튼", "label"},
        {32, {456, 278, 72, 26}, Look::Choice, "Standard", "표준", "wheel setting 0 (press)"},
        {33, {532, 278, 72, 26}, Look::Choice, "Alternate", "대체", "wheel setting 1 (press)"},
        {34, {206, 74, 570, 22}, Look::Heading, "BUTTON ASSIGNMENT", "버튼 설정", "title"},
        {35, {380, 278, 72, 26}, Look::Label, "Wheel", "휠 모드", "label"},
        {36, {206, 326, 570, 22}, Look::Heading, "DPI LEVELS", "DPI 단계", "title"},
        {37, {208, 354, 56, 16}, Look::Label, "Level", "단계", "column title"},
        {38, {268, 354, 40, 16}, Look::Label, "Color", "색상", "column title"},
        {39, {312, 354, 32, 16}, Look::Label, "On", "사용", "column title"},
    };
    for (int i = 0; i < 6; ++i) {
        const int y = kDpiRowTop + kDpiRowPitch * i;
        e.push_back({41 + i,
                     {274, y + 4, 28, kDpiRowHeight - 8},
                     Look::Swatch,
                     "",
                     "",
                     "DPI level colour (press)"});
        e.push_back(
            {47 + i, {319, y + 3, 17, 17}, Look::Check, "", "", "DPI level on/off (press)"});
        e.push_back({60 + i,
                     {208, y, 56, kDpiRowHeight},
                     Look::LevelChoice,
                     "",
                     "",
                     "active DPI level (press)",
                     Icon::None,
                     i + 1});
        for (int j = 0; j < 12; ++j)
            e.push_back({66 + 12 * i + j,
                         {kCellLeft + kCellWidth * j, y, kCellWidth, kDpiRowHeight},
                         Look::Cell,
                         "",
                         "",
                         "DPI step cell (press)",
                         Icon::None,
                         j});
    }
    constexpr MousePart parts[] = {MousePart::Left,    MousePart::Right, MousePart::Wheel,
                                   MousePart::Forward, MousePart::Back,  MousePart::Dpi};
    for (int k = 0; k < 6; ++k)
        e.push_back({138 + k, mousePartBox(parts[k], kMainMouse), Look::MousePart, "", "",
                     "mouse picture part lit on hover", Icon::None, static_cast<int>(parts[k])});
    return e;
}

std::vector<Entry> colorEntries() {
    static constexpr const char* names[7][2] = {
        {"Yellow", "노랑"}, {"Blue", "파랑"}, {"Pink", "분홍"}, {"Green", "초록"},
        {"Red", "빨강"},    {"Cyan", "하늘"}, {"White", "흰색"}};
    std::vector<Entry> e = {
        {7, {208, 134, 80, 38}, Look::Choice, "Breathing", "숨쉬기", "lighting mode 0 (press)"},
        {8,
         {292, 134, 80, 38},
         Look::Choice,
         "Color cycle",
         "색상 순환",
         "lighting mode 1 (press)"},
        {9, {376, 134, 80, 38}, Look::Choice, "Steady", "고정", "lighting mode 2 (press)"},
        {10, {460, 134, 80, 38}, Look::Choice, "Off", "끄기", "lighting mode 3 (press)"},
        {17, {206, 74, 336, 22}, Look::Heading, "LIGHTING EFFECT", "조명 효과", "title"},
        {18, {312, 454, 128, 34}, Look::Readout, "", "", "DPI read-out (the window writes it)"},
        {19, {208, 428, 332, 18}, Look::Label, "Current DPI", "현재 DPI", "label"},
        {20, {208, 290, 332, 18}, Look::Label, "Cycle colors", "순환 색상", "label"},
        {21, {208, 110, 332, 18}, Look::Label, "Effect", "효과", "label"},
        {22, {208, 192, 332, 18}, Look::Label, "Speed", "속도", "label"},
        {23, {208, 214, 44, 32}, Look::Label, "Slow", "느림", "label"},
        {24, {496, 214, 46, 32}, Look::Label, "Fast", "빠름", "label"},
        {32, {574, 76, 200, 456}, Look::Preview, "", "", "lighting preview"},
    };
    for (int k = 0; k < 6; ++k) {
        // Speeds run from entry 16 (slowest) to entry 11 (fastest), left to right.
        static constexpr const char* digits[] = {"1", "2", "3", "4", "5", "6"};
        e.push_back({16 - k,
                     {256 + 40 * k, 214, 36, 32},
                     Look::Choice,
                     digits[k],
                     digits[k],
                     "lighting speed (press)"});
    }
    for (int k = 0; k < 7; ++k) {
        e.push_back({k,
                     {212 + 47 * k, 312, 40, 46},
                     Look::ColourChip,
                     "",
                     "",
                     "cycle colour on/off (press)",
                     Icon::None,
                     k});
        e.push_back(
            {25 + k, {208 + 47 * k, 362, 47, 18}, Look::Label, names[k][0], names[k][1], "label"});
    }
    return e;
}

std::vector<Entry> advancedEntries() {
    std::vector<Entry> e = {
        {0,
         {208, 494, 106, 32},
         Look::Button,
         "Import",
         "가져오기",
         "import a macro library (press)",
         Icon::Import},
        {1,
         {318, 494, 106, 32},
         Look::Button,
         "Export",
         "내보내기",
         "export the macro library (press)",
         Icon::Export},
        {2, {208, 428, 74, 30}, Look::Button, "Add", "추가", "add a macro (press)"},
        {3, {286, 428, 74, 30}, Look::Button, "Delete", "삭제", "delete the macro (press)"},
        {4,
         {366, 376, 176, 34},
         Look::Button,
         "Record",
         "녹화",
         "record or stop (press; the window sets the caption)",
         Icon::Record},
        {5,
         {428, 494, 114, 32},
         Look::Button,
         "Save macros",
         "매크로 저장",
         "save the macros (press)"},
        {6,
         {366, 418, 118, 28},
         Look::Choice,
         "Repeat count",
         "반복 횟수",
         "repeat-count mode (press)"},
        {7,
         {366, 454, 176, 28},
         Look::Choice,
         "Repeat while held",
         "누르는 동안 반복",
         "repeat-while-held mode (press)"},
        {28, {572, 74, 204, 22}, Look::Heading, "MOUSE SETTINGS", "마우스 설정", "title"},
        {30, {576, 356, 196, 14}, Look::Slider, "", "", "fire interval slider (press)"},
        {31, {744, 380, 30, 26}, Look::Button, "", "", "fire interval + 1 (press)", Icon::Plus},
        {32, {574, 380, 30, 26}, Look::Button, "", "", "fire interval - 1 (press)", Icon::Minus},
        {33,
         {608, 380, 132, 26},
         Look::Readout,
         "",
         "",
         "fire interval read-out (the window writes it)"},
        {38, {572, 120, 204, 16}, Look::Label, "Pointer speed", "포인터 속도", "label"},
        {39, {572, 228, 204, 16}, Look::Label, "Scroll lines", "스크롤 줄 수", "label"},
        {40, {572, 332, 204, 16}, Look::Label, "Rapid fire interval", "연사 간격", "label"},
        {41, {572, 444, 204, 16}, Look::Label, "Polling rate (Hz)", "폴링 레이트 (Hz)", "label"},
        {42, {208, 104, 152, 16}, Look::Label, "Macros", "매크로 목록", "label"},
        {43, {366, 104, 176, 16}, Look::Label, "Events", "동작 목록", "label"},
        {44, {208, 370, 152, 16}, Look::Label, "New macro name", "새 매크로 이름", "label"},
        {52,
         {206, 74, 304, 22},
         Look::EditorHeader,
         "MACRO EDITOR",
         "매크로 편집",
         "title, always drawn from down"},
    };
    static constexpr const char* numbers[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    for (int k = 0; k < 10; ++k) {
        e.push_back({8 + k,
                     {574 + 20 * k, 142, 19, 30},
                     Look::Choice,
                     numbers[k],
                     numbers[k],
                     "pointer speed (press)"});
        e.push_back({18 + k,
                     {574 + 20 * k, 250, 19, 30},
                     Look::Choice,
                     numbers[k],
                     numbers[k],
                     "scroll lines (press)"});
    }
    static constexpr const char* rates[] = {"125", "250", "500", "1000"};
    for (int k = 0; k < 4; ++k)
        e.push_back({34 + k,
                     {574 + 50 * k, 466, 46, 30},
                     Look::Choice,
                     rates[k],
                     rates[k],
                     "polling rate (press)"});
    return e;
}

Description build() {
    Description d;
    d.window = {{0, 0, 800, 600}, 24, 12, 20, 12};
    d.mainMouse = kMainMouse;
    d.frame = frameEntries();
    d.pages[0] = {Page::Main,
                  mainEntries(),
                  {{{14, 64, 172, 478}}, {{196, 64, 590, 248}}, {{196, 318, 590, 224}}}};
    d.pages[1] = {Page::Advanced,
                  advancedEntries(),
                  {{{14, 64, 172, 478}}, {{196, 64, 356, 478}}, {{562, 64, 224, 478}}},
                  {{574, 208, 200, 1}, {574, 316, 200, 1}, {574, 424, 200, 1}}};
    d.pages[2] = {Page::Color,
                  colorEntries(),
                  {{{14, 64, 172, 478}}, {{196, 64, 356, 478}}, {{562, 64, 224, 478}}},
                  {{208, 182, 332, 1}, {208, 268, 332, 1}, {208, 404, 332, 1}}};
    d.controls = {
        {"EDIT", 2, {518, 77, 20, 16}, "keyboard badge; left out of the repaints"},
        {"EDIT", 3, {490, 420, 50, 24}, "repeat count field"},
        {"EDIT", 4, {210, 392, 148, 24}, "new macro name field"},
        {"MACRODISPLAY", 1, {210, 124, 148, 236}, "macro list"},
        {"MACRODISPLAY", 2, {368, 124, 172, 236}, "macro event list"},
    };
    d.functionNames.assign(kFunctionNames.begin(), kFunctionNames.end());
    d.menu = {160, 24, 10, {7, 8, 9, 10}};
    d.subMenu = {170, 24, 12, {}};
    d.warningWindow = {{0, 0, 460, 150}, 14, 0, 14, 0};
    d.warning = {
        {0, {120, 100, 100, 32}, Look::Button, "OK", "확인", "OK button"},
        {1, {240, 100, 100, 32}, Look::Button, "Cancel", "취소", "Cancel button"},
        {2,
         {70, 22, 374, 58},
         Look::Label,
         "This is the only Left Click button. Change it anyway?",
         "왼쪽 클릭이 설정된 유일한 버튼입니다. 변경할까요?",
         "message"},
    };
    return d;
}

} // namespace

const Description& skinDescription() {
    static const Description d = build();
    return d;
}

bool frameEntryOnPage(const Entry& entry, Page page) {
    return entry.index < 19 || page == Page::Main;
}

std::vector<Entry> entriesOnPage(const Description& d, Page page) {
    std::vector<Entry> entries;
    for (const Entry& e : d.frame)
        if (frameEntryOnPage(e, page))
            entries.push_back(e);
    const auto& own = d.pages[static_cast<int>(page)].entries;
    entries.insert(entries.end(), own.begin(), own.end());
    return entries;
}

Box mousePartBox(MousePart part, const MousePlacement& at) {
    // Design boxes of the parts on a kMouseWidth x kMouseHeight mouse, front at the top. They do
    // not overlap, so lighting one part never lights a piece of another.
    static constexpr Box design[] = {
        {4, 2, 50, 80},   // left button
        {66, 2, 50, 80},  // right button
        {54, 12, 12, 40}, // wheel
        {0, 94, 11, 26},  // forward side button
        {0, 120, 11, 26}, // back side button
        {54, 56, 12, 20}, // DPI button
    };
    const Box& b = design[static_cast<int>(part)];
    const auto map = [&at](int origin, int v) {
        return origin + static_cast<int>(std::lround(v * at.scale));
    };
    const int x = map(at.x, b.x), y = map(at.y, b.y);
    return {x, y, map(at.x, b.right()) - x, map(at.y, b.bottom()) - y};
}

MousePlacement mouseInBox(const Box& box, int margin) {
    const double scale = std::min(double(box.w - 2 * margin) / kMouseWidth,
                                  double(box.h - 2 * margin) / kMouseHeight);
    const int w = static_cast<int>(std::lround(kMouseWidth * scale));
    const int h = static_cast<int>(std::lround(kMouseHeight * scale));
    return {box.x + (box.w - w) / 2, box.y + (box.h - h) / 2, scale};
}

} // namespace zantor::skingen
