#include "app/main_menu.h"
#include "screens/multiple_tank_screen.h"
#include "screens/tank_mix_screen.h"
#include "ui_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace zelk;
using namespace zelk::test;

namespace {

// Every caption, button and field of a window that is cut off: outside the
// window, or smaller than it needs to show its text.
QStringList clippedControls(QWidget* window) {
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(window))
            continue;
        const QRect where(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(where))
            problems << w->objectName() + QStringLiteral(" lies outside the window");
        QSize needed;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
            needed = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
        else if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w))
            needed = w->sizeHint();
        else if (qobject_cast<QLineEdit*>(w))
            needed = w->minimumSizeHint();
        if (w->width() < needed.width() || w->height() < needed.height())
            problems << QStringLiteral("%1 is %2x%3, needs %4x%5")
                            .arg(w->objectName())
                            .arg(w->width())
                            .arg(w->height())
                            .arg(needed.width())
                            .arg(needed.height());
    }
    return problems;
}

// Kept for a person to look at when ZELK_SCREENSHOT_DIR names a folder.
void keepScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("ZELK_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class TankTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;
    TankMixScreen* mix = nullptr;

    static void click(QWidget* window, const char* button) {
        auto* b = child<QPushButton>(window, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void calculate(const QString& product, const QString& sprayer, const QString& area) {
        typeInto(mix, "Text1", product);
        typeInto(mix, "Text2", sprayer);
        typeInto(mix, "Text8", area);
        click(mix, "Command1");
    }

    // "Multiple Tank Mix", and the multiple tank screen it showed.
    MultipleTankScreen* handOff() {
        click(mix, "Command4");
        auto* multi = s->screens().find<MultipleTankScreen>();
        if (multi && !QTest::qWaitForWindowExposed(multi))
            return nullptr;
        return multi;
    }

    static QStringList focusOrder(QWidget* first, int count) {
        QWidget* w = first;
        QStringList order;
        for (int i = 0; i < count; ++i) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible());
        }
        return order;
    }

private slots:
    void init() {
        s = std::make_unique<Session>();
        mix = &s->screens().show<TankMixScreen>();
        QVERIFY(QTest::qWaitForWindowExposed(mix));
    }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void theMainMenuOpensTheTankMix() {
        closeWindow(mix);
        s->program->start();
        auto* menu = s->screens().find<MainMenu>();
        QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
        auto* list = child<QListWidget>(menu, "List1");
        QVERIFY2(list, "List1 missing");
        QListWidgetItem* entry = list->item(5);
        QCOMPARE(entry->text(), QStringLiteral("Tank Mixing"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(entry).center());
        auto* opened = s->screens().find<TankMixScreen>();
        QVERIFY2(opened, "Tank Mixing did not open Calibrate");
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowTitle(), QStringLiteral("Sprayer Calibration Tank Mix - Metric"));
        QVERIFY(!s->screens().find<MultipleTankScreen>());
    }

    void tankMixOpensEmptyWithTheCursorInTheProductRate() {
        QCOMPARE(mix->objectName(), QStringLiteral("Calibrate"));
        for (const char* name : {"Text1", "Text2", "Text8", "Text3", "Text5", "Text6", "Text7"})
            QCOMPARE(textOf(mix, name), QString());
        for (const char* name : {"Text3", "Text5", "Text6", "Text7"})
            QVERIFY2(!child(mix, name)->isEnabled(), name);
        QCOMPARE(mix->focusWidget(), child(mix, "Text1"));
        QCOMPARE(child<QLineEdit>(mix, "Text1")->toolTip(),
                 QStringLiteral("Enter Product Rate in m/ha"));
        QCOMPARE(child<QLineEdit>(mix, "Text2")->toolTip(),
                 QStringLiteral("Enter Actual Sprayer Output"));
        QCOMPARE(child<QLabel>(mix, "Label2")->text(),
                 QStringLiteral("Sprayer Calibration Rate -l/ha  Liters per hectare, Per "
                                "Manufacturers Recomendation."));
        QCOMPARE(child<QLabel>(mix, "Label5(1)")->text(),
                 QStringLiteral("Total Product required for Area to be sprayed "));
        for (const char* line : {"Line1(0)", "Line1(1)", "Line2(0)", "Line2(1)"})
            QVERIFY2(child(mix, line), line);
        QCOMPARE(focusOrder(child(mix, "Text1"), 6),
                 (QStringList{"Text1", "Text2", "Text8", "Command1", "Command2", "Command4"}));
    }

    // The three buttons in one row, left to right, under the box of results.
    void theButtonsStandInOneRowUnderTheBox() {
        QWidget* calc = child(mix, "Command1");
        QWidget* reset = child(mix, "Command2");
        QWidget* multiple = child(mix, "Command4");
        QCOMPARE(reset->y(), calc->y());
        QCOMPARE(multiple->y(), calc->y());
        QVERIFY(calc->x() < reset->x() && reset->x() < multiple->x());
        QVERIFY(child(mix, "Line1(1)")->y() < calc->y());
        // The box encloses the result fields.
        const QRect box(child(mix, "Line2(0)")->geometry().topLeft(),
                        child(mix, "Line2(1)")->geometry().bottomRight());
        for (const char* name : {"Text3", "Text5", "Text6", "Text7"})
            QVERIFY2(box.contains(child(mix, name)->geometry()), name);
        QVERIFY(!box.intersects(child(mix, "Text8")->geometry()));
    }

    void calculateFailures_data() {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("sprayer");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all_empty") << ""
                                   << ""
                                   << ""
                                   << "Please Enter Product Rate"
                                   << "Text1";
        QTest::newRow("sprayer_zero_point_zero") << "1000"
                                                 << "0.0"
                                                 << "2"
                                                 << "Please Enter Sprayer Calibration Rate"
                                                 << "Text2";
        QTest::newRow("area_zero") << "1000"
                                   << "300"
                                   << "0"
                                   << "Please Enter Area to be sprayed"
                                   << "Text8";
    }

    // One message, the focus in the field, the earlier results kept.
    void calculateFailures() {
        QFETCH(QString, product);
        QFETCH(QString, sprayer);
        QFETCH(QString, area);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        calculate("1000", "300", "2");
        QCOMPARE(textOf(mix, "Text3"), QStringLiteral("3.333"));
        calculate(product, sprayer, area);
        QCOMPARE(s->platform.shown.size(), 1);
        QCOMPARE(s->platform.shown[0].text, prompt);
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(mix->focusWidget()->objectName(), focus);
        QCOMPARE(textOf(mix, "Text3"), QStringLiteral("3.333"));
        QCOMPARE(textOf(mix, "Text5"), QStringLiteral("600"));
        QCOMPARE(textOf(mix, "Text6"), QStringLiteral("2000"));
        QCOMPARE(textOf(mix, "Text7"), QStringLiteral("2"));
    }

    void resetEmptiesTheSevenFieldsAndClosingThenStoresNothing() {
        calculate("500", "200", "2.5");
        QCOMPARE(textOf(mix, "Text7"), QStringLiteral("1.25"));
        child(mix, "Text8")->setFocus();
        child<QPushButton>(mix, "Command2")->click();
        for (const char* name : {"Text1", "Text2", "Text8", "Text3", "Text5", "Text6", "Text7"})
            QCOMPARE(textOf(mix, name), QString());
        QCOMPARE(mix->focusWidget(), child(mix, "Text8"));
        closeWindow(mix);
        const JobRecord& r = s->record();
        for (const std::string* field :
             {&r.mixProductRate, &r.mixSprayerRate, &r.mixArea, &r.mixProductPerLiter, &r.mixWater,
              &r.mixProductMl, &r.mixProductLiters})
            QCOMPARE(QString::fromStdString(*field), QString());
    }

    // The first hand-off creates the screen, its load emptying its group.
    void handOffCreatesTheMultipleTankScreen() {
        s->record().multiTanks = "13";
        s->record().multiLastWater = "Total Water per Tank - 100 Liters\n";
        calculate("1000", "300", "2");
        QVERIFY(!s->screens().find<MultipleTankScreen>());

        MultipleTankScreen* multi = handOff();
        QVERIFY2(multi, "Multiple Tank Mix did not show Multtank");
        QCOMPARE(multi->windowTitle(), QStringLiteral("Multiple Tank Mixing - Metric"));
        QVERIFY(mix->isVisible());
        QCOMPARE(textOf(multi, "Water(0)"), QStringLiteral("600"));
        QCOMPARE(textOf(multi, "OzPer(0)"), QStringLiteral("3.333"));
        QVERIFY(child(multi, "OzPer(0)")->isHidden());
        QVERIFY(child(multi, "Label3")->isHidden());
        for (const char* name :
             {"Tank", "Text1(0)", "Text1(1)", "Water(1)", "Water(2)", "OzPer(1)", "OzPer(2)",
              "ProductOZ(1)", "ProductOZ(2)", "ProductGal(1)", "ProductGal(2)"})
            QCOMPARE(textOf(multi, name), QString());
        QCOMPARE(s->record().multiTanks, std::string());
        QCOMPARE(s->record().multiLastWater, std::string());
        QCOMPARE(multi->focusWidget(), child(multi, "Tank"));
        QCOMPARE(focusOrder(child(multi, "Tank"), 2), (QStringList{"Tank", "Command1"}));
    }

    void multipleTankControls() {
        calculate("1000", "300", "2");
        MultipleTankScreen* multi = handOff();
        QVERIFY(multi);
        for (const char* name :
             {"Water(0)", "Water(1)", "Water(2)", "OzPer(0)", "OzPer(1)", "OzPer(2)",
              "ProductOZ(1)", "ProductOZ(2)", "ProductGal(1)", "ProductGal(2)"}) {
            // Results: disabled, yet light yellow with black text.
            auto* result = child<QLineEdit>(multi, name);
            QVERIFY2(result && !result->isEnabled(), name);
            QCOMPARE(result->palette().color(QPalette::Disabled, QPalette::Base),
                     QColor::fromRgb(ui::kResultBackground));
            QCOMPARE(result->palette().color(QPalette::Disabled, QPalette::Text),
                     QColor(Qt::black));
        }
        for (const char* name : {"Text1(0)", "Text1(1)"}) {
            auto* count = child<QLineEdit>(multi, name);
            QVERIFY2(count && count->isEnabled(), name);
            QVERIFY2(count->palette().color(QPalette::Base) !=
                         QColor::fromRgb(ui::kResultBackground),
                     name);
        }
        auto* note = child<QLabel>(multi, "Label3");
        QCOMPARE(note->text(), QStringLiteral("\"Err\"  Indicates Over Available Number of Tanks "
                                              "for Calculation (Program Capacity 52 Tanks)"));
        QVERIFY(note->font().bold());
        QVERIFY(note->font().pointSizeF() < child<QLabel>(multi, "Label8")->font().pointSizeF());
        QCOMPARE(note->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(child<QLabel>(multi, "Label5(0)")->text(),
                 QStringLiteral("Product  (in Milliliters) Per Tank"));
    }

    // A result longer than its field shows its first characters, and the
    // whole of it in the tool tip; one that fits has no tip.
    void aLongResultShowsItsStart() {
        calculate("123456789012345678", "7", "3");
        auto* product = child<QLineEdit>(mix, "Text6");
        QVERIFY(product);
        const QString shown = product->text();
        QVERIFY2(product->fontMetrics().horizontalAdvance(shown) > product->contentsRect().width(),
                 qPrintable("the result fits its field: " + shown));
        QCOMPARE(product->cursorPosition(), 0);
        QCOMPARE(product->toolTip(), shown);
        QCOMPARE(child<QLineEdit>(mix, "Text5")->toolTip(), QString());
        QCOMPARE(child<QLineEdit>(mix, "Text5")->text(), QStringLiteral("21"));
    }

    // An open screen gets the two new values and splits the new job at once,
    // without a message; the capacity stays, the job record waits for the close.
    void handOffOverwritesOnlyTheTwoFieldsWhenOpen() {
        calculate("1000", "300", "2");
        MultipleTankScreen* multi = handOff();
        QVERIFY(multi);
        typeInto(multi, "Tank", "500");
        click(multi, "Command1");
        QCOMPARE(textOf(multi, "Text1(0)"), QStringLiteral("1"));
        QCOMPARE(textOf(multi, "Water(2)"), QStringLiteral("100"));
        s->record().multiTanks = "kept";

        calculate("750", "300", "22");
        QCOMPARE(textOf(mix, "Text5"), QStringLiteral("6600"));
        QCOMPARE(handOff(), multi);
        QCOMPARE(textOf(multi, "Water(0)"), QStringLiteral("6600"));
        QCOMPARE(textOf(multi, "OzPer(0)"), QStringLiteral("2.5"));
        QCOMPARE(textOf(multi, "Tank"), QStringLiteral("500"));
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(textOf(multi, "Text1(0)"), QStringLiteral("13"));
        QCOMPARE(textOf(multi, "Text1(1)"), QStringLiteral("14"));
        QCOMPARE(textOf(multi, "Water(1)"), QStringLiteral("500"));
        QCOMPARE(textOf(multi, "Water(2)"), QStringLiteral("100"));
        QCOMPARE(textOf(multi, "OzPer(1)"), QStringLiteral("2.5"));
        QCOMPARE(textOf(multi, "ProductGal(2)"), QStringLiteral("0.25"));
        QCOMPARE(s->record().multiTanks, std::string("kept"));

        // A hand-off the split cannot use (the tank mix was reset) leaves no
        // loads of the old job on the screen, and says nothing either.
        child<QPushButton>(mix, "Command2")->click();
        QCOMPARE(handOff(), multi);
        QVERIFY(s->platform.shown.isEmpty());
        for (const char* name :
             {"Text1(0)", "Text1(1)", "Water(1)", "Water(2)", "OzPer(1)", "OzPer(2)",
              "ProductOZ(1)", "ProductOZ(2)", "ProductGal(1)", "ProductGal(2)"})
            QCOMPARE(textOf(multi, name), QString());

        calculate("750", "300", "22");
        QCOMPARE(handOff(), multi);
        click(multi, "Command1");
        QCOMPARE(textOf(multi, "Text1(0)"), QStringLiteral("13"));
        QCOMPARE(textOf(multi, "Text1(1)"), QStringLiteral("14"));
        QCOMPARE(textOf(multi, "Water(2)"), QStringLiteral("100"));
        QCOMPARE(textOf(multi, "ProductGal(2)"), QStringLiteral("0.25"));
    }

    // 6000 litres in 100 litre loads: the last-load column shows Err, and
    // the close lines carry it where the numbers would stand.
    void overCapacityCloseLines() {
        calculate("750", "300", "20");
        MultipleTankScreen* multi = handOff();
        QVERIFY(multi);
        typeInto(multi, "Tank", "100");
        click(multi, "Command1");
        QVERIFY(s->platform.shown.isEmpty());
        for (const char* name : {"Water(2)", "OzPer(2)", "ProductOZ(2)", "ProductGal(2)"})
            QCOMPARE(textOf(multi, name), QStringLiteral("Err"));
        QVERIFY(child(multi, "Label3")->isVisible());

        closeWindow(multi);
        QVERIFY(!s->screens().find<MultipleTankScreen>());
        const JobRecord& r = s->record();
        QCOMPARE(r.multiTanks, std::string("52"));
        QCOMPARE(r.multiCapacity, std::string("Sprayer Tank Capacity - 100 Liters\n"));
        QCOMPARE(r.multiWaterTotal, std::string("Total Water required - 6000 Liters\n"));
        QCOMPARE(r.multiWaterPerTank, std::string("Total Water per Tank - 100 Liters\n"));
        QCOMPARE(r.multiMlPerLiter, std::string("Milliliters per Liter - 2.5 Milliliters\n"));
        QCOMPARE(r.multiProductMlPerTank,
                 std::string("Milliliters of Product per Tank - 250 Milliliters\n"));
        QCOMPARE(r.multiProductLitersPerTank,
                 std::string("Liters of Product per Tank - 0.25 Liters\n"));
        QCOMPARE(r.multiLastTank, std::string("53"));
        QCOMPARE(r.multiLastWater, std::string("Total Water per Tank - Err Liters\n"));
        QCOMPARE(r.multiLastProductMl,
                 std::string("Milliliters of Product per Tank - Err Milliliters\n"));
        QCOMPARE(r.multiLastProductLiters,
                 std::string("Liters of Product per Tank - Err Liters\n"));

        closeWindow(mix);
        QCOMPARE(r.mixProductRate,
                 std::string("Product Label Rate (Millileters per hectar) - 750 Millileters\n"));
        QCOMPARE(r.mixSprayerRate,
                 std::string("Actual Sprayer Calibration rate (Liters per Hectar) - 300 Liters\n"));
        QCOMPARE(r.mixArea, std::string("Area to be Sprayed (in Hectars) - 20 Hectars\n"));
        QCOMPARE(r.mixProductPerLiter,
                 std::string("Millileters of Product per Liter of water - 2.5 Milliliters\n"));
        QCOMPARE(r.mixWater, std::string("Total Water Required - 6000 Liters\n"));
        QCOMPARE(r.mixProductMl,
                 std::string("Total Product Required (In Millileters) - 15000 Milliliters\n"));
        QCOMPARE(r.mixProductLiters,
                 std::string("Total Product Required (In Liters) - 15 Liters\n"));
    }

    void solveRefusals_data() {
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("tank");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("capacity_zero_point_zero") << true << "0.0"
                                                  << "Please Enter Tank Capacity in Liters";
        QTest::newRow("capacity_negative") << true << "-500"
                                           << "Please Enter Tank Capacity in Liters";
        QTest::newRow("tank_mix_not_calculated") << false << "500"
                                                 << "Please Calculate the Tank Mix First";
    }

    // After an over-capacity solve: the message, the last-load column emptied
    // and the note hidden, the full-load column kept.
    void solveRefusals() {
        QFETCH(bool, calculated);
        QFETCH(QString, tank);
        QFETCH(QString, prompt);
        calculate("750", "300", "20");
        MultipleTankScreen* multi = handOff();
        QVERIFY(multi);
        typeInto(multi, "Tank", "100");
        click(multi, "Command1");
        QVERIFY(child(multi, "Label3")->isVisible());

        if (!calculated) {
            child<QPushButton>(mix, "Command2")->click();
            QCOMPARE(handOff(), multi);
        }
        typeInto(multi, "Tank", tank);
        click(multi, "Command1");
        QCOMPARE(s->platform.shown.size(), 1);
        QCOMPARE(s->platform.shown[0].text, prompt);
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        if (calculated)
            QCOMPARE(multi->focusWidget(), child(multi, "Tank"));
        QVERIFY(child(multi, "Label3")->isHidden());
        for (const char* name :
             {"Text1(1)", "Water(2)", "OzPer(2)", "ProductOZ(2)", "ProductGal(2)"})
            QCOMPARE(textOf(multi, name), QString());
        // The reset tank mix's hand-off already emptied the full-load column.
        QCOMPARE(textOf(multi, "Text1(0)"), calculated ? QStringLiteral("52") : QString());
        QCOMPARE(textOf(multi, "Water(1)"), calculated ? QStringLiteral("100") : QString());
        QCOMPARE(textOf(multi, "ProductGal(1)"), calculated ? QStringLiteral("0.25") : QString());
    }

    // Both layouts at the system font, the note shown: nothing cut off.
    void nothingIsClipped() {
        calculate("1000", "300", "2");
        keepScreenshot(mix, QStringLiteral("tank_mix"));
        QStringList problems = clippedControls(mix);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

        calculate("750", "300", "20");
        MultipleTankScreen* multi = handOff();
        QVERIFY(multi);
        typeInto(multi, "Tank", "100");
        click(multi, "Command1");
        QVERIFY(child(multi, "Label3")->isVisible());
        keepScreenshot(multi, QStringLiteral("multtank"));
        problems = clippedControls(multi);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TankTest)
#include "tank_test.moc"
