#include "skin/skin_files.h"

namespace zantor::skin {

std::string_view layoutFileName(LayoutFile file, int language) {
    for (const LayoutFileName& name : kLayoutFileNames)
        if (name.file == file)
            return language != 0 ? name.english : name.korean;
    return {};
}

std::string layoutFilePath(const AppPaths& paths, LayoutFile file, int language) {
    return paths.layoutDir(language) + "/" + std::string(layoutFileName(file, language));
}

} // namespace zantor::skin
