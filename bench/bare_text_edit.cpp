// Baseline of the memory figure: a bare Qt program holding one QTextEdit,
// shown and painted, then it ends (the driver reads its peak resident size).
#include "probe.h"

#include <QTextEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zelk::bench::PaintProbe probe;
    QTextEdit edit;
    edit.resize(683, 457);
    edit.show();
    if (!probe.waitPainted(&edit))
        return 1;
    // The same idle time as our side gives its windows.
    zelk::bench::idle(500);
    return 0;
}
