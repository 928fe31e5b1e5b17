#include "app/license_window.h"
#include "app/main_menu.h"
#include "editor/text_editor.h"
#include "screens/pressure_drop_screen.h"
#include "screens/speed_screen.h"
#include "ui_support.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

using namespace zelk;
using namespace zelk::test;

class MainMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;
    MainMenu* menu = nullptr;
    QListWidget* list = nullptr;

    void clickEntry(int row) {
        QListWidgetItem* item = list->item(row);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

private slots:
    void init() {
        s = std::make_unique<Session>();
        s->program->start();
        menu = s->screens().find<MainMenu>();
        QVERIFY2(menu, "the main menu was not created");
        list = child<QListWidget>(menu, "List1");
        QVERIFY2(list, "List1 missing");
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startsOnTheMenuAlone() {
        QCOMPARE(menu->objectName(), QStringLiteral("SprayMenu"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Menu - Metric"));
        QCOMPARE(s->screens().windows().size(), std::size_t(1));
        QCOMPARE(child<QLabel>(menu, "Label1")->text(),
                 QStringLiteral("Zelk Sprayer Calibration Tool"));
        QCOMPARE(child<QLabel>(menu, "Label2")->text(), QStringLiteral("Select Desired Function"));
        QCOMPARE(child<QLabel>(menu, "Label4")->text(), QStringLiteral("Metric Version"));
        QVERIFY(child(menu, "Image1"));
    }

    void listsTheNineEntriesInOrder() {
        const QStringList expected = {
            "Enter Information",     "Nozzle Uniformity",    "Speed Calculator",
            "Area Calculator",       "Application Rate",     "Tank Mixing",
            "Select Correct Nozzle", "Nozzle Pressure Drop", "Print Report"};
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown, expected);
        QVERIFY(!list->isSortingEnabled());
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void aSecondClickRaisesTheSameScreenWithItsFields() {
        clickEntry(7);
        auto* screen = s->screens().find<PressureDropScreen>();
        QVERIFY2(screen, "Nozzle Pressure Drop did not open pressdrop");
        QVERIFY(screen->isVisible());
        typeInto(screen, "Text1", "3");

        clickEntry(7);
        QCOMPARE(s->screens().find<PressureDropScreen>(), screen);
        QCOMPARE(textOf(screen, "Text1"), QStringLiteral("3"));
        QVERIFY(list->item(7)->isSelected());
    }

    void closingAndReopeningGivesEmptyFields() {
        clickEntry(7);
        QPointer<PressureDropScreen> first = s->screens().find<PressureDropScreen>();
        QVERIFY(first);
        typeInto(first, "Text1", "3");
        closeWindow(first);
        QVERIFY(first.isNull());
        QVERIFY(!s->screens().find<PressureDropScreen>());

        clickEntry(7);
        auto* second = s->screens().find<PressureDropScreen>();
        QVERIFY(second);
        QCOMPARE(textOf(second, "Text1"), QString());
    }

    void theFirstKeyPressChoosesFromNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("window");
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << "FrmInfo";
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << "FrmInfo";
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << "FrmInfo";
        QTest::newRow("end") << int(Qt::Key_End) << 8 << "frmTxtEditor";
    }

    // At start no entry is current or selected, so the first key lands on an
    // end of the list rather than next to an entry nobody chose.
    void theFirstKeyPressChoosesFromNothing() {
        QFETCH(int, key);
        QFETCH(int, row);
        QFETCH(QString, window);
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(list->currentRow(), row);
        QVERIFY(list->item(row)->isSelected());
        QWidget* opened = nullptr;
        for (QWidget* w : s->screens().windows())
            if (w->objectName() == window)
                opened = w;
        QVERIFY2(opened && opened->isVisible(), qPrintable(window + " did not open"));
    }

    void theDownKeyOpensTheNextEntry() {
        list->setFocus();
        list->setCurrentRow(6);
        QVERIFY(!s->screens().find<PressureDropScreen>());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 7);
        auto* screen = s->screens().find<PressureDropScreen>();
        QVERIFY2(screen, "moving down onto Nozzle Pressure Drop did not open it");
        QVERIFY(screen->isVisible());
    }

    void helpAndAboutShowTheirNotices() {
        auto* help = menu->menuBar()->findChild<QAction*>("Contact");
        auto* about = menu->menuBar()->findChild<QAction*>("Zelk");
        auto* license = menu->menuBar()->findChild<QAction*>("Licensetxt");
        QVERIFY(help && about && license);
        QCOMPARE(help->text(), QStringLiteral("Help"));
        QCOMPARE(about->text(), QStringLiteral("About"));
        QCOMPARE(license->text(), QStringLiteral("License"));
        QVERIFY(!help->menu() && !about->menu() && !license->menu());

        help->trigger();
        about->trigger();
        QCOMPARE(s->platform.shown.size(), 2);
        const auto& helpShown = s->platform.shown[0];
        QCOMPARE(helpShown.text,
                 QStringLiteral("Report Software Problems to: support@zelk.example"));
        QCOMPARE(helpShown.title, QStringLiteral("Program Information"));
        QCOMPARE(helpShown.icon, Platform::Icon::None);
        const auto& aboutShown = s->platform.shown[1];
        QVERIFY(aboutShown.text.contains("2026") && aboutShown.text.contains("Zelk"));
        QVERIFY(!aboutShown.text.contains('\n'));
        QCOMPARE(aboutShown.title, QStringLiteral("Program Information"));
        // The version from the build's project version.
        QVERIFY2(aboutShown.text.contains(QLatin1String(" " ZELK_EXPECTED_VERSION ",")),
                 qPrintable(aboutShown.text));
    }

    void enterRunsTheEntryUnderTheCursor_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
    }

    // The cursor on "Speed Calculator" without selecting it (Ctrl+Down
    // moves only the cursor): Enter selects and opens it; Enter on an open
    // screen's entry keeps the one window.
    void enterRunsTheEntryUnderTheCursor() {
        QFETCH(int, key);
        const auto modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        list->setFocus();
        list->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QVERIFY(!list->item(2)->isSelected());
        QVERIFY(!s->screens().find<SpeedScreen>());
        QTest::keyClick(list, Qt::Key(key), modifiers);
        auto* speed = s->screens().find<SpeedScreen>();
        QVERIFY2(speed && speed->isVisible(), "Enter did not open the speed screen");
        QVERIFY(list->item(2)->isSelected());
        typeInto(speed, "Text1", "50");
        QTest::keyClick(list, Qt::Key(key), modifiers);
        QCOMPARE(s->screens().find<SpeedScreen>(), speed);
        QCOMPARE(textOf(speed, "Text1"), QStringLiteral("50"));
    }

    // As the window system delivers a double-click: press, release, then the
    // second press as a double-click, and its release.
    void doubleClick(const QPoint& at) {
        QWidget* viewport = list->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at),
                           Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &second);
        QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(viewport, &release);
    }

    // A double-click is a click and then a second press: the entry runs
    // once, one window, and one report in the editor for Print Report.
    void aDoubleClickRunsTheEntryOnce() {
        QListWidgetItem* speedItem = list->item(2);
        const QPoint speedAt = list->visualItemRect(speedItem).center();
        doubleClick(speedAt);
        auto* speed = s->screens().find<SpeedScreen>();
        QVERIFY2(speed && speed->isVisible(), "a double-click did not open the speed screen");
        QCOMPARE(s->screens().windows().size(), std::size_t(2));

        const QPoint reportAt = list->visualItemRect(list->item(8)).center();
        doubleClick(reportAt);
        auto* editor = s->screens().find<TextEditor>();
        QVERIFY2(editor && editor->isVisible(), "a double-click did not print the report");
        auto* document = child<QTextEdit>(editor, "rtf");
        QVERIFY(document);
        const QString once = document->toPlainText();
        QVERIFY(!once.isEmpty());
        const QString firstLine = once.section('\n', 0, 0);
        QCOMPARE(once.count(firstLine), 1);
        // A single click afterwards prints it again, as the list always did.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, reportAt);
        QCOMPARE(document->toPlainText().count(firstLine), 2);
    }

    void theLicenceWindowFollowsItsResizeRule() {
        menu->findChild<QAction*>("Licensetxt")->trigger();
        auto* window = s->screens().find<LicenseWindow>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("End User License"));
        auto* rtf = child<QPlainTextEdit>(window, "rtf");
        QVERIFY(rtf);
        QVERIFY2(rtf->toPlainText().size() > 5000, "the licence text is missing");
        QCOMPARE(rtf->pos(), QPoint(16, 48));

        window->resize(600, 500);
        QCOMPARE(rtf->size(), QSize(600 - 30, 500 - 100));
        // Under 1500 twips of height nothing changes, not even the width.
        window->resize(300, 90);
        QCOMPARE(rtf->size(), QSize(600 - 30, 500 - 100));
        window->resize(500, 400);
        QCOMPARE(rtf->size(), QSize(500 - 30, 400 - 100));
        // A width under 450 twips: the height follows, the width stays.
        window->resize(20, 300);
        QCOMPARE(rtf->size(), QSize(500 - 30, 300 - 100));

        // What the operator types is not kept for the next window.
        rtf->setPlainText("scribbled");
        closeWindow(window);
        menu->findChild<QAction*>("Licensetxt")->trigger();
        window = s->screens().find<LicenseWindow>();
        QVERIFY(window);
        QCOMPARE(child<QPlainTextEdit>(window, "rtf")->toPlainText(), LicenseWindow::licenseText());
    }

    void hiddenScreensDoNotKeepTheProgramAlive() {
        s->screens().get<PressureDropScreen>(); // created hidden, as a hand-off would
        bool timedOut = false;
        QTimer::singleShot(0, menu, [this] { menu->close(); });
        QTimer::singleShot(5000, qApp, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(!timedOut, "the program kept running with only a hidden screen");
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
