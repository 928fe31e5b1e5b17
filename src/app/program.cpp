#include "app/program.h"

#include "app/main_menu.h"
#include "app/user_guide.h"
#include "kit/logo.h"
#include "screens/catch_test_screen.h"
#include "screens/multiple_tank_screen.h"
#include "screens/rate_screen.h"
#include "screens/speed_screen.h"
#include "screens/tank_mix_screen.h"

#include <QGuiApplication>

namespace zelk {

Program::Program()
    : ownedPlatform_(std::make_unique<QtPlatform>()), platform_(*ownedPlatform_),
      screens_(record_, platform_) {
    screens_.setOnCreated([this](QWidget& screen) { prepare(screen); });
}

Program::Program(Platform& platform) : platform_(platform), screens_(record_, platform_) {
    screens_.setOnCreated([this](QWidget& screen) { prepare(screen); });
}

Program::~Program() = default;

void Program::start() {
    // One icon for every window, painted once: windows without their own
    // take the application's.
    QGuiApplication::setWindowIcon(Logo::icon());
    QCoreApplication::instance()->installEventFilter(&placer_);
    placer_.setAnchor(&screens_.get<MainMenu>());
    screens_.setBeforeFirstShow([this](QWidget& window) { placer_.placeBeforeShow(window); });
    screens_.show<MainMenu>();
}

void Program::prepare(QWidget& screen) {
    // The menu's own User Guide command carries F1 there.
    if (!qobject_cast<MainMenu*>(&screen))
        AddUserGuideKey(screen, screens_);
    connectHandOffs(screen);
}

void Program::connectHandOffs(QWidget& screen) {
    if (auto* speed = qobject_cast<SpeedScreen*>(&screen)) {
        QObject::connect(speed, &SpeedScreen::speedCalculated, speed, [this](const QString& kmh) {
            screens_.get<RateScreen>().receiveSpeed(kmh);
        });
    } else if (auto* catchTest = qobject_cast<CatchTestScreen*>(&screen)) {
        QObject::connect(catchTest, &CatchTestScreen::flowCalculated, catchTest,
                         [this](const QString& litersPerMinute) {
                             screens_.get<RateScreen>().receiveFlow(litersPerMinute);
                         });
    } else if (auto* tankMix = qobject_cast<TankMixScreen*>(&screen)) {
        QObject::connect(tankMix, &TankMixScreen::multipleTankRequested, tankMix,
                         [this](const QString& water, const QString& mlPerLiter) {
                             screens_.get<MultipleTankScreen>().receiveTankMix(water, mlPerLiter);
                             screens_.show<MultipleTankScreen>();
                         });
    }
}

} // namespace zelk
