// Our start-up, as src/main.cpp does it, until the main menu is painted.
#include "probe.h"

#include "app/main_menu.h"
#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk Sprayer Calibration Tool"));
    zelk::bench::PaintProbe probe;
    zelk::Program program;
    program.start();
    zelk::MainMenu* menu = program.screens().find<zelk::MainMenu>();
    if (!menu)
        return 1;
    probe.whenPainted(menu, [] {
        zelk::bench::report("painted_ns", double(zelk::bench::monotonicNs()));
        QCoreApplication::quit();
    });
    return app.exec();
}
