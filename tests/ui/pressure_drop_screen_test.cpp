#include "screens/pressure_drop_screen.h"
#include "ui_support.h"

#include <QLineEdit>
#include <QPushButton>

using namespace zelk;
using namespace zelk::test;

class PressDropTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;
    PressureDropScreen* screen = nullptr;

    void pressCalculate() {
        QTest::mouseClick(child<QPushButton>(screen, "Command1"), Qt::LeftButton);
    }

private slots:
    void init() {
        s = std::make_unique<Session>();
        screen = &s->screens().show<PressureDropScreen>();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
    }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void opensEmptyWithTheCursorInTheChartPressure() {
        QCOMPARE(screen->windowTitle(), QStringLiteral("Pressure Drop - Metric"));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
            QCOMPARE(textOf(screen, name), QString());
        QCOMPARE(screen->focusWidget(), child(screen, "Text1"));
        auto* result = child<QLineEdit>(screen, "Text4");
        QVERIFY(!result->isEnabled());
        QCOMPARE(child<QLineEdit>(screen, "Text2")->toolTip(),
                 QStringLiteral("Enter Actual Nozzle Catch in l/min"));
        QCOMPARE(child<QLineEdit>(screen, "Text3")->toolTip(),
                 QStringLiteral("Enter Nozzle Chart Flow In l/min"));
        QCOMPARE(child<QLineEdit>(screen, "Text1")->toolTip(),
                 QStringLiteral("Enter Pressure From Nozzle Chart"));
    }

    void tabbingFollowsTheChartPressureFlowCatchOrder() {
        QWidget* w = child(screen, "Text1");
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled())
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"Text1", "Text3", "Text2", "Command1"}));
    }

    void results_data() {
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("catchFlow");
        QTest::addColumn<QString>("chartFlow");
        QTest::addColumn<QString>("result");
        QTest::newRow("worked_example") << "3"
                                        << "1.2"
                                        << "1.39"
                                        << "2.24";
        QTest::newRow("catch_one") << "3"
                                   << "1"
                                   << "1.2"
                                   << "2.08";
        QTest::newRow("equal_flows") << "3"
                                     << "1.2"
                                     << "1.2"
                                     << "3";
        QTest::newRow("zero_catch") << "3"
                                    << "0.0"
                                    << "1.2"
                                    << "0";
    }

    void results() {
        QFETCH(QString, pressure);
        QFETCH(QString, catchFlow);
        QFETCH(QString, chartFlow);
        QFETCH(QString, result);
        typeInto(screen, "Text1", pressure);
        typeInto(screen, "Text2", catchFlow);
        typeInto(screen, "Text3", chartFlow);
        pressCalculate();
        QVERIFY(s->platform.shown.isEmpty());
        QCOMPARE(textOf(screen, "Text4"), result);
    }

    void failures_data() {
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("catchFlow");
        QTest::addColumn<QString>("chartFlow");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all_empty") << ""
                                   << ""
                                   << ""
                                   << "Please Enter Nozzle Chart Pressure"
                                   << "Text1";
        QTest::newRow("catch_zero") << "3"
                                    << "0"
                                    << "1.2"
                                    << "Please Enter Actual Catch in l/min"
                                    << "Text2";
        QTest::newRow("flow_letters") << "3"
                                      << "1.2"
                                      << "abc"
                                      << "Please Enter Nozzle Chart Flow in l/min."
                                      << "Text3";
        QTest::newRow("flow_numerically_zero") << "3"
                                               << "1.2"
                                               << "0.0"
                                               << "Please Enter Nozzle Chart Flow in l/min."
                                               << "Text3";
        QTest::newRow("negative_pressure") << "-3"
                                           << "1.2"
                                           << "1.2"
                                           << "Please Enter Nozzle Chart Pressure"
                                           << "Text1";
    }

    // A failed check shows one message, moves the focus, and keeps the old result.
    void failures() {
        QFETCH(QString, pressure);
        QFETCH(QString, catchFlow);
        QFETCH(QString, chartFlow);
        QFETCH(QString, prompt);
        QFETCH(QString, focus);
        typeInto(screen, "Text1", "3");
        typeInto(screen, "Text2", "1.2");
        typeInto(screen, "Text3", "1.39");
        pressCalculate();
        QCOMPARE(textOf(screen, "Text4"), QStringLiteral("2.24"));

        typeInto(screen, "Text1", pressure);
        typeInto(screen, "Text2", catchFlow);
        typeInto(screen, "Text3", chartFlow);
        child(screen, "Command1")->setFocus();
        pressCalculate();
        QCOMPARE(s->platform.shown.size(), 1);
        QCOMPARE(s->platform.shown[0].text, prompt);
        QCOMPARE(s->platform.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(screen->focusWidget()->objectName(), focus);
        QCOMPARE(textOf(screen, "Text4"), QStringLiteral("2.24"));
        QCOMPARE(textOf(screen, "Text1"), pressure);
    }

    void closingStoresNothing() {
        typeInto(screen, "Text1", "3");
        const JobRecord before = s->record();
        closeWindow(screen);
        QVERIFY(!s->screens().find<PressureDropScreen>());
        QCOMPARE(s->record().infoCompany, before.infoCompany);
        QCOMPARE(s->record().rateFlow, before.rateFlow);
    }
};

QTEST_MAIN(PressDropTest)
#include "pressure_drop_screen_test.moc"
