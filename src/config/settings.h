#pragma once

#include "config/mouse_config.h"
#include "config/relaxed_atomic.h"
#include "macro/macro_files.h"
#include "macro/macro_tables.h"

#include <cstdint>
#include <shared_mutex>

namespace zantor {

namespace profile {
class ProfileStore;
}
class UserMessages;

// The settings store of one run: the configuration being edited, the user and built-in macro
// tables, which configuration is current and which interface language is active, and the
// services they are loaded and saved through. main creates one; tests create fresh ones.
struct Settings {
    Settings(profile::ProfileStore& profileStore, UserMessages& userMessages)
        : profiles(profileStore), messages(userMessages) {}

    profile::ProfileStore& profiles;
    UserMessages& messages;

    MouseConfig config;
    macro::MacroTables macros;
    RelaxedAtomic<std::int32_t> currentConfig{1}; // 1…5 from the window
    RelaxedAtomic<std::int32_t> language{1};      // 0 Korean ("_CN" files), else English
    // Macro records are read by the player thread while this thread may load new ones: the
    // player holds it shared for each event it reads, loads hold it exclusively.
    mutable std::shared_mutex macroLock;

    macro::MacroFileContext macroFiles() const {
        return macro::MacroFileContext{profiles, messages, language, &macroLock};
    }
};

} // namespace zantor
