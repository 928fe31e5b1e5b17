// Every screen at the system font and at larger ones: each visible caption,
// button and field has at least the room its text asks for, lies inside its
// window, and no two of them overlap. CTest runs this program a second time
// with QT_SCALE_FACTOR=2.
#include "every_screen.h"
#include "kit/logo.h"
#include "screens/catch_chart_view.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>

using namespace zelk;
using namespace zelk::test;

namespace {

QString describe(const QWidget* w) {
    QString name = w->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        name += QStringLiteral(" \"%1\"").arg(label->text().left(40));
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        name += QStringLiteral(" \"%1\"").arg(button->text());
    return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

QString size(const QSize& s) {
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// The room a control needs for what it shows; empty when it has no demand.
QString squeezed(QWidget* w) {
    const QSize have = w->size();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            return need > have.height() ? QStringLiteral("needs %1 px of height, has %2")
                                              .arg(need)
                                              .arg(have.height())
                                        : QString();
        }
        const QSize need = label->sizeHint();
        return need.width() > have.width() || need.height() > have.height()
                   ? QStringLiteral("needs %1, has %2").arg(size(need), size(have))
                   : QString();
    }
    // A toolbar button shows its picture only; the picture must fit.
    if (auto* tool = qobject_cast<QToolButton*>(w);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
        const QSize need = tool->iconSize();
        return need.width() > have.width() || need.height() > have.height()
                   ? QStringLiteral("its picture needs %1, has %2").arg(size(need), size(have))
                   : QString();
    }
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
        const QSize need = w->sizeHint();
        return need.width() > have.width() || need.height() > have.height()
                   ? QStringLiteral("needs %1, has %2").arg(size(need), size(have))
                   : QString();
    }
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        // A field may be narrower than it likes, but never lower than a line.
        const int height = field->sizeHint().height();
        const int width = field->minimumSizeHint().width();
        return height > have.height() || width > have.width()
                   ? QStringLiteral("needs %1x%2, has %3").arg(width).arg(height).arg(size(have))
                   : QString();
    }
    // A table shows every cell: nothing to scroll to.
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
        const int across = table->horizontalScrollBar()->maximum();
        const int down = table->verticalScrollBar()->maximum();
        return across > 0 || down > 0
                   ? QStringLiteral("hides %1 px across and %2 px down").arg(across).arg(down)
                   : QString();
    }
    const QSize need = w->minimumSizeHint();
    return need.isValid() && (need.width() > have.width() || need.height() > have.height())
               ? QStringLiteral("needs %1, has %2").arg(size(need), size(have))
               : QString();
}

bool isControl(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
           qobject_cast<QListWidget*>(w) || qobject_cast<QTableWidget*>(w) ||
           qobject_cast<CatchChartView*>(w) || qobject_cast<Logo*>(w);
}

// Every problem of the window's layout, one line each.
QStringList layoutProblems(QWidget* window) {
    QStringList problems;
    QList<QWidget*> controls;
    QList<QRect> places;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w) || !w->isVisibleTo(window))
            continue;
        // Parts of a control (the viewport of a list, a combo box's frame)
        // are the control's business.
        bool insideControl = false;
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            insideControl = insideControl || isControl(p);
        if (insideControl)
            continue;
        const QRect place(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(place))
            problems << describe(w) + QStringLiteral(" reaches outside the window");
        const QString squeeze = squeezed(w);
        if (!squeeze.isEmpty())
            problems << describe(w) + QStringLiteral(" is clipped: ") + squeeze;
        controls << w;
        places << place;
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (places[i].intersects(places[j]))
                problems << describe(controls[i]) + QStringLiteral(" overlaps ") +
                                describe(controls[j]);
    return problems;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Session> s;
    QFont systemFont;

private slots:
    void initTestCase() { systemFont = QApplication::font(); }

    void cleanup() {
        s.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::setFont(systemFont);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void nothingIsClippedOrOverlaps_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<qreal>("fontFactor");
        // 1.5 is what a font setting of 144 dpi gives, 2 that of 192 dpi.
        for (qreal factor : {1.0, 1.25, 1.5, 2.0})
            for (std::size_t i = 0; i < everyScreen().size(); ++i)
                QTest::addRow("%s_font_x%.1f", everyScreen()[i].name, factor) << int(i) << factor;
    }

    void nothingIsClippedOrOverlaps() {
        QFETCH(int, screen);
        QFETCH(qreal, fontFactor);
        QFont font = systemFont;
        font.setPointSizeF(systemFont.pointSizeF() * fontFactor);
        QApplication::setFont(font);

        s = std::make_unique<Session>();
        QWidget* window = everyScreen()[std::size_t(screen)].open(*s);
        QVERIFY2(window, "the screen did not open");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->font().pointSizeF(), font.pointSizeF());

        const QStringList problems = layoutProblems(window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n   "))));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
