#include "config/config_file.h"

#include "config/settings.h"
#include "platform/log.h"
#include "platform/profile/decimal.h"
#include "platform/profile/profile_store.h"

namespace zantor {
namespace {

constexpr std::size_t kShortBuffer = 5;  // at most 4 characters arrive
constexpr std::size_t kLevelBuffer = 10; // the per-level DPI keys: at most 9

std::string key(const char* prefix, int n, const char* suffix = "") {
    return prefix + std::to_string(n) + suffix;
}

Status logged(Status status, const char* operation) {
    if (!status)
        logDebug("%s: %s", operation, status.error().message.c_str());
    return status;
}

} // namespace

std::string configSection(std::int32_t n) {
    return "Config" + std::to_string(n);
}

std::string factorySection(std::int32_t n, std::int32_t language) {
    return n == 5 && language == 1 ? "CfgReset_EN5" : "CfgReset" + std::to_string(n);
}

void loadConfig(Settings& settings, const std::string& file, std::int32_t n, bool factory) {
    const std::string section = factory ? factorySection(n, settings.language) : configSection(n);
    const auto snapshot = settings.profiles.snapshot(file);
    const auto number = [&](const std::string& name, std::size_t buffer = kShortBuffer) {
        return profile::parseDecimal(snapshot.read(section, name, buffer));
    };
    const auto low8 = [&](const std::string& name, std::size_t buffer = kShortBuffer) {
        return static_cast<std::uint8_t>(number(name, buffer));
    };

    MouseConfig& c = settings.config;
    for (int b = 0; b < kButtonCount; ++b)
        c.buttonFunction[b] = number(key("K", b));
    c.wheelStatus = number("WHEEL_STATUS");
    c.macroMode2 = number("MACRO_MODE2");
    c.dpiLevel = number("DPI_LEVEL");
    for (int level = 0; level < kDpiLevelCount; ++level) {
        c.dpiStep[level] = low8(key("DPI_SET", level), kLevelBuffer);
        c.dpiEnabled[level] = number(key("DPI_SET_EN", level), kLevelBuffer) != 0;
        c.dpiColour[level] = DpiColour{number(key("DPI", level, "_R"), kLevelBuffer),
                                       number(key("DPI", level, "_G"), kLevelBuffer),
                                       number(key("DPI", level, "_B"), kLevelBuffer)};
        c.recomputeDpiLevel(level);
    }
    c.ledType = low8("LED_TYPE");
    c.ledCycleTime = low8("LED_CYC_TIME");
    c.setCycleColoursFromMask(low8("CYC_7COL_EN"));
    c.pointerSpeed = low8("DPI_SPEED");
    c.wheelSpeed = low8("WHEEL_SPEED");
    c.pollingRate = low8("USB_SPEED");
    c.fireTime = number("FIRE_TIME");

    if (!factory)
        macro::loadMacroSection(settings.macroFiles(), file, section, settings.macros);
}

void writeConfigSection(profile::ProfileStore::Batch& batch, const std::string& section,
                        const MouseConfig& c) {
    const auto put = [&](const std::string& name, std::int32_t value) {
        batch.write(section, name, std::to_string(value));
    };

    for (int b = 0; b < kButtonCount; ++b)
        put(key("K", b), c.buttonFunction[b]);
    put("DPI_LEVEL", c.dpiLevel);
    put("WHEEL_STATUS", c.wheelStatus);
    put("MACRO_MODE2", c.macroMode2);
    put("CYC_7COL_EN", c.cycleColourMask);
    for (int level = 0; level < kDpiLevelCount; ++level) {
        put(key("DPI_SET", level), c.dpiStep[level]);
        put(key("DPI_SET_EN", level), c.dpiEnabled[level] ? 1 : 0);
        put(key("DPI", level, "_R"), c.dpiColour[level].red);
        put(key("DPI", level, "_G"), c.dpiColour[level].green);
        put(key("DPI", level, "_B"), c.dpiColour[level].blue);
    }
    put("LED_TYPE", c.ledType);
    put("LED_CYC_TIME", c.ledCycleTime);
    put("DPI_SPEED", c.pointerSpeed);
    put("WHEEL_SPEED", c.wheelSpeed);
    put("USB_SPEED", c.pollingRate);
    put("FIRE_TIME", c.fireTime);
}

Status saveConfig(Settings& settings, const std::string& file, std::int32_t n, bool withMacros) {
    const std::string section = configSection(n);
    auto batch = settings.profiles.batch(file);
    writeConfigSection(batch, section, settings.config);
    if (withMacros)
        macro::writeMacroSection(batch, section, settings.macros);
    return logged(batch.commit(), "saving a configuration");
}

Status saveDpiLevel(Settings& settings, const std::string& file, std::int32_t n) {
    return logged(settings.profiles.write(file, configSection(n), "DPI_LEVEL",
                                          std::to_string(settings.config.dpiLevel.load())),
                  "saving the DPI level");
}

std::int32_t readLanguage(profile::ProfileStore& profiles, const std::string& file) {
    return static_cast<std::uint8_t>(
        profile::parseDecimal(profiles.read(file, kInitSection, kLanguageKey, kShortBuffer)));
}

std::int32_t readCurrentConfig(profile::ProfileStore& profiles, const std::string& file) {
    return profile::parseDecimal(
        profiles.read(file, kInitSection, kCurrentConfigKey, kShortBuffer));
}

} // namespace zantor
