#include "app_fixture.h"

#include "app/skin_image_cache.h"
#include "skin/skin_images.h"
#include "tools/data/shipped_data.h"

#include <QTest>

#include <filesystem>

namespace zantor::app::test {
namespace fs = std::filesystem;

TestHome::TestHome() {
    fs::copy(fs::path(ZANTOR_SOURCE_DIR) / "resources" / "skins", fs::path(dir_.path()) / "skins",
             fs::copy_options::recursive);
    if (const Status written = tools::writeShippedData(dir_.path()); !written)
        ADD_FAILURE() << written.error().message;
}

TestContext::TestContext() {
    auto fakeDialogs = std::make_unique<FakeDialogs>();
    auto collected = std::make_unique<CollectedMessages>();
    dialogs = fakeDialogs.get();
    messages = collected.get();
    context =
        std::make_unique<AppContext>(home.paths(), std::move(collected), std::move(fakeDialogs));
    context->openDevice(true, printed, nullptr);
}

void WindowTest::TearDown() {
    if (window_) {
        window_->ExitProgram();
        window_->stopWorkers();
    }
}

bool WindowTest::start() {
    window_ = std::make_unique<CKOV_GMouseDlg>(
        context(), CKOV_GMouseDlg::Options{.takeHostButtonsLock = false});
    return window_->initialise();
}

namespace {
QPoint centreOf(const skin::SkinButton& b) {
    return QPoint(b.x + b.width / 2, b.y + b.height / 2);
}
} // namespace

QPoint WindowTest::centreOfMain(int entry) const {
    return centreOf(test_.context->layout.mainButtons[std::size_t(entry)]);
}
QPoint WindowTest::centreOfColour(int entry) const {
    return centreOf(test_.context->layout.colorButtons[std::size_t(entry)]);
}
QPoint WindowTest::centreOfAdvanced(int entry) const {
    return centreOf(test_.context->layout.advanceButtons[std::size_t(entry)]);
}

void WindowTest::press(QPoint at) {
    QTest::mouseMove(window_.get(), at);
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, at);
}

void WindowTest::release(QPoint at) {
    QTest::mouseMove(window_.get(), at);
    QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, at);
}

void WindowTest::click(QPoint at) {
    press(at);
    release(at);
}

QImage WindowTest::picture() {
    return window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<std::uint8_t> WindowTest::commandsSent() const {
    std::vector<std::uint8_t> commands;
    for (const auto& entry : test_.context->simulated->trace())
        if (entry.direction == '>' && entry.bytes.size() > 1)
            commands.push_back(entry.bytes[1]);
    return commands;
}

QRgb skinPixel(const AppPaths& paths, std::string_view image, QPoint at) {
    return decodeRgbImage(skin::skinImagePath(paths, image)).pixel(at);
}

} // namespace zantor::app::test
