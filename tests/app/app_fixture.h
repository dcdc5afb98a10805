#pragma once

#include "app/app_context.h"
#include "app/gmouse_dlg.h"
#include "platform/message/user_messages.h"
#include "platform/ui/dialogs.h"
#include "support/temp_home.h"

#include <QImage>
#include <QPoint>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <vector>

namespace zantor::app::test {

// Dialogs that answer with what the test put in and remember what they were asked.
class FakeDialogs final : public ui::Dialogs {
public:
    std::optional<QColor> colour;
    std::optional<QString> fileToOpen, fileToSave;
    std::vector<QString> messages, details;
    std::vector<QUrl> openedUrls;
    int colourDialogs = 0;
    QString saveSuffix;

    std::optional<QColor> chooseColour(QWidget*, QColor) override {
        ++colourDialogs;
        return colour;
    }
    std::optional<QString> chooseFileToOpen(QWidget*, const QString&, const QString&) override {
        return fileToOpen;
    }
    std::optional<QString> chooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString& suffix) override {
        saveSuffix = suffix;
        return fileToSave;
    }
    void message(QWidget*, const QString& text, const QString& detail) override {
        messages.push_back(text);
        details.push_back(detail);
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return true;
    }
};

// A home folder with the shipped configuration, macro files and skin.
class TestHome {
public:
    TestHome();
    const std::string& path() const { return dir_.path(); }
    AppPaths paths() const { return AppPaths{dir_.path()}; }

private:
    zantor::test::TempDir dir_;
};

// A context on a fresh home with the simulated mouse, fake dialogs and collected messages.
struct TestContext {
    TestHome home;
    std::ostringstream printed; // what the simulated desktop settings would set
    std::unique_ptr<AppContext> context;
    FakeDialogs* dialogs = nullptr;
    CollectedMessages* messages = nullptr;

    TestContext();
};

// The main window on a fresh home, started up (unless a test changes the home first).
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts the window up; false when the program ended during start-up.
    bool start();
    CKOV_GMouseDlg& window() { return *window_; }
    AppContext& context() { return *test_.context; }
    FakeDialogs& dialogs() { return *test_.dialogs; }
    const std::string& home() const { return test_.home.path(); }
    MouseConfig& config() { return test_.context->settings.config; }

    QPoint centreOfMain(int entry) const;
    QPoint centreOfColour(int entry) const;
    QPoint centreOfAdvanced(int entry) const;
    void press(QPoint at);
    void release(QPoint at);
    void click(QPoint at);
    // What the window shows, as RGB32.
    QImage picture();
    // The reports the simulated mouse received, as their command bytes (byte 1).
    std::vector<std::uint8_t> commandsSent() const;

    TestContext test_;
    std::unique_ptr<CKOV_GMouseDlg> window_;
};

// The pixel of a skin image at a point, for comparing with what the window shows.
QRgb skinPixel(const AppPaths& paths, std::string_view image, QPoint at);

} // namespace zantor::app::test
