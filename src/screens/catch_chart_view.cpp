#include "screens/catch_chart_view.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

constexpr QRgb kInsideBar = 0xFF4A7FB5;
constexpr QRgb kOutsideBar = 0xFFFF0000; // the red of the Low and High marks
constexpr QRgb kBand = 0xFFD9EFD3;
constexpr QRgb kBandEdge = 0xFF5E9C50;
constexpr QRgb kWearMark = 0xFF9C4A00;

// A round step for the ml axis: 1, 2 or 5 times a power of ten.
double NiceStep(double range, int ticks) {
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10.0 * power;
}

QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

const char* WearText(Wear wear) {
    switch (wear) {
    case Wear::Worn:
        return "Worn";
    case Wear::Check:
        return "Check";
    case Wear::NotChecked:
    case Wear::Fine:
        break;
    }
    return "";
}

} // namespace

CatchChartView::CatchChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("catchChart"));
    setAccessibleName(QStringLiteral("Catch test chart"));
    setAccessibleDescription(Qs(ChartDescription(model_)));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CatchChartView::setModel(CatchChartModel model) {
    model_ = std::move(model);
    setAccessibleDescription(Qs(ChartDescription(model_)));
    update();
}

QColor CatchChartView::barColour(const CatchBar& bar) {
    return QColor::fromRgb(bar.low || bar.high ? kOutsideBar : kInsideBar);
}

QColor CatchChartView::bandColour() {
    return QColor::fromRgb(kBand);
}

QSize CatchChartView::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("8888 ml")) + 18 * fm.horizontalAdvance("-88 %") +
                24,
            fm.height() * 16};
}

QSize CatchChartView::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QStringLiteral("8888 ml")) + 18 * fm.horizontalAdvance("888") + 24,
            fm.height() * 13};
}

void CatchChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics fm(font());
    const int line = fm.height();
    const QColor text = palette().color(QPalette::Text);

    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (model_.bars.empty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter,
                         QStringLiteral("Press Calculate to draw the catch test."));
        return;
    }

    // The legend row, then the plot, then two rows for numbers and marks.
    const int axisWidth = fm.horizontalAdvance(QStringLiteral("8888 ml")) + 8;
    const QRect plot(axisWidth, line * 2 + 4, width() - axisWidth - 12,
                     height() - line * 4 - 8 - line / 2);
    if (plot.width() < 10 || plot.height() < 10)
        return;

    // The axis spans the bars and the band with some room, not from 0: the
    // differences between nozzles are what the chart is for, and each bar
    // carries its deviation in figures.
    const double bandLow = std::min(model_.minimum, model_.maximum);
    const double bandHigh = std::max(model_.minimum, model_.maximum);
    double lowest = bandLow, highest = bandHigh;
    for (const CatchBar& bar : model_.bars) {
        lowest = std::min(lowest, bar.millilitres);
        highest = std::max(highest, bar.millilitres);
    }
    const double span = std::max(highest - lowest, std::max(highest, 1.0) * 0.05);
    const double step = NiceStep(span * 1.5, 4);
    const double bottom = std::max(0.0, std::floor((lowest - span * 0.3) / step) * step);
    const double top = std::ceil((highest + span * 0.2) / step) * step;
    const auto y = [&plot, bottom, top](double ml) {
        const double share = std::clamp((ml - bottom) / (top - bottom), 0.0, 1.0);
        return plot.bottom() - static_cast<int>(std::lround(share * plot.height()));
    };

    // The legend.
    int x = plot.left();
    const int legendY = 4;
    const int swatch = line - 4;
    const auto legend = [&](const QColor& fill, const QString& caption, bool asLine = false) {
        if (asLine)
            painter.fillRect(QRect(x, legendY + line / 2 - 1, swatch, 2), fill);
        else
            painter.fillRect(QRect(x, legendY + 2, swatch, swatch), fill);
        painter.setPen(text);
        painter.drawText(QRect(x + swatch + 4, legendY, fm.horizontalAdvance(caption) + 2, line),
                         Qt::AlignVCenter, caption);
        x += swatch + 4 + fm.horizontalAdvance(caption) + 16;
    };
    legend(
        bandColour(),
        QStringLiteral("Allowed %1 to %2 ml").arg(Qs(model_.minimumText), Qs(model_.maximumText)));
    legend(text, QStringLiteral("Average %1 ml").arg(Qs(model_.averageText)), true);
    legend(QColor::fromRgb(kOutsideBar), QStringLiteral("Outside the band"));

    // The band, under everything else.
    const QRect band(QPoint(plot.left(), y(bandHigh)), QPoint(plot.right(), y(bandLow)));
    painter.fillRect(band, bandColour());
    painter.setPen(QPen(QColor::fromRgb(kBandEdge), 1, Qt::DashLine));
    painter.drawLine(band.topLeft(), band.topRight());
    painter.drawLine(band.bottomLeft(), band.bottomRight());

    // The ml axis: gridlines at round steps.
    painter.setPen(text);
    for (double ml = bottom; ml <= top + step / 2; ml += step) {
        const int at = y(ml);
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(plot.left(), at, plot.right(), at);
        painter.setPen(text);
        painter.drawText(QRect(0, at - line / 2, axisWidth - 6, line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 ml").arg(QString::number(ml, 'g', 6)));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    // The bars, with their deviation above and their number and mark below.
    const int slot = plot.width() / static_cast<int>(std::max<std::size_t>(model_.bars.size(), 18));
    const int barWidth = std::max(4, slot * 3 / 5);
    QFont small = font();
    int widest = 0;
    for (const CatchBar& bar : model_.bars)
        widest = std::max(widest, fm.horizontalAdvance(Qs(bar.deviation)));
    if (widest > slot - 2 && widest > 0)
        small.setPointSizeF(std::max(4.0, small.pointSizeF() * (slot - 2) / widest));
    const QFontMetrics smallMetrics(small);
    for (std::size_t i = 0; i < model_.bars.size(); ++i) {
        const CatchBar& bar = model_.bars[i];
        const int left = plot.left() + static_cast<int>(i) * slot;
        const int barTop = y(bar.millilitres);
        painter.fillRect(
            QRect(left + (slot - barWidth) / 2, barTop, barWidth, plot.bottom() - barTop),
            barColour(bar));
        painter.setFont(small);
        painter.setPen(text);
        // On a light patch, so the band's edges and the average line do not
        // run through the figures.
        const QString deviation = Qs(bar.deviation);
        const int labelWidth = smallMetrics.horizontalAdvance(deviation) + 2;
        const QRect label(left + (slot - labelWidth) / 2, barTop - smallMetrics.height() - 1,
                          labelWidth, smallMetrics.height());
        QColor patch = palette().color(QPalette::Base);
        patch.setAlpha(200);
        painter.fillRect(label, patch);
        painter.drawText(label, Qt::AlignCenter, deviation);
        painter.setFont(font());
        painter.drawText(QRect(left, plot.bottom() + 2, slot, line), Qt::AlignHCenter,
                         QString::number(bar.nozzle));
        if (const char* wear = WearText(bar.wear); *wear) {
            QFont bold = small;
            bold.setBold(true);
            painter.setFont(bold);
            painter.setPen(QColor::fromRgb(kWearMark));
            painter.drawText(
                QRect(left - slot / 4, plot.bottom() + 2 + line, slot + slot / 2, line),
                Qt::AlignHCenter, QString::fromLatin1(wear));
            painter.setFont(font());
        }
    }

    // The average over the bars, so it reads across all of them.
    painter.setPen(QPen(text, 2));
    painter.drawLine(plot.left(), y(model_.average), plot.right(), y(model_.average));
}

} // namespace zelk
