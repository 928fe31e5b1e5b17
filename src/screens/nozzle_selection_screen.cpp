#include "screens/nozzle_selection_screen.h"

#include "core/nozzle_chart.h"
#include "core/nozzle_selection.h"
#include "kit/logo.h"
#include "kit/nozzle_swatch.h"

#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zelk {

namespace {

constexpr int kFieldWidth = 1455; // twips, every field
constexpr int kCaptionLeft = 480;
constexpr int kFieldLeft = 3480;
constexpr int kGap = 8; // pixels between a caption and its field
// Controls from here rightwards (Label4 is the leftmost) move with the fields.
constexpr int kRightOfCaptions = 3240;

QFrame* frameLine(QWidget* parent, const char* name, QRect geometry) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(geometry.height() == 1 ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setGeometry(geometry);
    return line;
}

QString Latin1(std::string_view text) {
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

enum ChartColumn { kColourColumn, kSizeColumn, kPressureColumn };

} // namespace

NozzleSelectionScreen::NozzleSelectionScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Nozzleoutput"));
    setWindowTitle(QStringLiteral("Nozzle Selection - Metric"));

    // Positions and widths in twips, grown for a large font.
    const double scale = ui::FontScale(font());
    const auto at = [scale](int twips) { return ui::px(twips, scale); };

    auto* logo = new Logo(this, 56);
    logo->move(at(240), at(180));

    auto* heading = makeHeading(QStringLiteral("Label5(2)"), QStringLiteral("Nozzle Selection"));
    heading->adjustSize();

    const auto rate = makeCaptionedEntry(
        QStringLiteral("Label1"), QStringLiteral("Enter Desired Application Rate in L/ha"),
        QStringLiteral("Text1"), QStringLiteral("Enter Application Rate"));
    const auto speed = makeCaptionedEntry(QStringLiteral("Label2"),
                                          QStringLiteral("Enter Application Speed in km/h"),
                                          QStringLiteral("Text2"), QStringLiteral("Enter km/h"));
    const auto spacing = makeCaptionedEntry(
        QStringLiteral("Label3"), QStringLiteral("Enter Nozzle Spacing in Centimeters."),
        QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Spacing in cm"));
    rateField_ = rate.field;
    speedField_ = speed.field;
    spacingField_ = spacing.field;
    bindInputs({{"rate", rateField_}, {"speed", speedField_}, {"spacing", spacingField_}});
    QLabel* const label1 = rate.caption;
    QLabel* const label2 = speed.caption;
    QLabel* const label3 = spacing.caption;

    // Everything right of the captions moves right as far as the longest
    // caption needs at the system font; at a small font nothing moves.
    int captionWidth = 0;
    for (QLabel* caption : {label1, label2, label3})
        captionWidth = std::max(captionWidth, caption->sizeHint().width());
    const int shift = std::max(0, at(kCaptionLeft) + captionWidth + kGap - at(kFieldLeft));
    const auto x = [shift, &at](int twips) {
        return at(twips) + (twips >= kRightOfCaptions ? shift : 0);
    };
    const auto place = [&x, &at](QWidget* widget, int left, int top, int width) {
        widget->setGeometry(x(left), at(top), at(width), widget->sizeHint().height());
    };
    // A caption centred on its field's height.
    const auto placeBeside = [&x](QLabel* label, int left, const QWidget* field) {
        label->adjustSize();
        label->move(x(left), field->y() + (field->height() - label->height()) / 2);
    };
    // Wrapped in its width, as tall as its lines need.
    const auto placeWrapped = [&x, &at](QLabel* label, int left, int top, int width) {
        label->setWordWrap(true);
        label->setGeometry(x(left), at(top), at(width), label->heightForWidth(at(width)));
    };

    place(rateField_, kFieldLeft, 1200, kFieldWidth);
    place(speedField_, kFieldLeft, 1920, kFieldWidth);
    place(spacingField_, kFieldLeft, 2640, kFieldWidth);
    placeBeside(label1, kCaptionLeft, rateField_);
    placeBeside(label2, kCaptionLeft, speedField_);
    placeBeside(label3, kCaptionLeft, spacingField_);

    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* resetButton = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    const int buttonWidth =
        std::max({at(1215), calculateButton->sizeHint().width(), resetButton->sizeHint().width()});
    calculateButton->setGeometry(at(480), at(3480), buttonWidth,
                                 calculateButton->sizeHint().height());
    resetButton->setGeometry(at(480), at(4080), buttonWidth, resetButton->sizeHint().height());

    const auto flow = makeCaptionedResult(
        QStringLiteral("Label4"), QStringLiteral("l/min. per Nozzle"), QStringLiteral("Text4(0)"));
    flowField_ = flow.field;
    place(flowField_, kFieldLeft, 3360, kFieldWidth);
    QLabel* const label4 = flow.caption;
    label4->adjustSize();
    label4->move(x(3240), at(3960));

    // The range column, framed by four lines.
    auto* rangeHeading = makeLabel(QStringLiteral("Label6(1)"), QStringLiteral("Acceptable Range"));
    placeWrapped(rangeHeading, 5760, 1560, 7680 - 5760);
    upperField_ = makeResult(QStringLiteral("Text4(1)"));
    place(upperField_, 5760, 2280, kFieldWidth);
    auto* plus = makeLabel(QStringLiteral("Label5(0)"), QStringLiteral("+"));
    lowerField_ = makeResult(QStringLiteral("Text4(2)"));
    place(lowerField_, 5760, 2880, kFieldWidth);
    auto* minus = makeLabel(QStringLiteral("Label5(1)"), QStringLiteral("-"));
    for (auto [mark, field] : {std::pair{plus, upperField_}, std::pair{minus, lowerField_}}) {
        QFont markFont = mark->font();
        markFont.setBold(true);
        mark->setFont(markFont);
        placeBeside(mark, 7320, field);
    }
    auto* note = makeLabel(QStringLiteral("Label6(0)"),
                           QStringLiteral("Refer to Nozzle Chart (Nozzle l/min Column)"));
    placeWrapped(note, 5760, 3480, 7680 - 5760);

    const int left = x(5640), top = at(1440), right = x(7800), bottom = at(4560);
    frameLine(this, "Line1", QRect(left, top, right - left + 1, 1));
    frameLine(this, "Line2", QRect(right, top, 1, bottom - top + 1));
    frameLine(this, "Line3", QRect(left, bottom, right - left + 1, 1));
    frameLine(this, "Line4", QRect(left, top, 1, bottom - top + 1));

    plus->setBuddy(upperField_);
    minus->setBuddy(lowerField_);
    upperField_->setAccessibleName(QStringLiteral("Acceptable Range +"));
    lowerField_->setAccessibleName(QStringLiteral("Acceptable Range -"));

    setTabOrder(rateField_, speedField_);
    setTabOrder(speedField_, spacingField_);
    setTabOrder(spacingField_, calculateButton);
    setTabOrder(calculateButton, resetButton);
    rateField_->setFocus();

    // The chart panel beside the range column, as tall as it needs.
    QGroupBox* panel = buildChartPanel();
    panel->adjustSize();
    panel->move(x(8040), at(1200));
    setTabOrder(resetButton, densityField_);
    setTabOrder(densityField_, lowestField_);
    setTabOrder(lowestField_, highestField_);
    setTabOrder(highestField_, chartTable_);

    const QSize client(std::max(x(8400), panel->geometry().right() + at(360)),
                       std::max(at(5160), panel->geometry().bottom() + at(360)));
    // The heading stays centred over the window, however far the columns moved.
    heading->move((client.width() - heading->width()) / 2, at(480));
    setMinimumSize(client);
    resize(client);

    connect(calculateButton, &QPushButton::clicked, this, &NozzleSelectionScreen::calculate);
    connect(resetButton, &QPushButton::clicked, this, &NozzleSelectionScreen::reset);
    for (QLineEdit* entry : {densityField_, lowestField_, highestField_})
        connect(entry, &QLineEdit::editingFinished, this, &NozzleSelectionScreen::updateChart);
    keepReturn({densityField_, lowestField_, highestField_});
}

NozzleSelectionScreen::~NozzleSelectionScreen() {
    // Closing the window takes the focus from an entry, whose editingFinished
    // would then reach a screen already half destroyed.
    for (QLineEdit* entry : {densityField_, lowestField_, highestField_})
        entry->disconnect(this);
}

QGroupBox* NozzleSelectionScreen::buildChartPanel() {
    auto* panel = new QGroupBox(QStringLiteral("Nozzle chart"), this);
    panel->setObjectName(QStringLiteral("nozzleChart"));

    const auto density = makeCaptionedEntry(
        QStringLiteral("densityCaption"), QStringLiteral("Liquid density (kg/L)"),
        QStringLiteral("densityEntry"), QStringLiteral("Water is 1.0"));
    const auto lowest = makeCaptionedEntry(QStringLiteral("lowestPressureCaption"),
                                           QStringLiteral("Lowest pressure (bar)"),
                                           QStringLiteral("lowestPressureEntry"));
    const auto highest = makeCaptionedEntry(QStringLiteral("highestPressureCaption"),
                                            QStringLiteral("Highest pressure (bar)"),
                                            QStringLiteral("highestPressureEntry"));
    densityField_ = density.field;
    lowestField_ = lowest.field;
    highestField_ = highest.field;
    bindInputs({{"density", densityField_},
                {"lowest pressure", lowestField_},
                {"highest pressure", highestField_}});
    densityField_->setText(QStringLiteral("1.0"));
    lowestField_->setText(QStringLiteral("1.5"));
    highestField_->setText(QStringLiteral("5.0"));

    auto* entries = new QFormLayout;
    entries->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (const Captioned& entry : {density, lowest, highest}) {
        entry.field->setFixedWidth(ui::px(1095, ui::FontScale(font())));
        entries->addRow(entry.caption, entry.field);
    }

    chartTable_ = new QTableWidget(int(kNozzleSizeCount), 3, this);
    chartTable_->setObjectName(QStringLiteral("chartTable"));
    chartTable_->setAccessibleName(QStringLiteral("Pressure for the flow, by nozzle size"));
    chartTable_->setHorizontalHeaderLabels(
        {QStringLiteral("Colour"), QStringLiteral("Size"), QStringLiteral("Pressure (bar)")});
    chartTable_->verticalHeader()->hide();
    chartTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chartTable_->setSelectionMode(QAbstractItemView::NoSelection);
    chartTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int swatch = fontMetrics().height() - 4;
    chartTable_->setIconSize(QSize(swatch, swatch));
    for (int row = 0; row < int(kNozzleSizeCount); ++row) {
        const NozzleSize& size = kNozzleSizes[std::size_t(row)];
        auto* colour =
            new QTableWidgetItem(ui::NozzleSwatch(std::size_t(row), swatch), Latin1(size.colour));
        auto* name = new QTableWidgetItem(Latin1(size.name));
        auto* pressure = new QTableWidgetItem;
        name->setTextAlignment(Qt::AlignCenter);
        pressure->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        chartTable_->setItem(row, kColourColumn, colour);
        chartTable_->setItem(row, kSizeColumn, name);
        chartTable_->setItem(row, kPressureColumn, pressure);
    }
    // Sized from the font rather than by measuring every cell: the widest
    // text of each column, bold as the recommended row shows it.
    QFont boldFont = chartTable_->font();
    boldFont.setBold(true);
    const QFontMetrics boldMetrics(boldFont);
    int widths[3] = {boldMetrics.horizontalAdvance(QStringLiteral("Colour")),
                     boldMetrics.horizontalAdvance(QStringLiteral("Size")),
                     boldMetrics.horizontalAdvance(QStringLiteral("Pressure (bar)"))};
    for (const NozzleSize& size : kNozzleSizes) {
        widths[kColourColumn] = std::max(
            widths[kColourColumn], swatch + 6 + boldMetrics.horizontalAdvance(Latin1(size.colour)));
        widths[kSizeColumn] =
            std::max(widths[kSizeColumn], boldMetrics.horizontalAdvance(Latin1(size.name)));
    }
    widths[kPressureColumn] = std::max(
        {widths[kPressureColumn], boldMetrics.horizontalAdvance(QStringLiteral("above range")),
         boldMetrics.horizontalAdvance(QStringLiteral("below range"))});
    QHeaderView* rows = chartTable_->verticalHeader();
    const int rowHeight = std::max(rows->minimumSectionSize(), boldMetrics.height() + 8);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowHeight);
    const int margins = 2 * chartTable_->frameWidth();
    int tableWidth = margins;
    for (int column = 0; column < 3; ++column) {
        chartTable_->setColumnWidth(column, widths[column] + 24);
        tableWidth += widths[column] + 24;
    }
    const int tableHeight = margins + chartTable_->horizontalHeader()->sizeHint().height() +
                            rowHeight * int(kNozzleSizeCount);
    chartTable_->setFixedSize(tableWidth, tableHeight);
    chartTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    recommendation_ = makeLabel(QStringLiteral("recommendation"), QString());
    recommendation_->setWordWrap(true);
    QFont bold = recommendation_->font();
    bold.setBold(true);
    recommendation_->setFont(bold);
    recommendation_->setFixedWidth(tableWidth);
    // Room for the longest line, wrapped, so nothing clips when it comes.
    recommendation_->setMinimumHeight(recommendation_->fontMetrics().lineSpacing() * 3 + 2);
    recommendation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(entries);
    layout->addSpacing(6);
    layout->addWidget(chartTable_);
    layout->addWidget(recommendation_);
    clearChart();
    return panel;
}

void NozzleSelectionScreen::clearChart() {
    for (int row = 0; row < int(kNozzleSizeCount); ++row) {
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem* item = chartTable_->item(row, column);
            item->setFont(chartTable_->font());
            item->setData(Qt::BackgroundRole, QVariant());
        }
        QTableWidgetItem* pressure = chartTable_->item(row, kPressureColumn);
        pressure->setText(QString());
        pressure->setToolTip(QString());
    }
    recommendation_->clear();
}

void NozzleSelectionScreen::updateChart() {
    const std::string flow = text(flowField_), density = text(densityField_),
                      lowest = text(lowestField_), highest = text(highestField_);
    const auto outcome = NozzleChartFor({flow, density, lowest, highest}, decimalSeparator());
    clearChart();
    applyOutcome(outcome, [this](const std::optional<NozzleChart>& chart) {
        if (!chart)
            return;
        for (int row = 0; row < int(kNozzleSizeCount); ++row) {
            const ChartRow& shown = chart->rows[std::size_t(row)];
            QTableWidgetItem* pressure = chartTable_->item(row, kPressureColumn);
            pressure->setText(QString::fromStdString(shown.pressure));
            // Out of range the pressure is still there to read, on hovering.
            if (shown.fit != ChartFit::Inside)
                pressure->setToolTip(QStringLiteral("%1 bar").arg(QString::fromStdString(
                    FormatTwoDecimals(shown.pressureBar, decimalSeparator()))));
        }
        if (chart->recommended) {
            const int row = int(*chart->recommended);
            QFont bold = chartTable_->font();
            bold.setBold(true);
            for (int column = 0; column < 3; ++column) {
                QTableWidgetItem* item = chartTable_->item(row, column);
                item->setFont(bold);
                item->setBackground(QColor::fromRgb(0xFFD9EFD3));
            }
        }
        recommendation_->setText(QString::fromStdString(chart->line));
    });
}

void NozzleSelectionScreen::Form_Load() {
    ClearNozzleSelection(services_.record);
}

void NozzleSelectionScreen::Form_Unload() {
    StoreNozzleSelection(services_.record,
                         {text(rateField_), text(speedField_), text(spacingField_),
                          text(flowField_), text(upperField_), text(lowerField_)});
}

void NozzleSelectionScreen::calculate() {
    const bool calculated =
        applyOutcome(NozzleSelection(text(rateField_), text(speedField_), text(spacingField_),
                                     decimalSeparator()),
                     [this](const NozzleFlows& flows) {
                         setText(flowField_, flows.flow);
                         // The range can still fail after the flow is shown.
                         applyOutcome(flows.range, [this](const NozzleRange& range) {
                             setText(lowerField_, range.lower);
                             setText(upperField_, range.upper);
                         });
                     });
    if (calculated)
        updateChart();
}

void NozzleSelectionScreen::reset() {
    for (QLineEdit* field :
         {rateField_, speedField_, spacingField_, flowField_, upperField_, lowerField_})
        field->clear();
    clearChart();
}

} // namespace zelk
