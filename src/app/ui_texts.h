#pragma once

#include <QString>

#include <string_view>

namespace zantor::app {

// The window's title, which is also the name of the application and its tray icon's tip.
inline constexpr std::string_view kWindowTitle = "ZANTOR";

// The project's home page, opened by the main page's web-site hot spot.
inline constexpr std::string_view kWebSiteAddress = "https://zantor.example.org/";

// The filter of the exchange-file dialogs, and the suffix added to a name without one.
inline constexpr std::string_view kExchangeFileFilter = "All Files(*.ini) (*.ini)";
inline constexpr std::string_view kExchangeFileSuffix = "ini";

// A text the window shows in the interface language.
struct UiText {
    std::string_view english, korean;
    std::string_view of(int language) const { return language == 0 ? korean : english; }
};

inline constexpr UiText kPlugInMouse{"Please plug-in【ZANTOR】USB Mouse",
                                     "USB 마우스를 연결하십시오.ZANTOR"};
inline constexpr UiText kSaveFailed{"The configuration could not be saved.",
                                    "설정을 저장하지 못했습니다."};
inline constexpr UiText kExportFailed{"The configuration could not be exported.",
                                      "설정을 내보내지 못했습니다."};
inline constexpr UiText kSkinMissing{"The skin's layout files are missing.",
                                     "스킨 레이아웃 파일이 없습니다."};
inline constexpr UiText kHostButtonsElsewhere{
    "Another program of yours (zantorctl listen) already carries out the mouse's host-side "
    "buttons: media keys, macros and program launchers. This window leaves them to it.",
    "다른 프로그램(zantorctl listen)이 이미 마우스의 호스트 측 버튼(미디어 키, 매크로, "
    "프로그램 실행)을 처리하고 있습니다. 이 창은 그 기능을 그 프로그램에 맡깁니다."};

inline constexpr UiText kRecordingNeedsX11{
    "Recording a macro captures the keyboard system-wide, which needs X11. Under Wayland, "
    "start ZANTOR on XWayland: QT_QPA_PLATFORM=xcb zantor",
    "매크로 녹화는 X11에서만 키보드 전체를 받을 수 있습니다. Wayland에서는 XWayland로 "
    "실행하십시오: QT_QPA_PLATFORM=xcb zantor"};
inline constexpr UiText kKeyboardBusy{
    "Another program holds the keyboard; the recording did not start.",
    "다른 프로그램이 키보드를 잡고 있어 녹화를 시작하지 못했습니다."};
inline constexpr UiText kMacrosNotSaved{"The macros could not be saved.",
                                        "매크로를 저장하지 못했습니다."};

// The filter of the macro library dialogs, and the suffix added to a name without one.
inline constexpr std::string_view kMacroFileFilter = "All Files(*.dat) (*.dat)";
inline constexpr std::string_view kMacroFileSuffix = "dat";

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace zantor::app
