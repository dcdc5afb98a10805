#include "skin/function_names.h"

#include "skin/skin_loader.h"
#include "skin/skin_value.h"

namespace zantor::skin {

FunctionNames readFunctionNames(const profile::ProfileStore::Snapshot& mainLayout) {
    FunctionNames names;
    for (std::size_t k = 1; k <= names.size(); ++k)
        names[k - 1] = ReadSkinValue(mainLayout, "FUN_STRING", static_cast<int>(k))[0];
    return names;
}

Result<FunctionNames> LoadFunctionNames(profile::ProfileStore& store, const AppPaths& paths,
                                        int language) {
    auto file = openLayoutFile(store, paths, LayoutFile::Main, language);
    if (!file)
        return file.error();
    return readFunctionNames(*file);
}

std::string FunctionDisplayName(int code, const FunctionNames& names,
                                std::span<const std::string> userMacroNames) {
    if (code >= kFirstUserMacroCode && code <= kLastUserMacroCode) {
        const auto macro = static_cast<std::size_t>(code - kFirstUserMacroCode);
        return macro < userMacroNames.size() ? userMacroNames[macro] : std::string();
    }
    if (code < 1 || code > static_cast<int>(names.size()))
        return {};
    return names[static_cast<std::size_t>(code - 1)];
}

} // namespace zantor::skin
