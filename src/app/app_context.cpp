#include "app/app_context.h"

#include "config/config_file.h"
#include "platform/hid/hidraw_backend.h"
#include "platform/hid/tracing_backend.h"

namespace zantor::app {

AppContext::AppContext(AppPaths homePaths, std::unique_ptr<UserMessages> userMessages,
                       std::unique_ptr<ui::Dialogs> standardDialogs)
    : paths(std::move(homePaths)), messages(std::move(userMessages)), settings(profiles, *messages),
      dialogs(std::move(standardDialogs)) {}

void AppContext::openDevice(bool simulateMouse, std::ostream& out, std::ostream* traceOut) {
    simulate = simulateMouse;
    const auto start = clock.now();
    std::unique_ptr<hid::HidBackend> backend;
    if (simulateMouse) {
        auto mouse = std::make_unique<hid::SimulatedMouse>(clock);
        simulated = mouse.get();
        backend = std::move(mouse);
        desktop = std::make_unique<PrintedDesktopSettings>(out);
    } else {
        backend = std::make_unique<hid::HidrawBackend>();
        desktop = makeDesktopSettings(defaultDesktopSettingsFile());
    }
    if (traceOut)
        backend =
            std::make_unique<hid::TracingBackend>(std::move(backend), clock, start, *traceOut);
    device = std::make_unique<device::DeviceContext>(std::move(backend), clock);
}

void loadStartupConfig(AppContext& context) {
    Settings& s = context.settings;
    const std::string configFile = context.paths.configFile();
    s.currentConfig = readCurrentConfig(s.profiles, configFile);
    s.language = readLanguage(s.profiles, configFile);
    loadConfig(s, configFile, s.currentConfig, false);
}

void loadMacroLibraries(AppContext& context) {
    Settings& s = context.settings;
    macro::loadMacroLibrary(s.macroFiles(), context.paths.macroFile(s.language), s.macros);
    macro::loadBuiltInMacros(s.macroFiles(), context.paths.constMacroFile(), s.macros);
}

} // namespace zantor::app
