#include "app/program.h"

#include "app/logo.h"
#include "app/spray_menu.h"

#include <QGuiApplication>

namespace zelk {

Program::Program()
    : ownedPlatform_(std::make_unique<QtPlatform>()), platform_(*ownedPlatform_),
      screens_(record_, platform_) {}

Program::Program(Platform& platform) : platform_(platform), screens_(record_, platform_) {}

Program::~Program() = default;

void Program::start() {
    // One icon for every window, painted once: windows without their own
    // take the application's.
    QGuiApplication::setWindowIcon(Logo::icon());
    screens_.show<SprayMenu>();
}

} // namespace zelk
