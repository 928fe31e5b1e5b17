// Where windows open and the user guide: every window of a whole job, opened
// together, lies inside the screen's free area, those opened from the menu
// beside it on places of their own; F1 opens one guide from any window.
#include "app/license_window.h"
#include "app/main_menu.h"
#include "app/user_guide.h"
#include "core/report.h"
#include "editor/text_editor.h"
#include "screens/area_screen.h"
#include "screens/catch_test_screen.h"
#include "screens/info_screen.h"
#include "screens/multiple_tank_screen.h"
#include "screens/nozzle_selection_screen.h"
#include "screens/pressure_drop_screen.h"
#include "screens/rate_screen.h"
#include "screens/speed_screen.h"
#include "screens/tank_mix_screen.h"
#include "ui_support.h"

#include <QListWidget>
#include <QScreen>
#include <QTextBrowser>

#include <vector>

using namespace zelk;
using namespace zelk::test;

namespace {

// The windows of a whole job, in the order an operator opens them.
std::vector<QWidget*> openEveryWindow(Session& s) {
    s.program->start();
    std::vector<QWidget*> windows{s.screens().find<MainMenu>()};
    windows.push_back(&s.screens().show<InfoScreen>());
    windows.push_back(&s.screens().show<CatchTestScreen>());
    windows.push_back(&s.screens().show<SpeedScreen>());
    windows.push_back(&s.screens().show<AreaScreen>());
    windows.push_back(&s.screens().show<RateScreen>());
    windows.push_back(&s.screens().show<TankMixScreen>());
    windows.push_back(&s.screens().show<MultipleTankScreen>());
    windows.push_back(&s.screens().show<NozzleSelectionScreen>());
    windows.push_back(&s.screens().show<PressureDropScreen>());
    auto& editor = s.screens().get<TextEditor>();
    editor.insertAtCaret(QString::fromStdString(BuildReport(s.record())));
    editor.showEditor();
    windows.push_back(&editor);
    windows.push_back(&s.screens().show<LicenseWindow>());
    windows.push_back(&s.screens().show<UserGuide>());
    return windows;
}

QWidget* visibleGuide() {
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<UserGuide*>(window) && window->isVisible()) {
            if (found)
                return nullptr; // two guides are as wrong as none
            found = window;
        }
    }
    return found;
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowOpensInsideTheFreeArea() {
        Session s;
        const std::vector<QWidget*> windows = openEveryWindow(s);
        const QRect available = windows.front()->screen()->availableGeometry();
        for (QWidget* window : windows) {
            QVERIFY(window);
            QVERIFY2(available.contains(window->frameGeometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                                    .arg(window->windowTitle())
                                    .arg(window->frameGeometry().x())
                                    .arg(window->frameGeometry().y())
                                    .arg(window->frameGeometry().width())
                                    .arg(window->frameGeometry().height())
                                    .arg(available.width())
                                    .arg(available.height())));
        }
        QCOMPARE(windows.front()->frameGeometry().topLeft(), available.topLeft());
    }

    // Taller than the screen (the information screen on this one) it is
    // shrunk to the free area, but never below what its layout needs.
    void aWindowTallerThanTheScreenIsShrunkToIt() {
        Session s;
        s.program->start();
        auto& info = s.screens().get<InfoScreen>();
        const QRect available = info.screen()->availableGeometry();
        info.resize(info.width(), available.height() + 200);
        s.screens().show<InfoScreen>();
        QCOMPARE(info.frameGeometry().height(),
                 std::max(available.height(), info.minimumSizeHint().height()));
        QCOMPARE(info.frameGeometry().top(), available.top());
    }

    // The first screen beside the menu (right of it where there is room,
    // else against the screen's right edge), each next one a cascade step
    // down and away from the menu.
    void screensOpenBesideTheMenuAndCascade() {
        Session s;
        s.program->start();
        const QRect menu = s.screens().find<MainMenu>()->frameGeometry();
        const QRect available = s.screens().find<MainMenu>()->screen()->availableGeometry();
        const QRect speed = s.screens().show<SpeedScreen>().frameGeometry();
        const QRect rate = s.screens().show<RateScreen>().frameGeometry();
        const QRect pressure = s.screens().show<PressureDropScreen>().frameGeometry();
        QCOMPARE(speed.top(), menu.top());
        QCOMPARE(rate.top(), speed.top() + 32);
        QCOMPARE(pressure.top(), rate.top() + 32);
        if (menu.right() + speed.width() <= available.right()) {
            QCOMPARE(speed.left(), menu.right() + 1);
            QCOMPARE(rate.left(), speed.left() + 32);
            QCOMPARE(pressure.left(), rate.left() + 32);
        } else {
            QCOMPARE(speed.right(), available.right());
            QCOMPARE(rate.right(), speed.right() - 32);
            QCOMPARE(pressure.right(), rate.right() - 32);
        }
    }

    // A window given a place off the screen before it first opens (as a
    // saved or computed position may be) still opens wholly on it.
    void aWindowPlacedOffTheScreenOpensOnIt() {
        Session s;
        s.program->start();
        auto& info = s.screens().get<InfoScreen>();
        const QRect available = info.screen()->availableGeometry();
        info.move(available.right() - 50, available.bottom() - 50);
        s.screens().show<InfoScreen>();
        QVERIFY(available.contains(info.frameGeometry()));
    }

    // A window the user moved or that was shown before keeps its place.
    void aWindowShownAgainKeepsItsPlace() {
        Session s;
        s.program->start();
        auto& speed = s.screens().show<SpeedScreen>();
        speed.move(40, 50);
        speed.hide();
        s.screens().show<SpeedScreen>();
        QCOMPARE(speed.pos(), QPoint(40, 50));
    }

    void f1OpensOneGuideFromEveryWindow() {
        Session s;
        std::vector<QWidget*> windows = openEveryWindow(s);
        // The guide is the last; closed, F1 must bring it back.
        closeWindow(windows.back());
        windows.pop_back();
        QVERIFY(!visibleGuide());
        for (QWidget* window : windows) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QWidget* target = window->focusWidget() ? window->focusWidget() : window;
            QTest::keyClick(target, Qt::Key_F1);
            QWidget* guide = visibleGuide();
            QVERIFY2(guide, qPrintable(window->windowTitle()));
            QCOMPARE(guide->objectName(), QStringLiteral("userGuide"));
            QCOMPARE(guide->windowTitle(), QStringLiteral("User Guide"));
        }
    }

    void theMenuCommandOpensTheGuideAndEscapeClosesIt() {
        Session s;
        s.program->start();
        auto* menu = s.screens().find<MainMenu>();
        auto* command = menu->findChild<QAction*>(QStringLiteral("userGuideCommand"));
        QVERIFY(command);
        QCOMPARE(command->text(), QStringLiteral("User Guide"));
        QCOMPARE(command->shortcut(), QKeySequence(QKeySequence::HelpContents));
        command->trigger();
        command->trigger();
        QWidget* guide = visibleGuide();
        QVERIFY(guide);
        QTest::keyClick(guide, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!visibleGuide());
        QVERIFY(!s.screens().find<UserGuide>());
    }

    // The guide is read from the program's resources; it names every function
    // of the menu and the keys of the screens and the editor.
    void theGuideCoversEveryFunctionAndTheKeys() {
        Session s;
        s.program->start();
        auto& guide = s.screens().show<UserGuide>();
        const QString text = guide.toPlainText();
        QVERIFY(text.size() > 2000);
        for (const QString& entry : MainMenu::entries())
            QVERIFY2(text.contains(entry), qPrintable(entry));
        for (const char* key : {"F1", "F3", "Escape", "Enter", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+F",
                                "Ctrl+Z", "Ctrl+W", "Ctrl+R", "Ctrl+L", "Multiple Tank Mix"})
            QVERIFY2(text.contains(QLatin1String(key)), key);
        // Wholly inside the screen as well.
        QVERIFY(guide.screen()->availableGeometry().contains(guide.frameGeometry()));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
