// zantor: the window program of the ZANTOR mouse.
#include "app/app_options.h"
#include "app/gmouse_app.h"
#include "app/render_page.h"
#include "app/ui_texts.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

using namespace zantor::app;

int main(int argc, char** argv) {
    // Rendering needs no screen: unless told otherwise, it paints on the offscreen platform.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--render") == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName("zantor");
    QApplication::setApplicationDisplayName(qs(kWindowTitle));
    QApplication::setDesktopFileName("zantor");
    // The window lives on in the tray: closing a message box while it is hidden must not end
    // the program.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt has taken its own options (-platform, -display...) out by now.
    const QStringList arguments = QApplication::arguments();
    std::vector<std::string> texts;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        texts.push_back(arguments[i].toStdString());
    const auto options = parseAppOptions({texts.begin(), texts.end()});
    if (!options) {
        std::fprintf(stderr, "zantor: %s\n%s", options.error().message.c_str(), kUsage.data());
        return kExitUsage;
    }
    if (options->help) {
        std::fputs(kUsage.data(), stdout);
        return kExitOk;
    }
    if (options->render)
        return RenderPageToFile(*options);
    return CKOV_GMouseApp(*options).InitInstance();
}
