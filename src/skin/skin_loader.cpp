#include "skin/skin_loader.h"

#include "skin/function_names.h"
#include "skin/skin_value.h"

#include <cerrno>
#include <unistd.h>

namespace zantor::skin {
namespace {

using Snapshot = profile::ProfileStore::Snapshot;

SkinButton buttonFrom(const SkinFields& fields) {
    return SkinButton{SkinNumber(fields[1]), SkinNumber(fields[2]), SkinNumber(fields[3]),
                      SkinNumber(fields[4]), fields[5]};
}

template <std::size_t N>
void readButtons(const Snapshot& file, std::array<SkinButton, N>& buttons) {
    for (std::size_t n = 0; n < N; ++n)
        buttons[n] = buttonFrom(ReadSkinValue(file, "BUTTONPOS", static_cast<int>(n)));
}

SkinRect rectFrom(const SkinFields& fields) {
    return SkinRect{SkinNumber(fields[1]), SkinNumber(fields[2]), SkinNumber(fields[3]),
                    SkinNumber(fields[4])};
}

Status usable(const Snapshot& snapshot, const std::string& path) {
    if (snapshot.exists())
        return Ok{};
    if (::access(path.c_str(), F_OK) != 0)
        return Error{ENOENT, "The skin layout file " + path + " is missing."};
    return Error{EIO, "The skin layout file " + path + " cannot be read."};
}

// Runs `fill` on the file, also when it cannot be used (every read is then empty), so the part
// is overwritten either way.
template <class Fill>
Status loadFile(profile::ProfileStore& store, const AppPaths& paths, LayoutFile file, int language,
                Fill fill) {
    const std::string path = layoutFilePath(paths, file, language);
    const Snapshot snapshot = store.snapshot(path);
    fill(snapshot);
    return usable(snapshot, path);
}

} // namespace

Result<Snapshot> openLayoutFile(profile::ProfileStore& store, const AppPaths& paths,
                                LayoutFile file, int language) {
    const std::string path = layoutFilePath(paths, file, language);
    Snapshot snapshot = store.snapshot(path);
    if (Status status = usable(snapshot, path); !status)
        return status.error();
    return snapshot;
}

Status LoadSkinMain(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                    int language) {
    return loadFile(store, paths, LayoutFile::Main, language, [&](const Snapshot& file) {
        readButtons(file, layout.mainButtons);
        layout.functionNames = readFunctionNames(file);
    });
}

Status LoadSkinColor(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                     int language) {
    return loadFile(store, paths, LayoutFile::Color, language,
                    [&](const Snapshot& file) { readButtons(file, layout.colorButtons); });
}

Status LoadSkinAdvance(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                       int language) {
    return loadFile(store, paths, LayoutFile::Advance, language, [&](const Snapshot& file) {
        readButtons(file, layout.advanceButtons);
        layout.editRect2 = rectFrom(ReadSkinValue(file, "EDIT", 2));
        layout.editRect3 = rectFrom(ReadSkinValue(file, "EDIT", 3));
        layout.editRect4 = rectFrom(ReadSkinValue(file, "EDIT", 4));
        layout.listRect1 = rectFrom(ReadSkinValue(file, "MACRODISPLAY", 1));
        layout.listRect2 = rectFrom(ReadSkinValue(file, "MACRODISPLAY", 2));
        for (SkinRect* r : {&layout.editRect2, &layout.editRect3, &layout.editRect4,
                            &layout.listRect1, &layout.listRect2})
            r->rect = rectOf(r->x, r->y, r->width, r->height);
    });
}

Status LoadLBWarning(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                     int language) {
    return loadFile(store, paths, LayoutFile::Warning, language,
                    [&](const Snapshot& file) { readButtons(file, layout.warningButtons); });
}

Status LoadSkinLayouts(SkinLayout& layout, profile::ProfileStore& store, const AppPaths& paths,
                       int language) {
    std::string missing;
    for (Status status : {LoadSkinMain(layout, store, paths, language),
                          LoadSkinColor(layout, store, paths, language),
                          LoadSkinAdvance(layout, store, paths, language),
                          LoadLBWarning(layout, store, paths, language)}) {
        if (!status)
            missing += (missing.empty() ? "" : " ") + status.error().message;
    }
    if (!missing.empty())
        return Error{ENOENT, missing};
    return Ok{};
}

} // namespace zantor::skin
