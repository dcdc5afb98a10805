#pragma once

#include <string>

namespace zantor {

// Every file the program opens by itself is addressed from here; nothing is taken from the
// current folder. All paths use '/' and have no trailing slash.
struct AppPaths {
    std::string exeDir; // the home folder: see homeFor()

    std::string skinsDir() const { return exeDir + "/skins"; }
    std::string configFile() const { return skinsDir() + "/config/config.ini"; }
    std::string maskFile() const { return skinsDir() + "/main_mask.jpg"; }
    // The user macro library of the interface language: 0 is the Korean set, anything else English.
    std::string macroFile(int language) const {
        return exeDir + (language != 0 ? "/Macro_EN.dat" : "/Macro_CN.dat");
    }
    std::string constMacroFile() const { return exeDir + "/constMacro.dat"; }
    // The folder of the skin layout files of a language.
    std::string layoutDir(int language) const {
        return skinsDir() + (language != 0 ? "/INI_EN" : "/INI_CN");
    }

    // The folder of an executable path: the part before its last '/', empty without one.
    static std::string folderOf(const std::string& executablePath);
    // The running executable's path, as the kernel reports it.
    static std::string runningExecutable();

    // Where the program keeps its files: `homeOverride` when given (--home); otherwise the
    // executable's folder when it holds a writable home; otherwise, for an installed program,
    // $XDG_DATA_HOME/zantor (~/.local/share/zantor), seeded on first use from the installed
    // copy in <prefix>/share/zantor.
    static AppPaths homeFor(const std::string& executablePath, const std::string& homeOverride);
};

} // namespace zantor
