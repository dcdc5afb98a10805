#include "cli/device_session.h"

#include "cli/device_commands.h"
#include "config/config_file.h"
#include "device/settings_push.h"

namespace zantor::cli {

std::unique_ptr<DeviceSession> DeviceSession::open(const GlobalOptions& options, std::ostream& out,
                                                   std::ostream& err) {
    auto session = std::make_unique<DeviceSession>();
    session->store = CliSession::open(options, err);
    if (!session->store)
        return nullptr;
    session->device = std::make_unique<device::DeviceContext>(
        makeHidBackend(options, out, &session->simulated), session->clock);
    if (options.simulate)
        session->desktop = std::make_unique<PrintedDesktopSettings>(out);
    else
        session->desktop = makeDesktopSettings(defaultDesktopSettingsFile());
    return session;
}

void DeviceSession::load(int n) {
    Settings& s = settings();
    s.currentConfig = n;
    loadConfig(s, paths().configFile(), n, false);
    macro::loadMacroLibrary(s.macroFiles(), paths().macroFile(s.language), s.macros);
    macro::loadBuiltInMacros(s.macroFiles(), paths().constMacroFile(), s.macros);
}

void DeviceSession::push() {
    device::PushSettings(settings(), paths(), *device, *desktop);
}

} // namespace zantor::cli
