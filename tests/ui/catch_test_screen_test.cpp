// The nozzle uniformity screen: the catch test on screen, its marks, Reset,
// the flow handed to the rate screen, and the job record group.
#include "app/main_menu.h"
#include "screens/catch_test_screen.h"
#include "screens/rate_screen.h"
#include "ui_support.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using namespace zelk;
using namespace zelk::test;

namespace {

// The 25 fields in the order Reset empties them.
const QStringList& allFields() {
    static const QStringList names = [] {
        QStringList list;
        for (int nozzle = 1; nozzle <= kNozzleCount; ++nozzle)
            list << nozzleName(nozzle);
        list << "Text13"
             << "Text14"
             << "Text15"
             << "Text16"
             << "Text17(0)"
             << "Text17(1)"
             << "Text18";
        return list;
    }();
    return names;
}

QByteArray fieldName(int nozzle) {
    return nozzleName(nozzle).toLatin1();
}

} // namespace

class NozzleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;
    CatchTestScreen* screen = nullptr;

    void press(const char* button) {
        auto* b = child<QPushButton>(screen, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void typeNozzles(const QStringList& values) {
        for (int i = 0; i < values.size(); ++i)
            typeInto(screen, fieldName(i + 1).constData(), values[i]);
    }

    void typeEntries(const QString& variation, const QString& time, const QString& pressure) {
        typeInto(screen, "Text16", variation);
        typeInto(screen, "Text17(0)", time);
        typeInto(screen, "Text17(1)", pressure);
    }

    // The worked example: 500, 520, 480, 450, 560 at 10 %, 30 s, 3 bar.
    void calculateTheWorkedExample() {
        typeEntries("10", "30", "3");
        typeNozzles({"500", "520", "480", "450", "560"});
        press("Command1");
    }

    QLabel* mark(const char* kind, int nozzle) {
        return child<QLabel>(screen, indexedName(kind, nozzle - 1).constData());
    }

    static QByteArray indexedName(const char* name, int index) {
        return QByteArray(name) + '(' + QByteArray::number(index) + ')';
    }

    // The nozzles whose mark of that kind is shown.
    QList<int> marked(const char* kind) {
        QList<int> nozzles;
        for (int nozzle = 1; nozzle <= kNozzleCount; ++nozzle) {
            QLabel* label = mark(kind, nozzle);
            if (!label)
                return {-nozzle}; // missing mark: shows up in the comparison
            if (label->isVisibleTo(screen))
                nozzles << nozzle;
        }
        return nozzles;
    }

private slots:
    void init() {
        s = std::make_unique<Session>();
        screen = &s->screens().show<CatchTestScreen>();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
    }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void opensEmptyWithEveryControlNamed() {
        QCOMPARE(screen->objectName(), QStringLiteral("Nozzle"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Nozzle Uniformity Calculator - Metric"));
        for (const QString& name : allFields())
            QCOMPARE(textOf(screen, name.toLatin1().constData()), QString());
        for (const char* result : {"Text13", "Text14", "Text15", "Text18"})
            QVERIFY2(!child<QLineEdit>(screen, result)->isEnabled(), result);
        for (int nozzle = 1; nozzle <= kNozzleCount; ++nozzle) {
            auto* caption = child<QLabel>(screen, indexedName("Label1", nozzle - 1).constData());
            QVERIFY2(caption, "a nozzle caption is missing");
            QCOMPARE(caption->text(), QStringLiteral("Nozzle %1").arg(nozzle));
            QCOMPARE(caption->buddy(), child(screen, fieldName(nozzle).constData()));
            QCOMPARE(mark("Low1", nozzle)->text(), QStringLiteral("Low"));
            QCOMPARE(mark("High1", nozzle)->text(), QStringLiteral("High"));
            QCOMPARE(mark("Low1", nozzle)->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(mark("High1", nozzle)->palette().color(QPalette::WindowText), QColor(Qt::red));
            // Both marks of a nozzle lie on the same spot.
            QCOMPARE(mark("Low1", nozzle)->parentWidget(), mark("High1", nozzle)->parentWidget());
        }
        QCOMPARE(marked("Low1"), QList<int>());
        QCOMPARE(marked("High1"), QList<int>());
        QCOMPARE(child<QLabel>(screen, "Label2(1)")->text(),
                 QStringLiteral("Enter Variation  Percentage"));
        QCOMPARE(child<QLabel>(screen, "Label2(0)")->text(),
                 QStringLiteral("Average Output  (In Milliliters)"));
        QCOMPARE(child<QLabel>(screen, "Label3(1)")->text(), QStringLiteral("Enter Pressure "));
        QCOMPARE(child<QLabel>(screen, "Label7")->text(),
                 QStringLiteral("Enter amount For Each Nozzle from Nozzle Catch Test "));
        QCOMPARE(child<QLabel>(screen, "Label6(3)")->text(),
                 QStringLiteral("(From Nozzle Spec Sheet)"));
        QCOMPARE(child<QPushButton>(screen, "Command1")->text(), QStringLiteral("Calculate"));
        QCOMPARE(child<QPushButton>(screen, "Command2")->text(), QStringLiteral("Reset"));
    }

    void theCursorStartsInTheVariationAndTabsThroughTheNozzles() {
        QCOMPARE(screen->focusWidget(), child(screen, "Text16"));
        QStringList expected = {"Text16", "Text17(0)", "Text17(1)"};
        for (int nozzle = 1; nozzle <= kNozzleCount; ++nozzle)
            expected << QString::fromLatin1(fieldName(nozzle));
        // What the chart added comes after the two buttons.
        expected << "Command1"
                 << "Command2"
                 << "nozzleSize"
                 << "wearLimit"
                 << "copyChart"
                 << "Text16";
        QStringList order;
        QWidget* w = child(screen, "Text16");
        for (qsizetype i = 0; i < expected.size(); ++i) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled());
        }
        QCOMPARE(order, expected);
    }

    void theWorkedExampleShowsOnScreen() {
        calculateTheWorkedExample();
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("502"));
        QCOMPARE(textOf(screen, "Text18"), QStringLiteral("1"));
        QCOMPARE(textOf(screen, "Text14"), QStringLiteral("451.8"));
        QCOMPARE(textOf(screen, "Text15"), QStringLiteral("552.2"));
        QCOMPARE(marked("Low1"), QList<int>{4});
        QCOMPARE(marked("High1"), QList<int>{5});
        QCOMPARE(textOf(screen, "Text1(0)"), QStringLiteral("500"));
        for (int nozzle = 6; nozzle <= kNozzleCount; ++nozzle)
            QCOMPARE(textOf(screen, fieldName(nozzle).constData()), QStringLiteral("0"));
    }

    void aSecondRunMarksEveryNozzleAfresh() {
        calculateTheWorkedExample();
        QCOMPARE(marked("Low1"), QList<int>{4});
        QCOMPARE(marked("High1"), QList<int>{5});

        // Nozzles 4 and 5 move into the band (420 to 513.3), nozzle 12 falls
        // below it, nozzle 2 is now above it.
        typeNozzles({"500", "520", "480", "500", "500"});
        typeInto(screen, "Text12(0)", "300");
        press("Command1");
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("466.6667"));
        QCOMPARE(marked("Low1"), QList<int>{12});
        QCOMPARE(marked("High1"), QList<int>{2});

        // A negative variation would turn the band round; it is refused and
        // the screen keeps the last evaluation, marks and all.
        typeInto(screen, "Text16", "-10");
        press("Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{"Please Enter Variation Percentage"});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), QStringLiteral("Text16"));
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("466.6667"));
        QCOMPARE(marked("Low1"), QList<int>{12});
        QCOMPARE(marked("High1"), QList<int>{2});
    }

    void resetEmptiesTheScreenAndTouchesNothingElse() {
        calculateTheWorkedExample();
        auto* rate = s->screens().find<RateScreen>();
        QVERIFY(rate);
        s->record().nozzleAverage = "Average Output - 1 ml\n"; // as if from an earlier close
        child(screen, "Command1")->setFocus();
        press("Command2");
        for (const QString& name : allFields())
            QCOMPARE(textOf(screen, name.toLatin1().constData()), QString());
        QCOMPARE(marked("Low1"), QList<int>());
        QCOMPARE(marked("High1"), QList<int>());
        QCOMPARE(screen->focusWidget(), child(screen, "Text16"));
        QCOMPARE(textOf(rate, "Text1"), QStringLiteral("1"));
        QCOMPARE(s->record().nozzleAverage, std::string("Average Output - 1 ml\n"));
        QVERIFY(s->platform.shown.isEmpty());

        // Closing right after stores nothing.
        closeWindow(screen);
        QCOMPARE(s->record().nozzleVariation, std::string());
        QCOMPARE(s->record().nozzleFlow, std::string());
        QCOMPARE(s->record().nozzleCatch, (std::array<std::int16_t, 18>{}));
    }

    // Closed before: created hidden, its earlier group emptied, the flow in Text1.
    void theFlowGoesToAClosedRateScreen() {
        auto* rate = &s->screens().show<RateScreen>();
        typeInto(rate, "Text3", "50");
        closeWindow(rate);
        QCOMPARE(s->record().rateSpacing, std::string("Nozzle Spacing - 50 Centimeters\n"));

        calculateTheWorkedExample();
        rate = s->screens().find<RateScreen>();
        QVERIFY2(rate, "the hand-off did not create the rate screen");
        QVERIFY(!rate->isVisible());
        QCOMPARE(textOf(rate, "Text1"), QStringLiteral("1"));
        QCOMPARE(textOf(rate, "Text3"), QString());
        QCOMPARE(s->record().rateSpacing, std::string());
    }

    // Open: only its Text1 changes, whatever it held.
    void theFlowReplacesTheFlowOfAnOpenRateScreen() {
        auto& rate = s->screens().show<RateScreen>();
        typeInto(&rate, "Text1", "9");
        typeInto(&rate, "Text2", "8");
        typeInto(&rate, "Text3", "50");
        typeEntries("10", "30", "3");
        typeNozzles({"500", "505", "512"});
        press("Command1");
        QCOMPARE(s->screens().find<RateScreen>(), &rate);
        QVERIFY(rate.isVisible());
        QCOMPARE(textOf(&rate, "Text1"), QStringLiteral("1.01"));
        QCOMPARE(textOf(&rate, "Text2"), QStringLiteral("8"));
        QCOMPARE(textOf(&rate, "Text3"), QStringLiteral("50"));
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("505.6667"));
        QCOMPARE(textOf(screen, "Text14"), QStringLiteral("455.1"));
        QCOMPARE(textOf(screen, "Text15"), QStringLiteral("556.2334"));
    }

    void closingStoresTheGroupAndReopeningEmptiesIt() {
        s->program->start();
        auto* list = child<QListWidget>(s->screens().find<MainMenu>(), "List1");
        QVERIFY(list);
        calculateTheWorkedExample();
        typeInto(screen, "Text12(0)", "2.5");
        typeInto(screen, "Text12(1)", "40000");
        closeWindow(screen);
        QVERIFY(!s->screens().find<CatchTestScreen>());
        const JobRecord& record = s->record();
        QCOMPARE(record.nozzleVariation, std::string("Variation Percentage - 10 %\n"));
        QCOMPARE(record.nozzleCatchTime, std::string("Catch Time - 30 Seconds\n"));
        QCOMPARE(record.nozzlePressure, std::string("Pressure - 3 bar\n"));
        QCOMPARE(record.nozzleAverage, std::string("Average Output - 502 ml\n"));
        QCOMPARE(record.nozzleMinimum, std::string("Minimin Allowable - 451.8 ml\n"));
        QCOMPARE(record.nozzleMaximum, std::string("Maximum Allowable - 552.2 ml\n"));
        QCOMPARE(record.nozzleFlow, std::string("l/min per Nozzle - 1 l/min\n"));
        const std::array<std::int16_t, 18> volumes = {500, 520, 480, 450, 560, 0, 0, 0, 0,
                                                      0,   0,   2,   0,   0,   0, 0, 0, 0};
        QCOMPARE(record.nozzleCatch, volumes);
        QVERIFY(s->platform.shown.isEmpty());

        QListWidgetItem* item = list->item(1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        screen = s->screens().find<CatchTestScreen>();
        QVERIFY2(screen && screen->isVisible(), "Nozzle Uniformity did not open the screen");
        for (const QString& name : allFields())
            QCOMPARE(textOf(screen, name.toLatin1().constData()), QString());
        QCOMPARE(record.nozzleVariation, std::string());
        QCOMPARE(record.nozzleAverage, std::string());
        QCOMPARE(record.nozzleFlow, std::string());
        QCOMPARE(record.nozzleCatch, (std::array<std::int16_t, 18>{}));
    }

    void failures_data() {
        QTest::addColumn<QString>("variation");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("nozzle3");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("variation_empty") << ""
                                         << "30"
                                         << "3"
                                         << "480"
                                         << "Please Enter Variation Percentage"
                                         << "Text16";
        QTest::newRow("time_zero") << "10"
                                   << "0"
                                   << "3"
                                   << "480"
                                   << "Please Enter Catch Time"
                                   << "Text17(0)";
        QTest::newRow("time_numerically_zero") << "10"
                                               << "0.0"
                                               << "3"
                                               << "480"
                                               << "Please Enter Catch Time"
                                               << "Text17(0)";
        QTest::newRow("pressure_letters") << "10"
                                          << "30"
                                          << "abc"
                                          << "480"
                                          << "Please Enter Pressure"
                                          << "Text17(1)";
        QTest::newRow("nozzle_3_letters") << "10"
                                          << "30"
                                          << "3"
                                          << "abc"
                                          << "Please Enter a Number for Nozzle 3"
                                          << "Text3(0)";
        QTest::newRow("nozzle_3_with_unit") << "10"
                                            << "30"
                                            << "3"
                                            << "5 ml"
                                            << "Please Enter a Number for Nozzle 3"
                                            << "Text3(0)";
        QTest::newRow("nozzle_3_beyond_single") << "10"
                                                << "30"
                                                << "3"
                                                << "1E+40"
                                                << "Please Enter a Number for Nozzle 3"
                                                << "Text3(0)";
    }

    // One "Error" message, the focus in the field, and nothing written: the
    // empty nozzle fields stay empty, the earlier results and marks stay.
    void failures() {
        QFETCH(QString, variation);
        QFETCH(QString, time);
        QFETCH(QString, pressure);
        QFETCH(QString, nozzle3);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        calculateTheWorkedExample();
        typeInto(screen, "Text12(6)", ""); // nozzle 18 empty again

        typeEntries(variation, time, pressure);
        typeInto(screen, "Text3(0)", nozzle3);
        child(screen, "Command2")->setFocus();
        press("Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), focus);
        QCOMPARE(textOf(screen, "Text12(6)"), QString());
        QCOMPARE(textOf(screen, "Text3(0)"), nozzle3);
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("502"));
        QCOMPARE(textOf(screen, "Text15"), QStringLiteral("552.2"));
        QCOMPARE(marked("Low1"), QList<int>{4});
        QCOMPARE(marked("High1"), QList<int>{5});
    }

    void aNegativeEntryIsRefusedAndChangesNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("nozzle_3") << "Text3(0)"
                                  << "Please Enter a Number for Nozzle 3";
        QTest::newRow("catch_time") << "Text17(0)"
                                    << "Please Enter Catch Time";
        QTest::newRow("variation") << "Text16"
                                   << "Please Enter Variation Percentage";
    }

    void aNegativeEntryIsRefusedAndChangesNothing() {
        QFETCH(QString, field);
        QFETCH(QString, prompt);
        calculateTheWorkedExample();
        typeInto(screen, "Text6(0)", "");
        typeInto(screen, qPrintable(field), "-30");
        child(screen, "Text1(0)")->setFocus();
        press("Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), field);
        // Nothing written: the results stay, an empty nozzle is not made "0".
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("502"));
        QCOMPARE(textOf(screen, "Text6(0)"), QString());
        QCOMPARE(textOf(screen, qPrintable(field)), QStringLiteral("-30"));
        QCOMPARE(marked("Low1"), QList<int>{4});
    }

    void noCatchAsksForCatchInformation() {
        calculateTheWorkedExample();
        typeNozzles({"", "0", "", "0", ""});
        // Clicked without the button taking the focus, so a move would show.
        child(screen, "Text17(1)")->setFocus();
        child<QPushButton>(screen, "Command1")->click();
        QCOMPARE(s->platform.messageTexts(), QStringList{"Enter Nozzle Catch Information"});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error!"));
        QCOMPARE(screen->focusWidget()->objectName(), QStringLiteral("Text17(1)"));
        QCOMPARE(textOf(screen, "Text1(0)"), QStringLiteral("0"));
        QCOMPARE(textOf(screen, "Text2(0)"), QStringLiteral("0"));
        QCOMPARE(textOf(screen, "Text5(0)"), QStringLiteral("0"));
        QCOMPARE(textOf(screen, "Text13"), QStringLiteral("502"));
        QCOMPARE(marked("Low1"), QList<int>{4});
        QCOMPARE(marked("High1"), QList<int>{5});
    }
};

QTEST_MAIN(NozzleTest)
#include "catch_test_screen_test.moc"
