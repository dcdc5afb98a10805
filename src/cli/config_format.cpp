#include "cli/config_format.h"

#include "cli/macro_format.h"
#include "config/function_codes.h"
#include "device/command_set.h"
#include "skin/function_names.h"

#include <cstdio>

namespace zantor::cli {
namespace {

std::string screenColour(std::uint32_t bgr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", bgr & 0xFF, (bgr >> 8) & 0xFF,
                  (bgr >> 16) & 0xFF);
    return text;
}

std::span<const macro::MacroRecord> userMacros(const Settings& s) {
    return {s.macros.userMacros.data(), s.macros.userMacroCount};
}

// What a function code is, in words ("media key: Volume Increment").
std::string describeFunction(std::int32_t code) {
    const std::int32_t index = indexWithinKind(code);
    const std::string number = std::to_string(index);
    switch (functionKindOf(code)) {
    case FunctionKind::DeviceFunction:
        return "mouse function " + number;
    case FunctionKind::MediaKey:
        return "media key: " + std::string(device::MEDIA_USAGES[std::size_t(index)].name);
    case FunctionKind::BuiltInMacro:
        return "built-in macro " + number;
    case FunctionKind::Calculator:
        return "start a calculator";
    case FunctionKind::Terminal:
        return "start a terminal";
    case FunctionKind::UserMacro:
        return "user macro " + number;
    case FunctionKind::None:
        break;
    }
    return "nothing";
}

} // namespace

std::string functionLabel(const Settings& settings, const skin::FunctionNames* names,
                          std::int32_t code) {
    const std::string meaning = describeFunction(code);
    std::string shown;
    if (names) {
        std::vector<std::string> macroNames;
        for (std::size_t i = 0; i < settings.macros.userMacroCount; ++i)
            macroNames.push_back(settings.macros.userMacros[i].nameUtf8());
        shown = skin::FunctionDisplayName(code, *names, macroNames);
    } else if (const auto* m = settings.macros.userMacroForCode(code);
               m && code - macro::kFirstUserMacroCode < settings.macros.userMacroCount) {
        shown = m->nameUtf8();
    }
    return shown.empty() ? meaning : "\"" + shown + "\" (" + meaning + ")";
}

nlohmann::ordered_json configToJson(const Settings& settings, int n) {
    const MouseConfig& c = settings.config;
    auto buttons = nlohmann::ordered_json::array();
    for (const auto& f : c.buttonFunction)
        buttons.push_back(f.load());
    auto colours = nlohmann::ordered_json::array();
    for (const auto& colour : c.dpiColour)
        colours.push_back({{"red", colour.red}, {"green", colour.green}, {"blue", colour.blue}});
    return {
        {"currentConfig", n},
        {"language", settings.language.load()},
        {"buttonFunction", buttons},
        {"dpiLevel", c.dpiLevel.load()},
        {"wheelStatus", c.wheelStatus},
        {"macroMode2", c.macroMode2},
        {"cycleColourMask", c.cycleColourMask},
        {"cycleColourOn", c.cycleColourOn},
        {"dpiStep", c.dpiStep},
        {"dpiEnabled", c.dpiEnabled},
        {"dpiColour", colours},
        {"dpiDisplayColour", c.dpiDisplayColour},
        {"dpiStepCell", c.dpiStepCell},
        {"ledType", c.ledType},
        {"ledCycleTime", c.ledCycleTime},
        {"pointerSpeed", c.pointerSpeed},
        {"wheelSpeed", c.wheelSpeed},
        {"pollingRate", c.pollingRate},
        {"fireTime", c.fireTime},
        {"userMacros", macrosToJson(userMacros(settings), settings.language)},
    };
}

void printConfig(std::ostream& out, const Settings& settings, int n,
                 const skin::FunctionNames* names) {
    const MouseConfig& c = settings.config;
    out << "Configuration " << n << " (" << (settings.language == 0 ? "Korean" : "English")
        << " interface)\n\nButtons\n";
    for (int b = 0; b < kButtonCount; ++b)
        out << "  K" << b << "  " << c.buttonFunction[b] << "  "
            << functionLabel(settings, names, c.buttonFunction[b]) << '\n';

    out << "\nDPI levels (active: " << c.dpiLevel << ")\n";
    for (int level = 0; level < kDpiLevelCount; ++level) {
        const DpiColour& colour = c.dpiColour[level];
        out << (c.dpiLevel == level ? "  * " : "    ") << level << "  step "
            << int(c.dpiStep[level]) << (c.dpiEnabled[level] ? "  on " : "  off") << "  colour "
            << colour.red << '/' << colour.green << '/' << colour.blue << " (shown "
            << screenColour(c.dpiDisplayColour[level]) << ")\n";
    }

    out << "\nLighting: mode " << int(c.ledType) << ", speed " << int(c.ledCycleTime)
        << ", cycle colours";
    for (int i = 0; i < kCycleColourCount; ++i)
        if (c.cycleColourOn[i])
            out << ' ' << i;
    out << " (mask " << int(c.cycleColourMask) << ")\n"
        << "Pointer speed: " << int(c.pointerSpeed) << "\nWheel: status " << c.wheelStatus
        << ", speed " << int(c.wheelSpeed) << "\nPolling rate: " << int(c.pollingRate)
        << "\nFire interval: " << c.fireTime << "ms\nMACRO_MODE2: " << c.macroMode2
        << "\n\nMacros (" << settings.macros.userMacroCount << ")\n";
    printMacros(out, userMacros(settings), settings.language);
}

} // namespace zantor::cli
