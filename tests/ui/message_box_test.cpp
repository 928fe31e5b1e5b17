// The Qt platform's message boxes: as wide as their title needs, and dialogs
// without minimise or maximise buttons.
#include "kit/platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace zelk;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsWholeTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ask");
        QTest::newRow("entry_error") << "Error"
                                     << "Enter Distance" << false;
        QTest::newRow("long_title_short_text") << "Program Information"
                                               << "x" << false;
        QTest::newRow("long_title_question") << "A Title Much Longer Than The Question Asked"
                                             << "Save?" << true;
    }

    void showsItsWholeTitle() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, ask);
        QtPlatform platform;
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY2(box, "no message box came up");
            QCOMPARE(box->windowTitle(), title);
            QFont bold = box->font();
            bold.setBold(true);
            const QFontMetrics metrics(bold);
            QVERIFY2(box->width() >= metrics.horizontalAdvance(title) + 2 * metrics.height(),
                     qPrintable(QStringLiteral("%1 px wide").arg(box->width())));
            const Qt::WindowFlags flags = box->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
            QVERIFY(flags & Qt::CustomizeWindowHint);
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            checked = true;
            box->reject();
        });
        if (ask)
            platform.askYesNoCancel(nullptr, text, title);
        else
            platform.message(nullptr, text, title, Platform::Icon::None);
        QVERIFY2(checked, "the box was not checked");
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
