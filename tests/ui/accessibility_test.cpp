// What a screen reader hears: every entry and result field, on every screen,
// is named by the caption the operator sees beside it.
#include "every_screen.h"
#include "screens/catch_chart_view.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>

using namespace zelk;
using namespace zelk::test;

namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The caption a field is named by: the caption's text, the caption with a
// qualifier after it where two fields share one caption ("..., last tank"),
// or a short mark after the heading of its group ("Acceptable Range +").
bool namedBy(const QString& name, const QString& caption) {
    const QString c = caption.trimmed();
    return name == c || name.startsWith(c + QLatin1Char(' ')) ||
           name.startsWith(c + QLatin1Char(',')) || name.endsWith(QLatin1Char(' ') + c);
}

// A list box is named by its current item on this platform; its caption
// reaches the screen reader as the label it is labelled by.
bool labelledBy(QWidget* w, QLabel* caption) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface)
        return false;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        if (label->object() == caption)
            return true;
    return false;
}

bool isTextField(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<QTextEdit*>(w);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;

private slots:
    void init() { s = std::make_unique<Session>(); }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void everyFieldIsNamedByItsCaption_data() {
        QTest::addColumn<int>("screen");
        for (std::size_t i = 0; i < everyScreen().size(); ++i)
            QTest::addRow("%s", everyScreen()[i].name) << int(i);
    }

    void everyFieldIsNamedByItsCaption() {
        QFETCH(int, screen);
        QWidget* window = everyScreen()[std::size_t(screen)].open(*s);
        QVERIFY2(window, "the screen did not open");

        QHash<QWidget*, QLabel*> captionOf;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() && label->isVisibleTo(window))
                captionOf.insert(label->buddy(), label);

        int fields = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool control = isTextField(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QListWidget*>(w) || qobject_cast<QTableWidget*>(w) ||
                                 qobject_cast<CatchChartView*>(w);
            if (!control || !w->isVisibleTo(window))
                continue;
            ++fields;
            const QString name = accessibleName(w);
            const QByteArray what = w->objectName().toUtf8();
            QVERIFY2(!name.isEmpty(), what + " has no accessible name");
            // The design name is no caption: nobody hears "Text17(0)" as a prompt.
            QVERIFY2(name != w->objectName(), what + " is named by its object name only");
            if (QLabel* caption = captionOf.value(w))
                QVERIFY2(namedBy(name, caption->text()) ||
                             (qobject_cast<QComboBox*>(w) && labelledBy(w, caption)),
                         what + " is named \"" + name.toUtf8() + "\", its caption reads \"" +
                             caption->text().toUtf8() + "\"");
        }
        QVERIFY2(fields > 0, "no field found on the screen");
    }

    // The shape captions change with the shape; the names must follow them,
    // also when a shape is chosen after another one.
    void theAreaFieldsFollowTheChosenShape() {
        auto& area = s->screens().show<AreaScreen>();
        auto* shapes = child<QComboBox>(&area, "DropShape");
        QVERIFY(shapes);
        for (int shape : {5, 0, 3, 1}) {
            shapes->setCurrentIndex(shape);
            area.showShape();
            for (const char* n : {"1", "2", "3"}) {
                auto* field = child<QLineEdit>(&area, (QByteArray("txt") + n).constData());
                auto* caption = child<QLabel>(&area, (QByteArray("lbl") + n).constData());
                QVERIFY(field && caption);
                if (field->isVisibleTo(&area))
                    QCOMPARE(accessibleName(field), caption->text());
            }
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
