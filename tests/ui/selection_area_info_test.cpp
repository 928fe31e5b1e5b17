// The nozzle selection, area and information screens as the operator meets
// them: choosing shapes, calculating, closing, and coming back.
#include "app/main_menu.h"
#include "screens/area_screen.h"
#include "screens/info_screen.h"
#include "screens/nozzle_selection_screen.h"
#include "screens/shape_drawing.h"
#include "ui_support.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace zelk;
using namespace zelk::test;

namespace {

const QStringList kDrawings = {"ImgCircle", "imgTriangle", "imgTriangle2", "imgSquare",
                               "imgRect",   "ImgParrel",   "ImgTrapez"};

QStringList visibleDrawings(QWidget* screen) {
    QStringList shown;
    for (const QString& name : kDrawings) {
        auto* drawing = screen->findChild<ShapeDrawing*>(name);
        if (!drawing)
            shown << "<missing " + name + ">";
        else if (drawing->isVisible())
            shown << name;
    }
    return shown;
}

// The names of the focusable controls in tab order, starting at `first`.
QStringList tabOrder(QWidget* first, int count) {
    QStringList order;
    QWidget* w = first;
    for (int i = 0; i < count; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible());
    }
    return order;
}

// Every visible control lies inside the window with room for its text, and
// no two controls (apart from the drawings and frame lines) overlap.
QStringList layoutProblems(QWidget* window) {
    QStringList problems;
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->parentWidget() != window)
            continue;
        const QString name = w->objectName();
        if (!window->rect().contains(w->geometry()))
            problems << name + " reaches outside the window";
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width() &&
                                        label->sizeHint().height() <= label->height();
            if (!fits)
                problems << name + " \"" + label->text() + "\" is clipped";
        } else if (qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w)) {
            if (w->sizeHint().width() > w->width() || w->sizeHint().height() > w->height())
                problems << name + " is clipped";
        }
        if (!qobject_cast<ShapeDrawing*>(w) && !name.startsWith("Line") && name != "Image1")
            controls << w;
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j)
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                problems << controls[i]->objectName() + " overlaps " + controls[j]->objectName();
    return problems;
}

} // namespace

class SelectionAreaInfoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;

    template <class T> T* open() {
        T* screen = &s->screens().show<T>();
        if (!QTest::qWaitForWindowExposed(screen))
            return nullptr;
        return screen;
    }

    static void press(QWidget* screen, const char* button) {
        QTest::mouseClick(child<QPushButton>(screen, button), Qt::LeftButton);
    }

    // An item chosen from the list, as a click on it would.
    static void choose(QWidget* screen, int index) {
        auto* shapes = child<QComboBox>(screen, "DropShape");
        QVERIFY2(shapes, "DropShape missing");
        shapes->setCurrentIndex(index);
        emit shapes->activated(index);
    }

    static QString labelText(QWidget* screen, const char* name) {
        auto* label = child<QLabel>(screen, name);
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

    static bool shown(QWidget* screen, const char* name) {
        QWidget* w = child(screen, name);
        return w && w->isVisible();
    }

private slots:
    void init() { s = std::make_unique<Session>(); }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // --- main menu --------------------------------------------------------

    void menuEntriesOpenTheirScreens_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("window");
        QTest::newRow("enter_information") << 0 << "FrmInfo";
        QTest::newRow("area_calculator") << 3 << "frmArea";
        QTest::newRow("select_correct_nozzle") << 6 << "Nozzleoutput";
    }

    void menuEntriesOpenTheirScreens() {
        QFETCH(int, row);
        QFETCH(QString, window);
        s->program->start();
        auto* menu = s->screens().find<MainMenu>();
        QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
        auto* list = child<QListWidget>(menu, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        QWidget* opened = nullptr;
        for (QWidget* w : s->screens().windows())
            if (w->objectName() == window)
                opened = w;
        QVERIFY2(opened, qPrintable(window + " did not open"));
        QVERIFY(opened->isVisible());
    }

    // --- nozzle selection -------------------------------------------------

    void nozzleScreenOpensEmpty() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Nozzle Selection - Metric"));
        QCOMPARE(screen->focusWidget(), child(screen, "Text1"));
        for (const char* name : {"Text4(0)", "Text4(1)", "Text4(2)"}) {
            QVERIFY2(child<QLineEdit>(screen, name), name);
            QVERIFY(!child<QLineEdit>(screen, name)->isEnabled());
        }
        QCOMPARE(child<QLineEdit>(screen, "Text1")->toolTip(),
                 QStringLiteral("Enter Application Rate"));
        QCOMPARE(child<QLineEdit>(screen, "Text3")->toolTip(),
                 QStringLiteral("Enter Nozzle Spacing in cm"));
        QCOMPARE(labelText(screen, "Label6(0)"),
                 QStringLiteral("Refer to Nozzle Chart (Nozzle l/min Column)"));
        QCOMPARE(tabOrder(child(screen, "Text1"), 5),
                 (QStringList{"Text1", "Text2", "Text3", "Command1", "Command2"}));
        // The frame's four lines close round the range column.
        const QRect column =
            child(screen, "Label6(1)")->geometry().united(child(screen, "Label6(0)")->geometry());
        const QRect frame =
            child(screen, "Line1")->geometry().united(child(screen, "Line3")->geometry());
        QVERIFY(frame.contains(column));
        QVERIFY(frame.contains(child(screen, "Label5(0)")->geometry()));
        QCOMPARE(layoutProblems(screen), QStringList());
        closeWindow(screen);
    }

    void nozzleCalculates_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QStringList>("results"); // Text4(0), Text4(1), Text4(2)
        QTest::newRow("exact") << "200"
                               << "6"
                               << "50" << QStringList{"1", "1.05", "0.95"};
        QTest::newRow("half_way_to_even") << "150"
                                          << "7"
                                          << "50" << QStringList{"0.88", "0.92", "0.84"};
        QTest::newRow("upper_from_shown_flow") << "100"
                                               << "8"
                                               << "50" << QStringList{"0.67", "0.7", "0.64"};
    }

    void nozzleCalculates() {
        QFETCH(QString, rate);
        QFETCH(QString, speed);
        QFETCH(QString, spacing);
        QFETCH(QStringList, results);
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        typeInto(screen, "Text1", rate);
        typeInto(screen, "Text2", speed);
        typeInto(screen, "Text3", spacing);
        press(screen, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList());
        QCOMPARE((QStringList{textOf(screen, "Text4(0)"), textOf(screen, "Text4(1)"),
                              textOf(screen, "Text4(2)")}),
                 results);
        closeWindow(screen);
    }

    void nozzleFailuresKeepTheResults_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("speed_zero") << "200"
                                    << "0"
                                    << "50"
                                    << "Please Enter km/h"
                                    << "Text2";
        QTest::newRow("all_empty") << ""
                                   << ""
                                   << ""
                                   << "Please Enter Desired Application Rate"
                                   << "Text1";
        QTest::newRow("spacing_beyond_single") << "200"
                                               << "6"
                                               << "1E+40"
                                               << "Please Enter Nozzle Spacing"
                                               << "Text3";
    }

    void nozzleFailuresKeepTheResults() {
        QFETCH(QString, rate);
        QFETCH(QString, speed);
        QFETCH(QString, spacing);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        typeInto(screen, "Text1", "200");
        typeInto(screen, "Text2", "6");
        typeInto(screen, "Text3", "50");
        press(screen, "Command1");
        typeInto(screen, "Text1", rate);
        typeInto(screen, "Text2", speed);
        typeInto(screen, "Text3", spacing);
        child(screen, "Command1")->setFocus();
        press(screen, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), focus);
        QCOMPARE(textOf(screen, "Text4(0)"), QStringLiteral("1"));
        QCOMPARE(textOf(screen, "Text4(1)"), QStringLiteral("1.05"));
        QCOMPARE(textOf(screen, "Text4(2)"), QStringLiteral("0.95"));
        closeWindow(screen);
    }

    // A flow too large to read back shows, but the range keeps its old texts.
    void nozzleFlowTooLargeStopsAfterTheFlow() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        typeInto(screen, "Text1", "200");
        typeInto(screen, "Text2", "6");
        typeInto(screen, "Text3", "50");
        press(screen, "Command1");
        typeInto(screen, "Text1", "3e38");
        typeInto(screen, "Text2", "3e38");
        typeInto(screen, "Text3", "1");
        press(screen, "Command1");
        QCOMPARE(s->platform.messageTexts().size(), 1);
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QVERIFY2(textOf(screen, "Text4(0)").endsWith("E+72"),
                 qPrintable(textOf(screen, "Text4(0)")));
        QCOMPARE(textOf(screen, "Text4(1)"), QStringLiteral("1.05"));
        QCOMPARE(textOf(screen, "Text4(2)"), QStringLiteral("0.95"));
        QCOMPARE(screen->focusWidget()->objectName(), QStringLiteral("Text1"));
        closeWindow(screen);
    }

    void nozzleCloseStoresTheSixLines() {
        s->record().selMinFlow = "from an earlier visit\n";
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        QCOMPARE(s->record().selMinFlow, std::string()); // the load emptied the group
        typeInto(screen, "Text1", "200");
        typeInto(screen, "Text2", "6");
        typeInto(screen, "Text3", "50");
        press(screen, "Command1");
        closeWindow(screen);
        const JobRecord& r = s->record();
        QCOMPARE(r.selRate,
                 std::string("Desired Application Rate (Liters per Hectar) - 200 L/ha\n"));
        QCOMPARE(r.selSpeed, std::string("Application Speed - 6 km/h\n"));
        QCOMPARE(r.selSpacing, std::string("Nozzle Spacing - 50 Centimeters\n"));
        QCOMPARE(r.selFlow, std::string("Liters per Minute (Per Nozzle) - 1 l/min\n"));
        QCOMPARE(r.selMaxFlow,
                 std::string("Maximum Liters per Minute (Per Nozzle) - 1.05 l/min\n"));
        QCOMPARE(r.selMinFlow,
                 std::string("Minimum Liters per Minute (Per Nozzle) - 0.95 l/min\n"));
    }

    void nozzleResetEmptiesTheFieldsButNotTheRecord() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        typeInto(screen, "Text1", "200");
        typeInto(screen, "Text2", "6");
        typeInto(screen, "Text3", "50");
        press(screen, "Command1");
        s->record().selRate = "kept\n";
        press(screen, "Command2");
        for (const char* name : {"Text1", "Text2", "Text3", "Text4(0)", "Text4(1)", "Text4(2)"})
            QCOMPARE(textOf(screen, name), QString());
        QCOMPARE(s->record().selRate, std::string("kept\n"));
        s->record().selRate.clear();
        closeWindow(screen);
        for (const std::string* line : {&s->record().selRate, &s->record().selSpeed,
                                        &s->record().selFlow, &s->record().selMinFlow})
            QCOMPARE(*line, std::string());
    }

    // --- area calculator --------------------------------------------------

    void areaScreenOpensWithOnlyTheList() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Area - Metric"));
        auto* shapes = child<QComboBox>(screen, "DropShape");
        QVERIFY(shapes);
        QCOMPARE(shapes->currentIndex(), -1);
        QCOMPARE(shapes->placeholderText(), QStringLiteral("Select Shape"));
        QStringList items;
        for (int i = 0; i < shapes->count(); ++i)
            items << shapes->itemText(i);
        QCOMPARE(items, (QStringList{"Circle", "Triangle", "Square", "Rectangle", "Parallelogram",
                                     "Trapezoid"}));
        for (const char* name : {"lbl1", "txt1", "lbl2", "txt2", "lbl3", "txt3"})
            QVERIFY2(!shown(screen, name), name);
        for (const char* name :
             {"Label2", "Label3", "txtArea", "txtAcres", "Command1", "TxtFormula", "Image1"})
            QVERIFY2(shown(screen, name), name);
        QCOMPARE(visibleDrawings(screen), QStringList());
        QCOMPARE(labelText(screen, "TxtFormula"), QString());
        QCOMPARE(layoutProblems(screen), QStringList());
        closeWindow(screen);
    }

    void areaCalculateWithNoShapeDoesNothing() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        typeInto(screen, "txt1", "10"); // hidden, and not read
        press(screen, "Command1");
        QCOMPARE(s->platform.shown.size(), 0);
        QCOMPARE(labelText(screen, "txtArea"), QString());
        QCOMPARE(labelText(screen, "txtAcres"), QString());
        QVERIFY(!shown(screen, "txt1"));
        closeWindow(screen);
    }

    void areaCircleAfterRectangleKeepsTheFirstField() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        choose(screen, 3);
        QCOMPARE(labelText(screen, "lbl1"), QStringLiteral("Length in Meters"));
        QCOMPARE(labelText(screen, "lbl2"), QStringLiteral("Width in Meters"));
        typeInto(screen, "txt1", "10");
        typeInto(screen, "txt2", "50");
        choose(screen, 0);
        QVERIFY(shown(screen, "txt1"));
        QCOMPARE(textOf(screen, "txt1"), QStringLiteral("10"));
        QCOMPARE(labelText(screen, "lbl1"), QStringLiteral("Diameter in Meters"));
        QVERIFY(!shown(screen, "txt2") && !shown(screen, "lbl2"));
        QCOMPARE(textOf(screen, "txt2"), QStringLiteral("50"));
        press(screen, "Command1");
        QCOMPARE(labelText(screen, "txtArea"), QStringLiteral("78.5"));
        QCOMPARE(labelText(screen, "txtAcres"), QStringLiteral("0.008"));
        closeWindow(screen);
    }

    void areaShowsTheDrawingsOfOneShape_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QStringList>("drawings");
        QTest::addColumn<QStringList>("captions"); // the shown captions, lbl1 first
        QTest::newRow("circle") << 0 << QStringList{"ImgCircle"}
                                << QStringList{"Diameter in Meters"};
        QTest::newRow("triangle") << 1 << QStringList{"imgTriangle", "imgTriangle2"}
                                  << QStringList{"Base in Meters", "Height in Meters"};
        QTest::newRow("square") << 2 << QStringList{"imgSquare"}
                                << QStringList{"Side Length in Meters"};
        QTest::newRow("rectangle")
            << 3 << QStringList{"imgRect"} << QStringList{"Length in Meters", "Width in Meters"};
        QTest::newRow("parallelogram")
            << 4 << QStringList{"ImgParrel"} << QStringList{"Base in Meters", "Height in Meters"};
        QTest::newRow("trapezoid")
            << 5 << QStringList{"ImgTrapez"}
            << QStringList{"B1 in Meters", "B2 in Meters", "Height in Meters"};
    }

    // Each shape after the triangle: the triangle's two drawings go first.
    void areaShowsTheDrawingsOfOneShape() {
        QFETCH(int, shape);
        QFETCH(QStringList, drawings);
        QFETCH(QStringList, captions);
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        choose(screen, 1);
        QCOMPARE(visibleDrawings(screen), (QStringList{"imgTriangle", "imgTriangle2"}));
        choose(screen, shape);
        QCOMPARE(visibleDrawings(screen), drawings);
        QStringList shownCaptions;
        for (const char* name : {"lbl1", "lbl2", "lbl3"})
            if (shown(screen, name))
                shownCaptions << labelText(screen, name);
        QCOMPARE(shownCaptions, captions);
        QCOMPARE(child<QLineEdit>(screen, "txt1")->accessibleName(), captions[0]);
        QVERIFY(labelText(screen, "TxtFormula").startsWith("The area of a"));
        QCOMPARE(layoutProblems(screen), QStringList());
        closeWindow(screen);
    }

    void areaChoosingEmptiesTheResultsAndListedFields() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        choose(screen, 5);
        typeInto(screen, "txt1", "10");
        typeInto(screen, "txt2", "20");
        typeInto(screen, "txt3", "5");
        press(screen, "Command1");
        QCOMPARE(labelText(screen, "txtArea"), QStringLiteral("75"));
        QCOMPARE(labelText(screen, "txtAcres"), QStringLiteral("0.007"));
        choose(screen, 2);
        QCOMPARE(labelText(screen, "txtArea"), QString());
        QCOMPARE(labelText(screen, "txtAcres"), QString());
        QCOMPARE(textOf(screen, "txt1"), QString());
        QCOMPARE(textOf(screen, "txt2"), QString());
        QCOMPARE(textOf(screen, "txt3"), QStringLiteral("5")); // the square leaves it
        QCOMPARE(labelText(screen, "TxtFormula"),
                 QStringLiteral("The area of a Square equals, (Length times Width)"));
        closeWindow(screen);
    }

    void areaFailureNamesTheFieldAndKeepsTheResults() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        choose(screen, 1);
        typeInto(screen, "txt1", "30");
        typeInto(screen, "txt2", "25");
        press(screen, "Command1");
        QCOMPARE(labelText(screen, "txtArea"), QStringLiteral("375"));
        typeInto(screen, "txt2", "tall");
        child(screen, "Command1")->setFocus();
        press(screen, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{"Please Enter Height in Meters"});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), QStringLiteral("txt2"));
        QCOMPARE(labelText(screen, "txtArea"), QStringLiteral("375"));
        QCOMPARE(labelText(screen, "txtAcres"), QStringLiteral("0.038"));
        closeWindow(screen);
    }

    // The real keyboard path: moving down the closed list chooses Circle.
    void areaKeyboardChoiceAppliesTheLayout() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        auto* shapes = child<QComboBox>(screen, "DropShape");
        shapes->setFocus();
        QTest::keyClick(shapes, Qt::Key_Down);
        QCOMPARE(shapes->currentIndex(), 0);
        QVERIFY(shown(screen, "txt1"));
        QCOMPARE(visibleDrawings(screen), QStringList{"ImgCircle"});
        closeWindow(screen);
    }

    void areaCloseStoresNothing() {
        auto* screen = open<AreaScreen>();
        QVERIFY(screen);
        choose(screen, 0);
        typeInto(screen, "txt1", "10");
        press(screen, "Command1");
        closeWindow(screen);
        QVERIFY(!s->screens().find<AreaScreen>());
        auto* again = open<AreaScreen>();
        QVERIFY(again);
        QCOMPARE(child<QComboBox>(again, "DropShape")->currentIndex(), -1);
        QVERIFY(!shown(again, "txt1"));
        QCOMPARE(labelText(again, "txtArea"), QString());
        closeWindow(again);
    }

    // --- information screen -----------------------------------------------

    void infoScreenOpensEmptyInFieldOrder() {
        auto* screen = open<InfoScreen>();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Infomation - Metric"));
        QCOMPARE(screen->focusWidget(), child(screen, "FldCoName"));
        QCOMPARE(tabOrder(child(screen, "FldCoName"), 12),
                 (QStringList{"FldCoName", "fldAddress1", "fldAddress2", "fldCity", "fldState",
                              "fldZipCode", "fldPhoneNo", "FldDate", "FldAppName", "fldLicense",
                              "fldProduct", "Text1"}));
        QCOMPARE(child<QLineEdit>(screen, "FldCoName")->width(), 5055 / 15);
        QCOMPARE(child<QLineEdit>(screen, "fldPhoneNo")->width(), 2415 / 15);
        QCOMPARE(child<QLineEdit>(screen, "fldZipCode")->width(), 1455 / 15);
        QVERIFY(child<QLineEdit>(screen, "fldState")->width() <
                child<QLineEdit>(screen, "fldZipCode")->width());
        QCOMPARE(labelText(screen, "Label6"), QStringLiteral("Postal Code"));
        QCOMPARE(child(screen, "fldState")->y(), child(screen, "fldZipCode")->y());
        QVERIFY(child<QPlainTextEdit>(screen, "Text1"));
        QCOMPARE(layoutProblems(screen), QStringList());
        closeWindow(screen);
    }

    void infoSecondVisitKeepsLicenceAndNotes() {
        auto* first = open<InfoScreen>();
        QVERIFY(first);
        typeInto(first, "FldCoName", "Example Turf Care");
        typeInto(first, "fldState", "OH");
        typeInto(first, "fldZipCode", "44101");
        typeInto(first, "fldLicense", "L-123");
        child<QPlainTextEdit>(first, "Text1")->setPlainText("wind calm\nsoil moist\nno rain");
        closeWindow(first);
        QCOMPARE(s->record().infoCompany, std::string("Company Name - Example Turf Care\n"));
        QCOMPARE(s->record().infoStateZip, std::string("State - OH  Zip Code - 44101\n"));
        QCOMPARE(s->record().infoNotes, std::string("Notes:  wind calm\nsoil moist\nno rain\n"));

        auto* second = open<InfoScreen>();
        QVERIFY(second);
        QCOMPARE(textOf(second, "FldCoName"), QString());
        QCOMPARE(textOf(second, "fldLicense"), QString());
        QCOMPARE(child<QPlainTextEdit>(second, "Text1")->toPlainText(), QString());
        QCOMPARE(s->record().infoCompany, std::string()); // emptied by the load
        typeInto(second, "FldCoName", "Second Co");
        typeInto(second, "fldZipCode", "99999"); // without a state: not stored
        closeWindow(second);
        QCOMPARE(s->record().infoCompany, std::string("Company Name - Second Co\n"));
        QCOMPARE(s->record().infoStateZip, std::string());
        QCOMPARE(s->record().infoLicenseNo, std::string("License No:  L-123\n"));
        QCOMPARE(s->record().infoNotes, std::string("Notes:  wind calm\nsoil moist\nno rain\n"));
    }
};

QTEST_MAIN(SelectionAreaInfoTest)
#include "selection_area_info_test.moc"
