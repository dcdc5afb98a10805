#include "config/exchange.h"

#include "config/config_file.h"
#include "config/settings.h"
#include "platform/log.h"

namespace zantor {

Status exportConfig(Settings& settings, const std::string& file) {
    return saveConfig(settings, file, kExchangeConfig, true);
}

void importConfig(Settings& settings, const std::string& file) {
    loadConfig(settings, file, kExchangeConfig, false);
}

void resetToFactory(Settings& settings, const std::string& configFile, const std::string& macroFile,
                    const FactoryResetHooks& hooks) {
    settings.config.loadFactoryDefaults();
    (void)saveConfig(settings, configFile, 1, false);
    for (int n = 5; n >= 2; --n) {
        loadConfig(settings, configFile, n, true);
        (void)saveConfig(settings, configFile, n, false);
    }
    loadConfig(settings, configFile, settings.currentConfig, false);
    if (hooks.afterReload)
        hooks.afterReload();
    if (Status s = macro::saveMacroLibrary(settings.profiles, macroFile, settings.macros); !s)
        logDebug("factory reset: %s", s.error().message.c_str());
    if (hooks.pushSettings)
        hooks.pushSettings();
}

} // namespace zantor
