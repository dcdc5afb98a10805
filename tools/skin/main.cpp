// zantor_skin_generator SKINS_DIR: draws the skin's images and writes its layout files.
#include "skin_description.h"
#include "skin_generator.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SKINS_DIR\n", argv[0]);
        return 64;
    }
    // Always offscreen: the same fonts and metrics on every machine, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto problems = zantor::skingen::writeSkin(zantor::skingen::skinDescription(), argv[1]);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    if (!problems.empty())
        return 1;
    std::printf("skin written to %s\n", argv[1]);
    return 0;
}
