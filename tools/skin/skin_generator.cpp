#include "skin_generator.h"

#include "layout_writer.h"
#include "skin_checks.h"
#include "skin_painter.h"

#include "skin/skin_images.h"

#include <QImageWriter>

#include <filesystem>
#include <fstream>

namespace zantor::skingen {
namespace {

namespace fs = std::filesystem;
namespace image = skin::image;

std::string writeFile(const fs::path& path, const std::string& text) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return out ? std::string() : "cannot write " + path.string();
}

std::string writeJpeg(const fs::path& path, const QImage& picture) {
    QImageWriter writer(QString::fromStdString(path.string()), "jpg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(picture))
        return "cannot write " + path.string() + ": " + writer.errorString().toStdString();
    return {};
}

} // namespace

std::vector<SkinImage> renderSkinImages(const Description& d) {
    using enum State;
    const auto page = [&d](Page p, State s, int colour) {
        return paintPage(d, p, s, colour);
    };
    return {
        {image::kMainMask, paintMask(d.window)},
        {image::kMainNormal, page(Page::Main, Normal, kUnlit)},
        {image::kMainOver, page(Page::Main, Over, kUnlit)},
        {image::kMainDown, page(Page::Main, Down, kUnlit)},
        {image::kAdvancedNormal, page(Page::Advanced, Normal, kUnlit)},
        {image::kAdvancedOver, page(Page::Advanced, Over, kUnlit)},
        {image::kAdvancedDown, page(Page::Advanced, Down, kUnlit)},
        // The lighting page's looks carry the preview's colours: unlit, yellow and blue.
        {image::kColorNormalGray, page(Page::Color, Normal, kUnlit)},
        {image::kColorOverYellow, page(Page::Color, Over, 0)},
        {image::kColorDownBlue, page(Page::Color, Down, 1)},
        {image::kColorPink, page(Page::Color, Normal, 2)},
        {image::kColorGreen, page(Page::Color, Normal, 3)},
        {image::kColorRed, page(Page::Color, Normal, 4)},
        {image::kColorCyan, page(Page::Color, Normal, 5)},
        {image::kColorWhite, page(Page::Color, Normal, 6)},
        {image::kMenuMask, paintMenuMask(d.menu)},
        {image::kMenuNormal, paintMenu(d.menu, Normal)},
        {image::kMenuOver, paintMenu(d.menu, Over)},
        {image::kMenuDown, paintMenu(d.menu, Down)},
        {image::kSubMenuMask, paintMenuMask(d.subMenu)},
        {image::kSubMenuNormal, paintMenu(d.subMenu, Normal)},
        {image::kSubMenuOver, paintMenu(d.subMenu, Over)},
        {image::kSubMenuDown, paintMenu(d.subMenu, Down)},
        {image::kWarningMask, paintMask(d.warningWindow)},
        {image::kWarningNormal, paintWarning(d, Normal)},
        {image::kWarningOver, paintWarning(d, Over)},
    };
}

std::vector<std::string> writeSkin(const Description& d, const std::string& skinsDir) {
    std::vector<std::string> problems = checkDescription(d);
    if (!problems.empty())
        return problems;
    for (const LayoutText& file : layoutTexts(d))
        if (std::string error = writeFile(fs::path(skinsDir) / file.path, file.text);
            !error.empty())
            problems.push_back(error);
    for (const SkinImage& picture : renderSkinImages(d))
        if (std::string error =
                writeJpeg(fs::path(skinsDir) / std::string(picture.name), picture.image);
            !error.empty())
            problems.push_back(error);
    return problems;
}

} // namespace zantor::skingen
