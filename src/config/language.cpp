#include "config/language.h"

#include "app/app_paths.h"
#include "config/config_file.h"
#include "config/settings.h"
#include "platform/log.h"

namespace zantor {

void setLanguage(Settings& settings, const AppPaths& paths, std::int32_t language) {
    settings.language = language;
    if (Status s = settings.profiles.write(paths.configFile(), kInitSection, kLanguageKey,
                                           std::to_string(language));
        !s)
        logDebug("saving the language: %s", s.error().message.c_str());
    macro::loadMacroLibrary(settings.macroFiles(), paths.macroFile(language), settings.macros);
}

} // namespace zantor
