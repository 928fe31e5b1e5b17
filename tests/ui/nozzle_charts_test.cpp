// The two charts on screen: the nozzle chart panel of the nozzle selection
// screen (pressures for the flow, the recommended size, its entries and
// their errors) and the catch test chart (bars, band, marks, the wear check
// and the copy to the clipboard), read back from the widgets and the model
// the chart paints from.
#include "core/nozzle_chart.h"
#include "core/nozzle_selection.h"
#include "screens/catch_chart_view.h"
#include "screens/catch_test_screen.h"
#include "screens/nozzle_selection_screen.h"
#include "ui_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

using namespace zelk;
using namespace zelk::test;

namespace {

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

QString sizeName(int row) {
    const NozzleSize& size = kNozzleSizes[std::size_t(row)];
    return QString::fromLatin1(size.name.data(), qsizetype(size.name.size()));
}

QString colourName(int row) {
    const NozzleSize& size = kNozzleSizes[std::size_t(row)];
    return QString::fromLatin1(size.colour.data(), qsizetype(size.colour.size()));
}

QString labelText(QWidget* screen, const char* name) {
    auto* label = child<QLabel>(screen, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// A whole boom at 10 %, 30 s, 3 bar: nozzles 4 and 11 flow like worn ones
// against a new 03 (600 ml in 30 s), nozzle 7 like a blocked one.
const QStringList kBoom = {"600", "605", "595", "670", "610", "590", "520", "600", "605",
                           "598", "680", "602", "596", "607", "600", "594", "603", "599"};

} // namespace

class NozzleChartsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;

    template <class T> T* open() {
        T* screen = &s->screens().show<T>();
        return QTest::qWaitForWindowExposed(screen) ? screen : nullptr;
    }

    static void press(QWidget* screen, const char* button) {
        auto* b = child<QPushButton>(screen, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Typed and confirmed with Return, as the operator finishes an entry.
    static void enter(QWidget* screen, const char* name, const QString& text) {
        typeInto(screen, name, text);
        auto* field = child<QLineEdit>(screen, name);
        QVERIFY2(field, name);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }

    static QTableWidget* table(QWidget* screen) {
        return child<QTableWidget>(screen, "chartTable");
    }

    // The pressure column, sizes 01 to 08.
    static QStringList pressures(QWidget* screen) {
        QStringList column;
        for (int row = 0; row < table(screen)->rowCount(); ++row)
            column << table(screen)->item(row, 2)->text();
        return column;
    }

    // The rows drawn bold: the recommended size.
    static QList<int> boldRows(QWidget* screen) {
        QList<int> rows;
        for (int row = 0; row < table(screen)->rowCount(); ++row)
            if (table(screen)->item(row, 1)->font().bold())
                rows << row;
        return rows;
    }

    static void selectNozzle(QWidget* screen, const QString& rate, const QString& speed,
                             const QString& spacing) {
        typeInto(screen, "Text1", rate);
        typeInto(screen, "Text2", speed);
        typeInto(screen, "Text3", spacing);
        press(screen, "Command1");
    }

    static const CatchChartModel& chartModel(QWidget* screen) {
        static const CatchChartModel missing;
        auto* chart = child<CatchChartView>(screen, "catchChart");
        return chart ? chart->model() : missing;
    }

    static void catchTest(QWidget* screen, const QStringList& nozzles) {
        typeInto(screen, "Text16", "10");
        typeInto(screen, "Text17(0)", "30");
        typeInto(screen, "Text17(1)", "3");
        for (int i = 0; i < nozzles.size(); ++i)
            typeInto(screen, qPrintable(nozzleName(i + 1)), nozzles[i]);
        press(screen, "Command1");
    }

    // The wear marks of the bars, "4:Worn" and "7:Check".
    static QStringList wearMarks(QWidget* screen) {
        QStringList marks;
        for (const CatchBar& bar : chartModel(screen).bars)
            if (bar.wear == Wear::Worn || bar.wear == Wear::Check)
                marks << QStringLiteral("%1:%2")
                             .arg(bar.nozzle)
                             .arg(bar.wear == Wear::Worn ? "Worn" : "Check");
        return marks;
    }

private slots:
    void init() { s = std::make_unique<Session>(); }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // --- nozzle selection: the chart panel -----------------------------------

    void thePanelOpensWithItsEntriesAndAnEmptyTable() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        auto* panel = child<QGroupBox>(screen, "nozzleChart");
        QVERIFY(panel);
        QCOMPARE(panel->title(), QStringLiteral("Nozzle chart"));
        QCOMPARE(textOf(screen, "densityEntry"), QStringLiteral("1.0"));
        QCOMPARE(textOf(screen, "lowestPressureEntry"), QStringLiteral("1.5"));
        QCOMPARE(textOf(screen, "highestPressureEntry"), QStringLiteral("5.0"));
        QCOMPARE(child<QLineEdit>(screen, "densityEntry")->accessibleName(),
                 QStringLiteral("Liquid density (kg/L)"));
        QVERIFY(table(screen));
        QCOMPARE(table(screen)->rowCount(), 9);
        QCOMPARE(table(screen)->columnCount(), 3);
        for (int row = 0; row < 9; ++row) {
            QCOMPARE(table(screen)->item(row, 0)->text(), colourName(row));
            QVERIFY(!table(screen)->item(row, 0)->icon().isNull());
            QCOMPARE(table(screen)->item(row, 1)->text(), sizeName(row));
        }
        QCOMPARE(pressures(screen), QStringList(9, QString()));
        QCOMPARE(labelText(screen, "recommendation"), QString());
        // Every size's row shows whole, with no scrolling.
        QCOMPARE(table(screen)->verticalScrollBar()->maximum(), 0);
        QCOMPARE(table(screen)->horizontalScrollBar()->maximum(), 0);
    }

    void theNewControlsComeLastInTheFocusOrder() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        QCOMPARE(
            tabOrder(child(screen, "Text1"), 10),
            (QStringList{"Text1", "Text2", "Text3", "Command1", "Command2", "densityEntry",
                         "lowestPressureEntry", "highestPressureEntry", "chartTable", "Text1"}));
    }

    void calculateDrawsTheChart_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("density");
        QTest::addColumn<QStringList>("pressures");
        QTest::addColumn<int>("recommended");
        QTest::addColumn<QString>("line");
        const QString b = QStringLiteral("below range"), a = QStringLiteral("above range");
        QTest::newRow("one_litre_water")
            << "200"
            << "6"
            << "50"
            << "1.0" << QStringList{a, a, "4.69", "3.00", "2.08", b, b, b, b} << 3
            << "Recommended: 025 (lilac) at 3.00 bar";
        QTest::newRow("point_88_water")
            << "150"
            << "7"
            << "50"
            << "1.0" << QStringList{a, a, "3.63", "2.32", "1.61", b, b, b, b} << 2
            << "Recommended: 02 (yellow) at 3.63 bar";
        QTest::newRow("one_litre_density_1_2")
            << "200"
            << "6"
            << "50"
            << "1.2" << QStringList{a, a, a, "3.60", "2.50", b, b, b, b} << 4
            << "Recommended: 03 (blue) at 2.50 bar";
        QTest::newRow("larger_size_needed")
            << "1000"
            << "20"
            << "50"
            << "1.0" << QStringList(9, a) << -1
            << "No size fits the pressure range: a larger size than 08 is needed.";
        QTest::newRow("smaller_size_needed")
            << "10"
            << "6"
            << "50"
            << "1.0" << QStringList(9, b) << -1
            << "No size fits the pressure range: a smaller size than 01 is needed.";
    }

    void calculateDrawsTheChart() {
        QFETCH(QString, rate);
        QFETCH(QString, speed);
        QFETCH(QString, spacing);
        QFETCH(QString, density);
        QFETCH(QStringList, pressures);
        QFETCH(int, recommended);
        QFETCH(QString, line);
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        typeInto(screen, "densityEntry", density);
        selectNozzle(screen, rate, speed, spacing);
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(this->pressures(screen), pressures);
        QCOMPARE(boldRows(screen), recommended < 0 ? QList<int>() : QList<int>{recommended});
        QCOMPARE(labelText(screen, "recommendation"), line);
    }

    // A finished entry redraws the chart for the flow shown, no Calculate.
    void aChangedEntryRedrawsTheChart() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        selectNozzle(screen, "200", "6", "50");
        QCOMPARE(boldRows(screen), QList<int>{3});
        enter(screen, "densityEntry", "1.2");
        QCOMPARE(boldRows(screen), QList<int>{4});
        QCOMPARE(labelText(screen, "recommendation"),
                 QStringLiteral("Recommended: 03 (blue) at 2.50 bar"));
        enter(screen, "densityEntry", "1.0");
        enter(screen, "lowestPressureEntry", "3.01");
        QCOMPARE(pressures(screen).mid(2, 2), (QStringList{"4.69", QStringLiteral("below range")}));
        QCOMPARE(boldRows(screen), QList<int>{2});
        enter(screen, "highestPressureEntry", "4.5");
        QCOMPARE(boldRows(screen), QList<int>());
        QCOMPARE(labelText(screen, "recommendation"),
                 QStringLiteral("No size fits the pressure range: the flow lies between two "
                                "sizes, widen the range."));
        QVERIFY(s->platform.shown.isEmpty());
    }

    void resetEmptiesTheTableButKeepsTheEntries() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        typeInto(screen, "densityEntry", "1.2");
        typeInto(screen, "highestPressureEntry", "4");
        selectNozzle(screen, "200", "6", "50");
        QCOMPARE(boldRows(screen), QList<int>{4});
        press(screen, "Command2");
        QCOMPARE(pressures(screen), QStringList(9, QString()));
        QCOMPARE(boldRows(screen), QList<int>());
        QCOMPARE(labelText(screen, "recommendation"), QString());
        QCOMPARE(textOf(screen, "densityEntry"), QStringLiteral("1.2"));
        QCOMPARE(textOf(screen, "lowestPressureEntry"), QStringLiteral("1.5"));
        QCOMPARE(textOf(screen, "highestPressureEntry"), QStringLiteral("4"));
        QCOMPARE(textOf(screen, "Text4(0)"), QString());
        // A finished entry after Reset has no flow to chart.
        enter(screen, "densityEntry", "1.0");
        QCOMPARE(pressures(screen), QStringList(9, QString()));
    }

    void anEntryErrorNamesTheEntry_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byCalculate");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        const QString density = "Liquid density (kg/L): enter a number above 0.";
        const QString lowest = "Lowest pressure (bar): enter a number above 0.";
        const QString highest = "Highest pressure (bar): enter a number above 0.";
        QTest::newRow("density_zero_calculate") << "densityEntry"
                                                << "0" << true << density << "densityEntry";
        QTest::newRow("density_letters_return") << "densityEntry"
                                                << "abc" << false << density << "densityEntry";
        QTest::newRow("density_empty_return") << "densityEntry"
                                              << "" << false << density << "densityEntry";
        QTest::newRow("lowest_negative_calculate")
            << "lowestPressureEntry"
            << "-1" << true << lowest << "lowestPressureEntry";
        QTest::newRow("highest_letters_return")
            << "highestPressureEntry"
            << "x" << false << highest << "highestPressureEntry";
        QTest::newRow("lowest_above_highest_return")
            << "lowestPressureEntry"
            << "6" << false << "Lowest pressure (bar): it is above the highest pressure; lower it."
            << "lowestPressureEntry";
        QTest::newRow("highest_below_lowest_calculate")
            << "highestPressureEntry"
            << "1" << true << "Lowest pressure (bar): it is above the highest pressure; lower it."
            << "lowestPressureEntry";
    }

    // One "Error" message, the focus on the entry, the table emptied; the
    // calculation's own results stay.
    void anEntryErrorNamesTheEntry() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, byCalculate);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        selectNozzle(screen, "200", "6", "50");
        QCOMPARE(boldRows(screen), QList<int>{3});
        const QByteArray name = field.toLatin1();
        if (byCalculate) {
            typeInto(screen, name.constData(), text);
            child(screen, "Text1")->setFocus();
            press(screen, "Command1");
        } else {
            enter(screen, name.constData(), text);
        }
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), focus);
        QCOMPARE(pressures(screen), QStringList(9, QString()));
        QCOMPARE(labelText(screen, "recommendation"), QString());
        QCOMPARE(textOf(screen, "Text4(0)"), QStringLiteral("1"));
        QCOMPARE(textOf(screen, "Text4(1)"), QStringLiteral("1.05"));
    }

    // The panel stores nothing: the close step writes the six lines alone.
    void thePanelLeavesTheJobRecordAlone() {
        auto* screen = open<NozzleSelectionScreen>();
        QVERIFY(screen);
        enter(screen, "densityEntry", "1.2");
        selectNozzle(screen, "200", "6", "50");
        closeWindow(screen);
        JobRecord expected;
        StoreNozzleSelection(expected, {"200", "6", "50", "1", "1.05", "0.95"});
        const JobRecord& r = s->record();
        QCOMPARE(r.selRate, expected.selRate);
        QCOMPARE(r.selFlow, expected.selFlow);
        QCOMPARE(r.selMinFlow, expected.selMinFlow);
        QCOMPARE(r.selMaxFlow, expected.selMaxFlow);
    }

    // --- catch test: the chart --------------------------------------------

    void theChartOpensEmptyWithTheWearControls() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        auto* chart = child<CatchChartView>(screen, "catchChart");
        QVERIFY(chart);
        QVERIFY(chart->model().bars.empty());
        QCOMPARE(chart->accessibleDescription(), QStringLiteral("No catch test drawn."));
        auto* sizes = child<QComboBox>(screen, "nozzleSize");
        QVERIFY(sizes);
        QStringList items;
        for (int i = 0; i < sizes->count(); ++i)
            items << sizes->itemText(i);
        QStringList expected{"Not set"};
        for (int row = 0; row < 9; ++row)
            expected << sizeName(row) + ' ' + colourName(row);
        QCOMPARE(items, expected);
        QCOMPARE(items.at(1), QStringLiteral("01 orange"));
        QCOMPARE(items.at(9), QStringLiteral("08 white"));
        QCOMPARE(sizes->currentIndex(), 0);
        QCOMPARE(textOf(screen, "wearLimit"), QStringLiteral("10"));
        QCOMPARE(labelText(screen, "wearSummary"), QString());
        QVERIFY(child<QPushButton>(screen, "copyChart"));
    }

    void theNewControlsComeAfterReset() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        QCOMPARE(tabOrder(child(screen, "Command1"), 6),
                 (QStringList{"Command1", "Command2", "nozzleSize", "wearLimit", "copyChart",
                              "Text16"}));
    }

    // The worked example: a bar per nozzle that caught anything, the band
    // 451.8 to 552.2 round the average 502, nozzles 4 and 5 in red like their
    // marks.
    void calculateDrawsBarsBandAndMarks() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        catchTest(screen, {"500", "", "480", "450", "560", "0", "530"});
        const CatchChartModel& model = chartModel(screen);
        QList<int> nozzles;
        QStringList deviations;
        QList<int> red;
        for (const CatchBar& bar : model.bars) {
            nozzles << bar.nozzle;
            deviations << QString::fromStdString(bar.deviation);
            if (CatchChartView::barColour(bar) == QColor(Qt::red))
                red << bar.nozzle;
            const QByteArray index = QByteArray::number(bar.nozzle - 1);
            QCOMPARE(bar.low, child(screen, "Low1(" + index + ")")->isVisibleTo(screen));
            QCOMPARE(bar.high, child(screen, "High1(" + index + ")")->isVisibleTo(screen));
        }
        QCOMPARE(nozzles, (QList<int>{1, 3, 4, 5, 7}));
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("504"));
        QCOMPARE(model.average, 504.0);
        QCOMPARE(model.minimum, textOf(screen, "Text14").toDouble());
        QCOMPARE(model.maximum, textOf(screen, "Text15").toDouble());
        QCOMPARE(deviations, (QStringList{"-1 %", "-5 %", "-11 %", "+11 %", "+5 %"}));
        QCOMPARE(red, (QList<int>{4, 5}));
        QVERIFY(!model.wearChecked);
        QCOMPARE(child(screen, "catchChart")->accessibleDescription(),
                 QStringLiteral("Outside the allowed band: 4 (low), 5 (high)."));
        QCOMPARE(labelText(screen, "wearSummary"), QString());
    }

    void theWearLineSaysWhatToReplace_data() {
        QTest::addColumn<QStringList>("nozzles");
        QTest::addColumn<int>("size"); // item of nozzleSize
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("summary");
        QTest::newRow("size_03_worn_fine_check")
            << QStringList{"670", "650", "520"} << 5 << "10" << QStringList{"1:Worn", "3:Check"}
            << "Worn, replace: 1. Check for blockage: 3.";
        QTest::newRow("size_03_boom")
            << kBoom << 5 << "10" << QStringList{"4:Worn", "7:Check", "11:Worn"}
            << "Worn, replace: 4, 11. Check for blockage: 7.";
        QTest::newRow("size_03_wider_limit")
            << QStringList{"670", "650", "520"} << 5 << "15" << QStringList{}
            << "Every nozzle is within the wear limit of a new one.";
        // A new 04 gives 1.6 l/min, 800 ml in 30 s: all three fall short.
        QTest::newRow("size_04_all_short")
            << QStringList{"670", "650", "520"} << 6 << "10"
            << QStringList{"1:Check", "2:Check", "3:Check"} << "Check for blockage: 1, 2, 3.";
        QTest::newRow("not_set") << kBoom << 0 << "10" << QStringList{} << "";
    }

    void theWearLineSaysWhatToReplace() {
        QFETCH(QStringList, nozzles);
        QFETCH(int, size);
        QFETCH(QString, limit);
        QFETCH(QStringList, marks);
        QFETCH(QString, summary);
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        child<QComboBox>(screen, "nozzleSize")->setCurrentIndex(size);
        typeInto(screen, "wearLimit", limit);
        catchTest(screen, nozzles);
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(wearMarks(screen), marks);
        QCOMPARE(labelText(screen, "wearSummary"), summary);
        QCOMPARE(chartModel(screen).wearChecked, size > 0);
        if (!summary.isEmpty())
            QVERIFY2(child(screen, "catchChart")->accessibleDescription().endsWith(summary),
                     qPrintable(child(screen, "catchChart")->accessibleDescription()));
    }

    // A new size or limit redraws the last chart, no Calculate needed.
    void choosingASizeRedrawsTheChart() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        catchTest(screen, kBoom);
        QCOMPARE(labelText(screen, "wearSummary"), QString());
        auto* sizes = child<QComboBox>(screen, "nozzleSize");
        sizes->setFocus();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(sizes, Qt::Key_Down);
        QCOMPARE(sizes->currentText(), QStringLiteral("03 blue"));
        QCOMPARE(labelText(screen, "wearSummary"),
                 QStringLiteral("Worn, replace: 4, 11. Check for blockage: 7."));
        // At 12 % nozzle 4 (11.7 % over) passes; 11 (13.3 % over) does not.
        enter(screen, "wearLimit", "12");
        QCOMPARE(wearMarks(screen), (QStringList{"7:Check", "11:Worn"}));
        sizes->setCurrentIndex(0);
        QCOMPARE(wearMarks(screen), QStringList());
        QCOMPARE(labelText(screen, "wearSummary"), QString());
        QCOMPARE(chartModel(screen).bars.size(), std::size_t(18));
        QVERIFY(s->platform.shown.isEmpty());
    }

    void aBadWearLimitIsNamed_data() {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("limit_zero") << "0"
                                    << "3"
                                    << "Wear limit (%): enter a number above 0."
                                    << "wearLimit";
        QTest::newRow("limit_letters") << "ten"
                                       << "3"
                                       << "Wear limit (%): enter a number above 0."
                                       << "wearLimit";
        QTest::newRow("pressure_negative")
            << "10"
            << "-3"
            << "Enter a pressure above 0 bar to compare with a new nozzle."
            << "Text17(1)";
    }

    // The results and the chart are there; only the wear check is left out.
    void aBadWearLimitIsNamed() {
        QFETCH(QString, limit);
        QFETCH(QString, pressure);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        child<QComboBox>(screen, "nozzleSize")->setCurrentIndex(5);
        typeInto(screen, "wearLimit", limit);
        typeInto(screen, "Text16", "10");
        typeInto(screen, "Text17(0)", "30");
        typeInto(screen, "Text17(1)", pressure);
        for (int i = 0; i < kBoom.size(); ++i)
            typeInto(screen, qPrintable(nozzleName(i + 1)), kBoom[i]);
        press(screen, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), focus);
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("604.1111"));
        QCOMPARE(chartModel(screen).bars.size(), std::size_t(18));
        QVERIFY(!chartModel(screen).wearChecked);
        QCOMPARE(labelText(screen, "wearSummary"), QString());
    }

    // A failed Calculate draws nothing new; Reset empties the chart and the
    // wear line, and keeps the size and the limit.
    void failuresKeepTheChartAndResetEmptiesIt() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        child<QComboBox>(screen, "nozzleSize")->setCurrentIndex(5);
        catchTest(screen, kBoom);
        typeInto(screen, "Text3(0)", "abc");
        press(screen, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{"Please Enter a Number for Nozzle 3"});
        QCOMPARE(chartModel(screen).bars.size(), std::size_t(18));
        QCOMPARE(wearMarks(screen), (QStringList{"4:Worn", "7:Check", "11:Worn"}));

        press(screen, "Command2");
        QVERIFY(chartModel(screen).bars.empty());
        QCOMPARE(labelText(screen, "wearSummary"), QString());
        QCOMPARE(child(screen, "catchChart")->accessibleDescription(),
                 QStringLiteral("No catch test drawn."));
        QCOMPARE(child<QComboBox>(screen, "nozzleSize")->currentIndex(), 5);
        QCOMPARE(textOf(screen, "wearLimit"), QStringLiteral("10"));
    }

    void copyChartPutsThePictureOnTheClipboard() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        press(screen, "copyChart");
        QCOMPARE(s->platform.messageTexts(),
                 QStringList{"Press Calculate first: the chart is empty."});
        QVERIFY(s->platform.clipboardImage.isNull());

        s->platform.shown.clear();
        catchTest(screen, kBoom);
        press(screen, "copyChart");
        QVERIFY(s->platform.shown.isEmpty());
        const QImage& image = s->platform.clipboardImage;
        QVERIFY(!image.isNull());
        auto* chart = child(screen, "catchChart");
        QCOMPARE(image.size(), chart->size() * chart->devicePixelRatioF());
        // The picture is the chart drawn, not an empty square.
        QVERIFY(image.pixelColor(0, 0) != image.pixelColor(image.width() / 2, image.height() / 2) ||
                image.pixelColor(image.width() / 3, image.height() / 2) !=
                    image.pixelColor(image.width() / 2, image.height() / 2));
    }

    // The wear check stores nothing: the close step writes the usual group.
    void theWearCheckLeavesTheJobRecordAlone() {
        auto* screen = open<CatchTestScreen>();
        QVERIFY(screen);
        child<QComboBox>(screen, "nozzleSize")->setCurrentIndex(5);
        typeInto(screen, "wearLimit", "12");
        catchTest(screen, {"670", "650", "520"});
        const CatchEntries entries{"10", "30", "3", {"670", "650", "520"}};
        const CatchSummary summary{toStd(textOf(screen, "Text13")), toStd(textOf(screen, "Text14")),
                                   toStd(textOf(screen, "Text15")),
                                   toStd(textOf(screen, "Text18"))};
        QCOMPARE(summary.average, std::string("613.3333"));
        closeWindow(screen);
        JobRecord expected;
        StoreNozzleGroup(expected, entries, summary, '.');
        const JobRecord& r = s->record();
        QCOMPARE(r.nozzleAverage, expected.nozzleAverage);
        QCOMPARE(r.nozzleMaximum, expected.nozzleMaximum);
        QCOMPARE(r.nozzlePressure, expected.nozzlePressure);
        QCOMPARE(r.nozzleCatch, expected.nozzleCatch);
    }
};

QTEST_MAIN(NozzleChartsTest)
#include "nozzle_charts_test.moc"
