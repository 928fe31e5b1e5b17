// The desktop keys of the screens: Enter and Return press the screen's own
// button from an entry, Escape closes a window as its close box does. Each
// key is checked against the button or the close box itself in a second
// program, so the table says what to type, never what comes out.
#include "app/license_window.h"
#include "core/report.h"
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

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>
#include <vector>

using namespace zelk;
using namespace zelk::test;

namespace {

using Entries = std::vector<std::pair<const char*, const char*>>;

struct Screen {
    const char* name;
    QWidget* (*open)(Session&);
    // Entries typed before the key, in the screen's order; the key is pressed
    // in the last one.
    Entries entries;
};

template <class T> QWidget* openScreen(Session& s) {
    return &s.screens().show<T>();
}

QWidget* openAreaTrapezoid(Session& s) {
    auto& area = s.screens().show<AreaScreen>();
    auto* shapes = child<QComboBox>(&area, "DropShape");
    if (shapes) {
        shapes->setCurrentIndex(5);
        emit shapes->activated(5);
    }
    return &area;
}

QWidget* openMultipleTankAfterTankMix(Session& s) {
    auto& screen = s.screens().show<MultipleTankScreen>();
    screen.receiveTankMix(QStringLiteral("2000"), QStringLiteral("0.6"));
    return &screen;
}

// Every screen with a button of its own, its worked example.
const std::vector<Screen>& calculators() {
    static const std::vector<Screen> screens = {
        {"speedCalc", openScreen<SpeedScreen>, {{"Text1", "50"}, {"Text2", "15"}}},
        {"Rate", openScreen<RateScreen>, {{"Text3", "50"}, {"Text1", "1.5"}, {"Text2", "7"}}},
        {"pressdrop",
         openScreen<PressureDropScreen>,
         {{"Text1", "3"}, {"Text2", "1.2"}, {"Text3", "1.39"}}},
        {"Nozzle",
         openScreen<CatchTestScreen>,
         {{"Text16", "10"},
          {"Text17(0)", "30"},
          {"Text17(1)", "3"},
          {"Text1(0)", "500"},
          {"Text2(0)", "520"},
          {"Text3(0)", "480"}}},
        {"Calibrate",
         openScreen<TankMixScreen>,
         {{"Text1", "1000"}, {"Text2", "300"}, {"Text8", "2"}}},
        {"Multtank", openMultipleTankAfterTankMix, {{"Tank", "500"}}},
        {"Nozzleoutput",
         openScreen<NozzleSelectionScreen>,
         {{"Text1", "200"}, {"Text2", "6"}, {"Text3", "50"}}},
        {"frmArea", openAreaTrapezoid, {{"txt1", "10"}, {"txt2", "20"}, {"txt3", "5"}}},
    };
    return screens;
}

QWidget* openInformation(Session& s) {
    return &s.screens().show<InfoScreen>();
}

QWidget* openLicence(Session& s) {
    return &s.screens().show<LicenseWindow>();
}

// The windows Escape closes: where the focus is when it is pressed (the
// last entry unless named), and whether their close step stores report lines.
struct Closable {
    Screen screen;
    const char* focus;
    bool storesLines;
};

const std::vector<Closable>& closable() {
    static const std::vector<Closable> windows = [] {
        std::vector<Closable> all;
        for (const Screen& screen : calculators()) {
            const std::string name = screen.name;
            all.push_back({screen, nullptr, name != "pressdrop" && name != "frmArea"});
        }
        all.push_back(
            {{"FrmInfo", openInformation, {{"FldCoName", "Example Turf Care"}}}, nullptr, true});
        all.push_back({{"FrmInfo_notes", openInformation, {{"FldCoName", "Example Turf Care"}}},
                       "Text1",
                       true});
        all.push_back({{"frmLicense", openLicence, {}}, "rtf", false});
        return all;
    }();
    return windows;
}

// What the operator sees of a window and has been shown: every field and
// caption, the messages, and where the focus is.
QStringList seen(Session& s, QWidget* window) {
    QStringList lines;
    for (const auto* field : window->findChildren<QLineEdit*>())
        lines << field->objectName() + QStringLiteral(" = ") + field->text();
    for (const auto* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window))
            lines << label->objectName() + QStringLiteral(": ") + label->text();
    for (const auto& shown : s.platform.shown)
        lines << shown.kind + QStringLiteral(" ") + shown.title + QStringLiteral(" / ") +
                     shown.text;
    const QWidget* focus = QApplication::focusWidget();
    lines << QStringLiteral("focus ") + (focus ? focus->objectName() : QStringLiteral("none"));
    return lines;
}

// Opens the screen, types its entries (all of them, or none), activates the
// window and puts the focus in the last entry.
QWidget* prepare(Session& s, const Screen& screen, bool typed) {
    QWidget* window = screen.open(s);
    if (!window)
        return nullptr;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    QLineEdit* last = nullptr;
    for (const auto& [name, value] : screen.entries) {
        last = child<QLineEdit>(window, name);
        if (!last)
            return nullptr;
        if (typed)
            last->setText(QString::fromLatin1(value));
    }
    if (last)
        last->setFocus(Qt::TabFocusReason);
    return window;
}

void finish(Session& s) {
    for (QWidget* window : s.screens().windows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void enterPressesTheScreensButton_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("key");
        const auto& screens = calculators();
        for (int i = 0; i < int(screens.size()); ++i) {
            const QByteArray name = screens[i].name;
            QTest::newRow(name + "_example_return") << i << true << int(Qt::Key_Return);
            QTest::newRow(name + "_example_enter") << i << true << int(Qt::Key_Enter);
            QTest::newRow(name + "_empty_return") << i << false << int(Qt::Key_Return);
        }
    }

    // The same entries in two programs: one presses the button, the other
    // the key in an entry; both must show the same results, the same
    // messages, and leave the focus in the same place.
    void enterPressesTheScreensButton() {
        QFETCH(int, row);
        QFETCH(bool, typed);
        QFETCH(int, key);
        const Screen& screen = calculators()[row];

        QStringList byButton;
        {
            Session s;
            QWidget* window = prepare(s, screen, typed);
            QVERIFY2(window, screen.name);
            auto* button = child<QPushButton>(window, "Command1");
            QVERIFY2(button, "Command1 missing");
            const QStringList before = seen(s, window);
            button->click();
            byButton = seen(s, window);
            // The example must do something, or the comparison proves nothing.
            QVERIFY2(byButton != before, "the button changed nothing");
            finish(s);
        }
        Session s;
        QWidget* window = prepare(s, screen, typed);
        QVERIFY2(window, screen.name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(seen(s, window), byButton);
        finish(s);
    }

    // Enter on the focused button presses that button, not the screen's own.
    void enterOnAnotherButtonPressesThatButton() {
        Session s;
        const Screen& mix = calculators()[4];
        QWidget* window = prepare(s, mix, true);
        QVERIFY(window);
        auto* reset = child<QPushButton>(window, "Command2");
        QVERIFY2(reset, "Command2 missing");
        reset->setFocus(Qt::TabFocusReason);
        QTest::keyClick(reset, Qt::Key_Return);
        QCOMPARE(textOf(window, "Text1"), QString());
        QCOMPARE(s.platform.shown.size(), 0);
        finish(s);
    }

    // The notes box keeps Enter for its line breaks, and the screen has no
    // button to press.
    void theNotesBoxKeepsEnter() {
        Session s;
        auto& info = s.screens().show<InfoScreen>();
        auto* notes = child<QPlainTextEdit>(&info, "Text1");
        QVERIFY2(notes, "Text1 missing");
        notes->setFocus();
        QTest::keyClicks(notes, QStringLiteral("one"));
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, QStringLiteral("two"));
        QCOMPARE(notes->toPlainText(), QStringLiteral("one\ntwo"));
        QVERIFY(info.isVisible());
        finish(s);
    }

    // With the shape list open, Enter chooses the shape there and calculates
    // nothing; the list is closed and the screen shows that shape's entries.
    void enterInTheOpenShapeListChoosesTheShape() {
        Session s;
        auto& area = s.screens().show<AreaScreen>();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        auto* shapes = child<QComboBox>(&area, "DropShape");
        QVERIFY2(shapes, "DropShape missing");
        shapes->setFocus();
        shapes->showPopup();
        QAbstractItemView* view = shapes->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(shapes->model()->index(3, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(shapes->currentIndex(), 3);
        QVERIFY(child<QLineEdit>(&area, "txt2")->isVisibleTo(&area));
        QCOMPARE(child<QLabel>(&area, "txtArea")->text(), QString());
        QCOMPARE(s.platform.shown.size(), 0);
        QVERIFY(area.isVisible());
        finish(s);
    }

    void escapeClosesAsTheCloseBoxDoes_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("calculate");
        const auto& windows = closable();
        for (int i = 0; i < int(windows.size()); ++i) {
            const QByteArray name = windows[i].screen.name;
            QTest::newRow(name) << i << false;
            if (i < int(calculators().size()))
                QTest::newRow(name + "_calculated") << i << true;
        }
    }

    // Escape from the focused control: the window goes and its close step
    // ran, leaving the same job record the close box leaves.
    void escapeClosesAsTheCloseBoxDoes() {
        QFETCH(int, row);
        QFETCH(bool, calculate);
        const Closable& closing = closable()[row];
        const auto open = [&](Session& s) -> QWidget* {
            QWidget* window = prepare(s, closing.screen, true);
            if (!window)
                return nullptr;
            if (calculate)
                child<QPushButton>(window, "Command1")->click();
            if (closing.focus)
                child(window, closing.focus)->setFocus(Qt::TabFocusReason);
            return window;
        };
        std::string byCloseBox;
        {
            Session s;
            QWidget* window = open(s);
            QVERIFY2(window, closing.screen.name);
            closeWindow(window);
            byCloseBox = BuildReport(s.record());
            finish(s);
        }
        Session s;
        QWidget* window = open(s);
        QVERIFY2(window, closing.screen.name);
        const std::string whileOpen = BuildReport(s.record());
        QPointer<QWidget> guard(window);
        const std::size_t windows = s.screens().windows().size();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(s.screens().windows().size(), windows - 1);
        QCOMPARE(BuildReport(s.record()), byCloseBox);
        if (closing.storesLines)
            QVERIFY2(byCloseBox != whileOpen, "the close step stored nothing to compare");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        finish(s);
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
