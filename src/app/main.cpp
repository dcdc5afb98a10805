// zantor: the window program of the ZANTOR mouse.
#include "app/app_options.h"
#include "app/gmouse_app.h"
#include "app/render_page.h"
#include "app/ui_texts.h"

#include <QApplication>

#include <cstdio>

using namespace zantor::app;

int main(int argc, char** argv) {
    // Arguments are checked before Qt starts, so --help and mistakes need no display.
    const auto options = parseAppOptions(ownArguments(argc, argv));
    if (!options) {
        std::fprintf(stderr, "zantor: %s\n%s", options.error().message.c_str(), kUsage.data());
        return kExitUsage;
    }
    if (options->help) {
        std::fputs(kUsage.data(), stdout);
        return kExitOk;
    }
    // Rendering needs no screen: unless told otherwise, it paints on the offscreen platform.
    if (options->render && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName("zantor");
    QApplication::setApplicationDisplayName(qs(kWindowTitle));
    QApplication::setDesktopFileName("zantor");
    // The window lives on in the tray: closing a message box while it is hidden must not end
    // the program.
    QApplication::setQuitOnLastWindowClosed(false);

    if (options->render)
        return RenderPageToFile(*options);
    return CKOV_GMouseApp(*options).InitInstance();
}
