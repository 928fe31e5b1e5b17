// Baseline of the start-up: a bare Qt program that shows one empty window
// of the main menu's size, and says when it has been painted. With the
// argument "label" the window holds one line of text, which shows what
// loading the fonts alone costs.
#include "probe.h"

#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelk::bench::PaintProbe probe;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(683, 457);
    if (argc > 1 && QByteArray(argv[1]) == "label")
        (new QLabel(QStringLiteral("Select Desired Function"), &window))->move(16, 16);
    probe.whenPainted(&window, [] {
        zelk::bench::report("painted_ns", double(zelk::bench::monotonicNs()));
        QCoreApplication::quit();
    });
    window.show();
    return app.exec();
}
