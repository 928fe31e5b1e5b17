// The calibration rate and travel speed screens, and the speed handed from
// one to the other.
#include "app/main_menu.h"
#include "screens/rate_screen.h"
#include "screens/speed_screen.h"
#include "ui_support.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using namespace zelk;
using namespace zelk::test;

namespace {

constexpr int kSpeedEntry = 2;
constexpr int kRateEntry = 4;

// The names of the focus chain from `first` on, skipping what Tab skips.
QStringList tabOrder(QWidget* first, int count) {
    QStringList order;
    QWidget* w = first;
    for (int i = 0; i < count; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled());
    }
    return order;
}

} // namespace

class RateSpeedTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;

    QListWidget* startMenu() {
        s->program->start();
        auto* menu = s->screens().find<MainMenu>();
        return menu ? child<QListWidget>(menu, "List1") : nullptr;
    }

    static void clickEntry(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    static void press(QWidget* screen, const char* button) {
        auto* b = child<QPushButton>(screen, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    SpeedScreen& speedWith(const QString& distance, const QString& time) {
        auto& speed = s->screens().show<SpeedScreen>();
        typeInto(&speed, "Text1", distance);
        typeInto(&speed, "Text2", time);
        return speed;
    }

private slots:
    void init() { s = std::make_unique<Session>(); }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void theRateScreenOpensEmptyWithItsCaptionsAndOrder() {
        auto& rate = s->screens().show<RateScreen>();
        QCOMPARE(rate.objectName(), QStringLiteral("Rate"));
        QCOMPARE(rate.windowTitle(), QStringLiteral("Calibration Rate - Metric"));
        QCOMPARE(child<QLabel>(&rate, "Label1")->text(), QStringLiteral("Calibration Rate "));
        QCOMPARE(child<QLabel>(&rate, "Label2")->text(),
                 QStringLiteral("l/min (From Nozzle Uniformity Screen)"));
        QCOMPARE(child<QLabel>(&rate, "Label3")->text(),
                 QStringLiteral("km/h (From Speed Calculator)"));
        QCOMPARE(child<QLabel>(&rate, "Label4")->text(),
                 QStringLiteral("Nozzle Spacing (In Centimeters)"));
        QCOMPARE(child<QLabel>(&rate, "Label5")->text(), QStringLiteral("L/ha"));
        QCOMPARE(child<QLineEdit>(&rate, "Text1")->toolTip(), QStringLiteral("Enter l/min"));
        QCOMPARE(child<QLineEdit>(&rate, "Text2")->toolTip(), QStringLiteral("Enter km/h"));
        QCOMPARE(child<QLineEdit>(&rate, "Text3")->toolTip(),
                 QStringLiteral("Enter Nozzle Spacing"));
        QCOMPARE(child<QPushButton>(&rate, "Command1")->text(), QStringLiteral("Calculate"));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
            QCOMPARE(textOf(&rate, name), QString());
        QVERIFY(!child<QLineEdit>(&rate, "Text4")->isEnabled());
        QCOMPARE(rate.focusWidget(), child(&rate, "Text3"));
        QCOMPARE(tabOrder(child(&rate, "Text3"), 5),
                 (QStringList{"Text3", "Command1", "Text1", "Text2", "Text3"}));
    }

    void theSpeedScreenOpensEmptyWithItsCaptionsAndOrder() {
        auto& speed = s->screens().show<SpeedScreen>();
        QCOMPARE(speed.objectName(), QStringLiteral("speedCalc"));
        QCOMPARE(speed.windowTitle(), QStringLiteral("Speed Calculator - Metric"));
        QCOMPARE(child<QLabel>(&speed, "Label4")->text(),
                 QStringLiteral("Zelk Travel Speed Calculator"));
        QCOMPARE(child<QLabel>(&speed, "Label1")->text(), QStringLiteral("Distance (In Meters)"));
        QCOMPARE(child<QLabel>(&speed, "Label2")->text(), QStringLiteral("Time (In Seconds)"));
        QCOMPARE(child<QLabel>(&speed, "Label3")->text(), QStringLiteral("km/h"));
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            QCOMPARE(textOf(&speed, name), QString());
            QCOMPARE(child<QLineEdit>(&speed, name)->toolTip(), QString());
        }
        QVERIFY(!child<QLineEdit>(&speed, "Text3")->isEnabled());
        QCOMPARE(speed.focusWidget(), child(&speed, "Text1"));
        QCOMPARE(tabOrder(child(&speed, "Text1"), 4),
                 (QStringList{"Text1", "Text2", "Command1", "Text1"}));
    }

    void rateResults_data() {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("rate");
        QTest::newRow("rate_1_5_7_50") << "1.5"
                                       << "7"
                                       << "50"
                                       << "257.14";
        QTest::newRow("rate_1_8_50") << "1"
                                     << "8"
                                     << "50"
                                     << "150";
        QTest::newRow("rate_1_01_6_50") << "1.01"
                                        << "6"
                                        << "50"
                                        << "202";
    }

    void rateResults() {
        QFETCH(QString, flow);
        QFETCH(QString, speed);
        QFETCH(QString, spacing);
        QFETCH(QString, rate);
        auto& screen = s->screens().show<RateScreen>();
        typeInto(&screen, "Text1", flow);
        typeInto(&screen, "Text2", speed);
        typeInto(&screen, "Text3", spacing);
        press(&screen, "Command1");
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(textOf(&screen, "Text4"), rate);
    }

    // Keyboard only, in the screen's own focus order.
    void theRateScreenWorksFromTheKeyboard() {
        auto& rate = s->screens().show<RateScreen>();
        QVERIFY(QTest::qWaitForWindowActive(&rate));
        QTest::keyClicks(QApplication::focusWidget(), "50");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "8");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(&rate, "Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(textOf(&rate, "Text1"), QStringLiteral("1"));
        QCOMPARE(textOf(&rate, "Text2"), QStringLiteral("8"));
        QCOMPARE(textOf(&rate, "Text3"), QStringLiteral("50"));
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("150"));
    }

    // Calculated before the rate screen was ever opened: it is created hidden
    // and the menu entry then shows it with the speed in its km/h field.
    void theSpeedWaitsInAHiddenRateScreen() {
        QListWidget* list = startMenu();
        QVERIFY(list);
        clickEntry(list, kSpeedEntry);
        auto* speed = s->screens().find<SpeedScreen>();
        QVERIFY2(speed && speed->isVisible(), "Speed Calculator did not open speedCalc");
        QVERIFY(!s->screens().find<RateScreen>());
        typeInto(speed, "Text1", "100");
        typeInto(speed, "Text2", "27");
        press(speed, "Command1");
        QCOMPARE(textOf(speed, "Text3"), QStringLiteral("13.33"));

        QPointer<RateScreen> rate = s->screens().find<RateScreen>();
        QVERIFY2(rate, "the hand-off did not create the rate screen");
        QVERIFY(!rate->isVisible());
        QCOMPARE(textOf(rate, "Text2"), QStringLiteral("13.33"));

        clickEntry(list, kRateEntry);
        QCOMPARE(s->screens().find<RateScreen>(), rate.data());
        QVERIFY(rate->isVisible());
        QCOMPARE(textOf(rate, "Text2"), QStringLiteral("13.33"));
        QCOMPARE(textOf(rate, "Text1"), QString());
        QCOMPARE(textOf(rate, "Text3"), QString());
    }

    // An open rate screen gets the new speed at once, and its rate follows.
    void theSpeedReplacesTheKmhOfAnOpenRateScreen() {
        auto& rate = s->screens().show<RateScreen>();
        typeInto(&rate, "Text1", "1");
        typeInto(&rate, "Text2", "8");
        typeInto(&rate, "Text3", "50");
        press(&rate, "Command1");
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("150"));

        auto& speed = speedWith("50", "15");
        press(&speed, "Command1");
        QCOMPARE(s->screens().find<RateScreen>(), &rate);
        QCOMPARE(textOf(&rate, "Text2"), QStringLiteral("12"));
        QCOMPARE(textOf(&rate, "Text1"), QStringLiteral("1"));
        QCOMPARE(textOf(&rate, "Text3"), QStringLiteral("50"));
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("100")); // 1 l/min at 12 km/h
        QVERIFY(s->platform.shown.isEmpty());

        typeInto(&speed, "Text2", "10");
        typeInto(&speed, "Text1", "30.5");
        press(&speed, "Command1");
        QCOMPARE(textOf(&rate, "Text2"), QStringLiteral("10.98"));
    }

    // Without a spacing the rate cannot follow the new speed: the old rate
    // goes, silently, rather than stand beside figures it does not belong to.
    void aHandOffWithoutSpacingEmptiesTheRate() {
        auto& rate = s->screens().show<RateScreen>();
        typeInto(&rate, "Text1", "1");
        typeInto(&rate, "Text2", "8");
        typeInto(&rate, "Text3", "50");
        press(&rate, "Command1");
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("150"));
        typeInto(&rate, "Text3", "");

        auto& speed = speedWith("50", "15");
        press(&speed, "Command1");
        QCOMPARE(textOf(&rate, "Text2"), QStringLiteral("12"));
        QCOMPARE(textOf(&rate, "Text4"), QString());
        QVERIFY(s->platform.shown.isEmpty());
    }

    // The hand-off creates the rate screen afresh, and its load empties the
    // group an earlier visit stored.
    void aHandOffToAClosedRateScreenEmptiesItsGroup() {
        auto* rate = &s->screens().show<RateScreen>();
        typeInto(rate, "Text1", "1");
        typeInto(rate, "Text2", "8");
        typeInto(rate, "Text3", "50");
        closeWindow(rate);
        QCOMPARE(s->record().rateFlow, std::string("l/min per Nozzle - 1 l/min\n"));
        QCOMPARE(s->record().rateSpeed, std::string("km/h - 8 km/h\n"));
        QCOMPARE(s->record().rateSpacing, std::string("Nozzle Spacing - 50 Centimeters\n"));

        auto& speed = speedWith("50", "15");
        press(&speed, "Command1");
        rate = s->screens().find<RateScreen>();
        QVERIFY(rate && !rate->isVisible());
        QCOMPARE(s->record().rateFlow, std::string());
        QCOMPARE(s->record().rateSpeed, std::string());
        QCOMPARE(s->record().rateSpacing, std::string());
        QCOMPARE(textOf(rate, "Text1"), QString());
        QCOMPARE(textOf(rate, "Text2"), QStringLiteral("12"));
        QCOMPARE(textOf(rate, "Text3"), QString());
    }

    // Closing discards the fields, the handed-over speed included; the group
    // holds exactly the non-empty entries, never the rate.
    void closingAndReopeningTheRateScreenGivesEmptyFields() {
        QListWidget* list = startMenu();
        QVERIFY(list);
        auto& speed = speedWith("50", "15");
        press(&speed, "Command1");
        clickEntry(list, kRateEntry);
        auto* rate = s->screens().find<RateScreen>();
        QVERIFY(rate && rate->isVisible());
        typeInto(rate, "Text3", "50");
        closeWindow(rate);
        QVERIFY(!s->screens().find<RateScreen>());
        QCOMPARE(s->record().rateFlow, std::string());
        QCOMPARE(s->record().rateSpeed, std::string("km/h - 12 km/h\n"));
        QCOMPARE(s->record().rateSpacing, std::string("Nozzle Spacing - 50 Centimeters\n"));

        clickEntry(list, kRateEntry);
        rate = s->screens().find<RateScreen>();
        QVERIFY(rate && rate->isVisible());
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
            QCOMPARE(textOf(rate, name), QString());
        QCOMPARE(s->record().rateSpeed, std::string()); // the new load emptied it
    }

    void closingTheSpeedScreenStoresItsLines() {
        auto* speed = &speedWith("50", "15");
        press(speed, "Command1");
        typeInto(speed, "Text1", "abc"); // stored as typed, with the older speed
        closeWindow(speed);
        QCOMPARE(s->record().speedDistance, std::string("Distance Traveled in Meters - abc\n"));
        QCOMPARE(s->record().speedTime, std::string("Time in Seconds - 15\n"));
        QCOMPARE(s->record().speedKmh, std::string("km/h - 12\n"));

        speed = &speedWith("30", "");
        QCOMPARE(s->record().speedDistance, std::string()); // emptied by the new load
        QCOMPARE(textOf(speed, "Text2"), QString());
        closeWindow(speed);
        QCOMPARE(s->record().speedDistance, std::string("Distance Traveled in Meters - 30\n"));
        QCOMPARE(s->record().speedTime, std::string());
        QCOMPARE(s->record().speedKmh, std::string());
    }

    // Each correction brings up the next failing field, one message at a time.
    void onlyTheFirstFailingRateFieldIsReported() {
        auto& rate = s->screens().show<RateScreen>();
        const QStringList prompts = {"Please Enter L/ha", "Please Enter km/h",
                                     "Please Enter Nozzle Spacing"};
        const char* fields[] = {"Text1", "Text2", "Text3"};
        for (int i = 0; i < 3; ++i) {
            s->platform.shown.clear();
            press(&rate, "Command1");
            QCOMPARE(s->platform.messageTexts(), QStringList{prompts[i]});
            QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
            QCOMPARE(s->platform.shown[0].icon, Platform::Icon::None);
            QCOMPARE(rate.focusWidget()->objectName(), QString::fromLatin1(fields[i]));
            typeInto(&rate, fields[i], "5");
        }
        s->platform.shown.clear();
        press(&rate, "Command1");
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("12000"));
    }

    void onlyTheFirstFailingSpeedFieldIsReported() {
        auto& speed = s->screens().show<SpeedScreen>();
        press(&speed, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{"Please Enter Distance"});
        QCOMPARE(speed.focusWidget()->objectName(), QStringLiteral("Text1"));
        typeInto(&speed, "Text1", "50");
        s->platform.shown.clear();
        press(&speed, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{"Enter Timd"});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(speed.focusWidget()->objectName(), QStringLiteral("Text2"));
        QVERIFY(!s->screens().find<RateScreen>());
    }

    void aFailedRateCheckKeepsTheOldResult_data() {
        QTest::addColumn<QString>("flow");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("flow_zero") << "0"
                                   << "8"
                                   << "50"
                                   << "Please Enter L/ha"
                                   << "Text1";
        QTest::newRow("speed_letters") << "1"
                                       << "abc"
                                       << "50"
                                       << "Please Enter km/h"
                                       << "Text2";
        QTest::newRow("speed_numerically_zero") << "1"
                                                << "0.0"
                                                << "50"
                                                << "Please Enter km/h"
                                                << "Text2";
        QTest::newRow("spacing_double_zero") << "1"
                                             << "8"
                                             << "00"
                                             << "Please Enter Nozzle Spacing"
                                             << "Text3";
        QTest::newRow("flow_beyond_single") << "1E+40"
                                            << "8"
                                            << "50"
                                            << "Please Enter L/ha"
                                            << "Text1";
    }

    void aFailedRateCheckKeepsTheOldResult() {
        QFETCH(QString, flow);
        QFETCH(QString, speed);
        QFETCH(QString, spacing);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        auto& rate = s->screens().show<RateScreen>();
        typeInto(&rate, "Text1", "1");
        typeInto(&rate, "Text2", "8");
        typeInto(&rate, "Text3", "50");
        press(&rate, "Command1");
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("150"));

        typeInto(&rate, "Text1", flow);
        typeInto(&rate, "Text2", speed);
        typeInto(&rate, "Text3", spacing);
        child(&rate, "Command1")->setFocus();
        press(&rate, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(rate.focusWidget()->objectName(), focus);
        QCOMPARE(textOf(&rate, "Text4"), QStringLiteral("150"));
        QCOMPARE(textOf(&rate, "Text1"), flow);
        QCOMPARE(textOf(&rate, "Text2"), speed);
        QCOMPARE(textOf(&rate, "Text3"), spacing);
    }

    void aFailedSpeedCheckKeepsTheOldResultAndHandsNothingOver_data() {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("time_zero") << "50"
                                   << "0"
                                   << "Enter Timd"
                                   << "Text2";
        QTest::newRow("time_numerically_zero") << "50"
                                               << "0.0"
                                               << "Enter Timd"
                                               << "Text2";
        QTest::newRow("time_double_zero") << "50"
                                          << "00"
                                          << "Enter Timd"
                                          << "Text2";
        QTest::newRow("distance_empty") << ""
                                        << "15"
                                        << "Please Enter Distance"
                                        << "Text1";
        QTest::newRow("product_overflows") << "1e308"
                                           << "1"
                                           << "Please Enter Distance"
                                           << "Text1";
    }

    void aFailedSpeedCheckKeepsTheOldResultAndHandsNothingOver() {
        QFETCH(QString, distance);
        QFETCH(QString, time);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        auto& speed = speedWith("100", "27");
        press(&speed, "Command1");
        auto* rate = s->screens().find<RateScreen>();
        QVERIFY(rate);
        typeInto(rate, "Text2", QStringLiteral("typed over"));

        typeInto(&speed, "Text1", distance);
        typeInto(&speed, "Text2", time);
        child(&speed, "Command1")->setFocus();
        press(&speed, "Command1");
        QCOMPARE(s->platform.messageTexts(), QStringList{prompt});
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(speed.focusWidget()->objectName(), focus);
        QCOMPARE(textOf(&speed, "Text3"), QStringLiteral("13.33"));
        QCOMPARE(textOf(rate, "Text2"), QStringLiteral("typed over"));
    }
};

QTEST_MAIN(RateSpeedTest)
#include "rate_speed_test.moc"
