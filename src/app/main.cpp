#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelk Sprayer Calibration Tool"));
    // Ties the windows to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.zelk.SprayerCalibration"));
    zelk::Program program;
    program.start();
    return app.exec();
}
