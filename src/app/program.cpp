#include "app/program.h"

#include "app/spray_menu.h"

namespace zelk {

Program::Program()
    : ownedPlatform_(std::make_unique<QtPlatform>()), platform_(*ownedPlatform_),
      screens_(record_, platform_) {}

Program::Program(Platform& platform) : platform_(platform), screens_(record_, platform_) {}

Program::~Program() = default;

void Program::start() {
    screens_.show<SprayMenu>();
}

} // namespace zelk
