#include "tools/data/shipped_data.h"

#include "config/config_file.h"
#include "config/settings.h"
#include "macro/macro_files.h"
#include "platform/message/user_messages.h"

#include <filesystem>
#include <initializer_list>
#include <vector>

namespace zantor::tools {
namespace {

using macro::KEY_DOWN;
using macro::KEY_UP;
using macro::MacroRecord;

// HID usages used by the example macros.
constexpr std::uint8_t kA = 0x04, kC = 0x06, kS = 0x16, kV = 0x19, kX = 0x1B, kY = 0x1C, kZ = 0x1D,
                       kG = 0x0A, kEnter = 0x28, kTab = 0x2B, kSpace = 0x2C, kPrintScreen = 0x46,
                       kLeftCtrl = 0xE0, kLeftAlt = 0xE2, kLeftShift = 0xE1;

struct Step {
    std::uint8_t code, action;
    std::uint16_t delay;
};

MacroRecord makeMacro(const char* name, std::uint8_t mode, std::uint16_t repeatCount,
                      std::initializer_list<Step> steps) {
    MacroRecord m;
    m.setName(name);
    m.mode = mode;
    m.repeatCount = repeatCount;
    for (const Step& s : steps) {
        m.events[m.eventCount] = {s.code, s.action};
        m.delays[m.eventCount] = s.delay;
        ++m.eventCount;
    }
    return m;
}

// Modifier held around one key: press, press, release, release.
MacroRecord chord(const char* name, std::uint8_t modifier, std::uint8_t key) {
    return makeMacro(
        name, macro::MACRO_ONCE, 1,
        {{modifier, KEY_DOWN, 30}, {key, KEY_DOWN, 30}, {key, KEY_UP, 30}, {modifier, KEY_UP, 30}});
}

// The savers write the user table, so the built-ins are laid out as one.
void setBuiltInLibrary(macro::MacroTables& t) {
    const MacroRecord builtIns[] = {
        chord("Copy", kLeftCtrl, kC), chord("Paste", kLeftCtrl, kV),
        chord("Cut", kLeftCtrl, kX),  chord("Undo", kLeftCtrl, kZ),
        chord("Redo", kLeftCtrl, kY), chord("Select all", kLeftCtrl, kA),
        chord("Save", kLeftCtrl, kS), chord("Switch window", kLeftAlt, kTab),
    };
    t.userMacroCount = 0;
    for (const auto& m : builtIns)
        t.userMacros[t.userMacroCount++] = m;
}

// The example user macros, named in the interface language.
void setUserMacros(macro::MacroTables& t, bool english) {
    const MacroRecord user[] = {
        makeMacro(english ? "Double click" : "더블 클릭", macro::MACRO_ONCE, 1,
                  {{macro::kMouseLeft, KEY_DOWN, 20},
                   {macro::kMouseLeft, KEY_UP, 40},
                   {macro::kMouseLeft, KEY_DOWN, 20},
                   {macro::kMouseLeft, KEY_UP, 20}}),
        makeMacro(english ? "Rapid fire" : "연사", macro::MACRO_WHILE_HELD, 1,
                  {{macro::kMouseLeft, KEY_DOWN, 25}, {macro::kMouseLeft, KEY_UP, 35}}),
        makeMacro(english ? "Triple jump" : "3단 점프", macro::MACRO_REPEAT, 3,
                  {{kSpace, KEY_DOWN, 30}, {kSpace, KEY_UP, 120}}),
        makeMacro(english ? "Type gg" : "gg 입력", macro::MACRO_ONCE, 1,
                  {{kEnter, KEY_DOWN, 20},
                   {kEnter, KEY_UP, 60},
                   {kG, KEY_DOWN, 20},
                   {kG, KEY_UP, 20},
                   {kG, KEY_DOWN, 20},
                   {kG, KEY_UP, 20},
                   {kEnter, KEY_DOWN, 20},
                   {kEnter, KEY_UP, 20}}),
        makeMacro(english ? "Screenshot" : "화면 캡처", macro::MACRO_ONCE, 1,
                  {{kPrintScreen, KEY_DOWN, 30}, {kPrintScreen, KEY_UP, 30}}),
        makeMacro(english ? "Crouch walk" : "앉아 걷기", macro::MACRO_WHILE_HELD, 1,
                  {{kLeftShift, KEY_DOWN, 15},
                   {kLeftCtrl, KEY_DOWN, 400},
                   {kLeftCtrl, KEY_UP, 15},
                   {kLeftShift, KEY_UP, 15}}),
    };
    t.userMacroCount = 0;
    for (const auto& m : user)
        t.userMacros[t.userMacroCount++] = m;
}

// The presets: configuration 1 is the factory record; 2…5 each suit a use.
struct Preset {
    std::array<std::int32_t, kButtonCount> buttons;
    std::array<std::uint8_t, kDpiLevelCount> steps;
    std::int32_t dpiLevel;
    std::uint8_t ledType, ledCycleTime, pointerSpeed, wheelSpeed;
    std::int32_t fireTime;
    std::array<DpiColour, kDpiLevelCount> colours;
};

constexpr std::array<DpiColour, kDpiLevelCount> kWarm{
    {{0, 8, 15}, {0, 4, 15}, {0, 0, 15}, {0, 0, 8}, {0, 0, 4}, {0, 0, 0}}};
constexpr std::array<DpiColour, kDpiLevelCount> kCool{
    {{15, 8, 0}, {15, 4, 0}, {15, 0, 0}, {8, 0, 0}, {8, 15, 0}, {0, 0, 0}}};
constexpr std::array<DpiColour, kDpiLevelCount> kSpectrum{
    {{0, 15, 15}, {0, 7, 15}, {15, 0, 15}, {15, 0, 0}, {15, 15, 0}, {0, 15, 0}}};

// First-person shooters: low, fine DPI steps, rapid fire and DPI switch on the side buttons.
constexpr Preset kShooter{{1, 2, 3, 6, 42, 5}, {1, 2, 3, 4, 5, 6}, 2, 0, 2, 4, 2, 30, kWarm};
// Office work: copy and paste on the side buttons, calm lighting.
constexpr Preset kOffice{{1, 2, 3, 32, 31, 34}, {2, 3, 4, 5, 6, 7}, 3, 2, 1, 5, 4, 50, kCool};
// Media: volume and playback on the side buttons.
constexpr Preset kMedia{{1, 2, 29, 25, 24, 28}, {2, 4, 5, 7, 9, 11}, 1, 1, 3, 4, 2, 50, kSpectrum};
// Macros: the example macros on the side buttons, high DPI range.
constexpr Preset kMacros{{1, 2, 3, 41, 43, 44}, {5, 6, 7, 8, 9, 11}, 2, 3, 5, 6, 3, 100, kSpectrum};
// The English set's macro preset starts the terminal from the wheel button instead.
constexpr Preset kMacrosEnglish{
    {1, 2, 40, 41, 43, 44}, {5, 6, 7, 8, 9, 11}, 2, 3, 5, 6, 3, 100, kSpectrum};

MouseConfig configOf(const Preset& p) {
    MouseConfig c;
    c.loadFactoryDefaults();
    for (int b = 0; b < kButtonCount; ++b)
        c.buttonFunction[b] = p.buttons[b];
    c.dpiLevel = p.dpiLevel;
    c.ledType = p.ledType;
    c.ledCycleTime = p.ledCycleTime;
    c.pointerSpeed = p.pointerSpeed;
    c.wheelSpeed = p.wheelSpeed;
    c.fireTime = p.fireTime;
    for (int level = 0; level < kDpiLevelCount; ++level) {
        c.dpiStep[level] = p.steps[level];
        c.dpiColour[level] = p.colours[level];
        c.recomputeDpiLevel(level);
    }
    return c;
}

Status writeConfigFile(const std::string& file, profile::ProfileStore& profiles,
                       UserMessages& messages) {
    Settings settings(profiles, messages);
    setUserMacros(settings.macros, true);
    auto batch = profiles.batch(file);
    batch.write(kInitSection, kCurrentConfigKey, "1");
    batch.write(kInitSection, kLanguageKey, "1");
    if (Status s = batch.commit(); !s)
        return s;

    MouseConfig factory;
    factory.loadFactoryDefaults();
    const MouseConfig configs[] = {factory,          configOf(kShooter),       configOf(kOffice),
                                   configOf(kMedia), configOf(kMacrosEnglish), factory};
    for (int n = 1; n <= 6; ++n) {
        settings.config = configs[n - 1];
        if (Status s = saveConfig(settings, file, n, true); !s)
            return s;
    }
    const std::pair<const char*, Preset> resets[] = {{"CfgReset2", kShooter},
                                                     {"CfgReset3", kOffice},
                                                     {"CfgReset4", kMedia},
                                                     {"CfgReset5", kMacros},
                                                     {"CfgReset_EN5", kMacrosEnglish}};
    for (const auto& [section, preset] : resets)
        writeConfigSection(batch, section, configOf(preset));
    return batch.commit();
}

} // namespace

Status writeShippedData(const std::string& home) {
    std::error_code error;
    std::filesystem::create_directories(home + "/skins/config", error);
    for (const char* name :
         {"/skins/config/config.ini", "/Macro_EN.dat", "/Macro_CN.dat", "/constMacro.dat"})
        std::filesystem::remove(home + name, error);

    profile::ProfileStore profiles;
    StderrMessages messages;
    if (Status s = writeConfigFile(home + "/skins/config/config.ini", profiles, messages); !s)
        return s;
    macro::MacroTables builtIns;
    setBuiltInLibrary(builtIns);
    if (Status s = macro::saveMacroLibrary(profiles, home + "/constMacro.dat", builtIns); !s)
        return s;
    for (const bool english : {true, false}) {
        macro::MacroTables library;
        setUserMacros(library, english);
        const std::string file = home + (english ? "/Macro_EN.dat" : "/Macro_CN.dat");
        if (Status s = macro::saveMacroLibrary(profiles, file, library); !s)
            return s;
    }
    return Ok{};
}

} // namespace zantor::tools
