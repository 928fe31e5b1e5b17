// Our peak memory: the main menu, every screen opened (the multiple tank
// mix from the tank mix screen, the licence from the menu bar) and the
// report printed into the editor, all on screen and painted; then it ends
// and the driver reads its peak resident size.
#include "job.h"
#include "probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelk::bench::PaintProbe probe;
    zelk::Program program;
    program.start();
    auto* menu = program.screens().find<zelk::MainMenu>();
    if (!menu || !probe.waitPainted(menu))
        return 1;
    for (int row = 0; row <= 8; ++row)
        zelk::bench::chooseEntry(*menu, row);
    program.screens().get<zelk::TankMixScreen>().openMultipleTank();
    menu->showLicense();
    // Long enough for every window to be mapped and painted.
    zelk::bench::idle(500);
    // What the windows' pixel buffers alone take (four bytes a pixel), for
    // the note beside the figure.
    double pixels = 0;
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        ++windows;
        const qreal ratio = w->devicePixelRatioF();
        pixels += double(w->width()) * w->height() * ratio * ratio;
    }
    zelk::bench::report("windows", windows);
    zelk::bench::report("window_buffers_mib", pixels * 4 / (1024.0 * 1024.0));
    return 0;
}
