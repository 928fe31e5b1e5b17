#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk Sprayer Calibration Tool"));
    zelk::Program program;
    program.start();
    return app.exec();
}
