#include "screens/catch_test_screen.h"

#include "core/nozzle_chart.h"
#include "kit/logo.h"
#include "kit/nozzle_swatch.h"
#include "kit/platform.h"
#include "screens/catch_chart_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

namespace {

constexpr int kRowsPerColumn = 9;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A red mark, bold so it reads at a glance, hidden until an evaluation shows it.
QLabel* makeMark(QWidget* spot, const QString& name, const QString& caption) {
    auto* mark = new QLabel(caption, spot);
    mark->setObjectName(name);
    // Palette and font rather than a style sheet: 36 styled labels made the
    // screen slow to open.
    QPalette palette = mark->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    mark->setPalette(palette);
    QFont font = mark->font();
    font.setBold(true);
    mark->setFont(font);
    mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mark->hide();
    return mark;
}

// The object name of nozzle k's field: Text1(0) to Text11(0) for nozzles 1
// to 11, Text12(0) to Text12(6) for nozzles 12 to 18.
QString NozzleFieldName(int nozzle) {
    if (nozzle <= 11)
        return QStringLiteral("Text%1(0)").arg(nozzle);
    return QStringLiteral("Text12(%1)").arg(nozzle - 12);
}

} // namespace

CatchTestScreen::CatchTestScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Nozzle"));
    setWindowTitle(QStringLiteral("Nozzle Uniformity Calculator - Metric"));

    // The three entries, each a caption with its hint under it.
    const auto variation =
        makeCaptionedEntry(QStringLiteral("Label2(1)"),
                           QStringLiteral("Enter Variation  Percentage"), QStringLiteral("Text16"));
    auto* variationHint =
        makeLabel(QStringLiteral("Label6(0)"), QStringLiteral("(Standard: 5 to 10 Percent)"));
    const auto catchTime = makeCaptionedEntry(QStringLiteral("Label3(0)"),
                                              QStringLiteral("Enter Catch Time In Seconds"),
                                              QStringLiteral("Text17(0)"));
    auto* timeHint =
        makeLabel(QStringLiteral("Label6(1)"), QStringLiteral("(Standard: 20 to 60 Seconds)"));
    const auto pressure =
        makeCaptionedEntry(QStringLiteral("Label3(1)"), QStringLiteral("Enter Pressure "),
                           QStringLiteral("Text17(1)"));
    auto* pressureHint =
        makeLabel(QStringLiteral("Label6(3)"), QStringLiteral("(From Nozzle Spec Sheet)"));

    const Captioned results[] = {
        makeCaptionedResult(QStringLiteral("Label2(0)"),
                            QStringLiteral("Average Output  (In Milliliters)"),
                            QStringLiteral("Text13")),
        makeCaptionedResult(QStringLiteral("Label4"), QStringLiteral("Minimum Allowable"),
                            QStringLiteral("Text14")),
        makeCaptionedResult(QStringLiteral("Label5"), QStringLiteral("Maximum Allowable"),
                            QStringLiteral("Text15")),
        makeCaptionedResult(QStringLiteral("Label8"), QStringLiteral("l/min Per Nozzle"),
                            QStringLiteral("Text18"))};
    variationField_ = variation.field;
    catchTimeField_ = catchTime.field;
    pressureField_ = pressure.field;
    averageField_ = results[0].field;
    minimumField_ = results[1].field;
    maximumField_ = results[2].field;
    flowField_ = results[3].field;
    bindInputs({{"variation", variationField_},
                {"catch time", catchTimeField_},
                {"pressure", pressureField_}});

    auto* gridHeading =
        makeLabel(QStringLiteral("Label7"),
                  QStringLiteral("Enter amount For Each Nozzle from Nozzle Catch Test "));
    QFont headingFont = gridHeading->font();
    headingFont.setBold(true);
    gridHeading->setFont(headingFont);
    auto* gridHint =
        makeLabel(QStringLiteral("Label6(2)"), QStringLiteral("(Milliliters Caught per Nozzle)"));

    auto* entriesGrid = new QGridLayout;
    entriesGrid->setHorizontalSpacing(12);
    entriesGrid->setVerticalSpacing(0);
    const std::pair<Captioned, QLabel*> entries[] = {
        {variation, variationHint}, {catchTime, timeHint}, {pressure, pressureHint}};
    for (int i = 0; i < 3; ++i) {
        const int row = i * 3;
        entriesGrid->addWidget(entries[i].first.caption, row, 0);
        entriesGrid->addWidget(entries[i].second, row + 1, 0);
        entriesGrid->addWidget(entries[i].first.field, row, 1, 2, 1, Qt::AlignVCenter);
        if (i < 2)
            entriesGrid->setRowMinimumHeight(row + 2, 10);
    }

    auto* resultsGrid = new QGridLayout;
    resultsGrid->setHorizontalSpacing(12);
    resultsGrid->setVerticalSpacing(8);
    for (int i = 0; i < 4; ++i) {
        resultsGrid->addWidget(results[i].caption, i, 0, Qt::AlignRight);
        resultsGrid->addWidget(results[i].field, i, 1);
    }

    for (QLineEdit* field : {variationField_, catchTimeField_, pressureField_, averageField_,
                             minimumField_, maximumField_, flowField_})
        field->setFixedWidth(ui::px(1215));

    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this), 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(entriesGrid);
    top->addStretch(1);
    top->addSpacing(24);
    top->addLayout(resultsGrid);

    // The nozzle grid: 1 to 9 on the left, 10 to 18 on the right. Each row is
    // caption, field and one spot on which both marks lie.
    auto* nozzleGrid = new QGridLayout;
    nozzleGrid->setHorizontalSpacing(8);
    nozzleGrid->setVerticalSpacing(4);
    for (int i = 0; i < kNozzleCount; ++i) {
        const int nozzle = i + 1;
        const auto entry = makeCaptionedEntry(
            indexed("Label1", i), QStringLiteral("Nozzle %1").arg(nozzle), NozzleFieldName(nozzle));
        nozzleFields_[i] = entry.field;
        bindInputs({{"nozzle " + std::to_string(nozzle), entry.field}});
        nozzleFields_[i]->setFixedWidth(ui::px(1095));

        auto* spot = new QWidget(this);
        auto* stack = new QGridLayout(spot);
        stack->setContentsMargins(0, 0, 0, 0);
        lowMarks_[i] = makeMark(spot, indexed("Low1", i), QStringLiteral("Low"));
        highMarks_[i] = makeMark(spot, indexed("High1", i), QStringLiteral("High"));
        stack->addWidget(lowMarks_[i], 0, 0);
        stack->addWidget(highMarks_[i], 0, 0);
        // Hidden marks take no room in a layout; the spot keeps it for them.
        spot->setMinimumSize(lowMarks_[i]->sizeHint().expandedTo(highMarks_[i]->sizeHint()));

        const int row = i % kRowsPerColumn;
        const int column = (i / kRowsPerColumn) * 4;
        nozzleGrid->addWidget(entry.caption, row, column);
        nozzleGrid->addWidget(nozzleFields_[i], row, column + 1);
        nozzleGrid->addWidget(spot, row, column + 2);
    }
    nozzleGrid->setColumnMinimumWidth(3, 40);
    nozzleGrid->setColumnStretch(7, 1);

    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* resetButton = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    // The chart under the nozzles; the wear check beside the two buttons,
    // where the focus goes after them.
    chart_ = new CatchChartView(this);
    wearSummary_ = makeLabel(QStringLiteral("wearSummary"), QString());
    wearSummary_->setWordWrap(true);
    auto* sizeCaption =
        makeLabel(QStringLiteral("nozzleSizeCaption"), QStringLiteral("Nozzle size"));
    sizeBox_ = new QComboBox(this);
    sizeBox_->setObjectName(QStringLiteral("nozzleSize"));
    sizeBox_->setAccessibleName(sizeCaption->text());
    sizeBox_->addItem(QStringLiteral("Not set"));
    const int swatch = sizeBox_->fontMetrics().height() - 2;
    for (std::size_t i = 0; i < kNozzleSizeCount; ++i)
        sizeBox_->addItem(
            ui::NozzleSwatch(i, swatch),
            QStringLiteral("%1 %2").arg(
                QLatin1String(kNozzleSizes[i].name.data(), kNozzleSizes[i].name.size()),
                QLatin1String(kNozzleSizes[i].colour.data(), kNozzleSizes[i].colour.size())));
    sizeCaption->setBuddy(sizeBox_);
    const auto wearLimit = makeCaptionedEntry(
        QStringLiteral("wearLimitCaption"), QStringLiteral("Wear limit (%)"),
        QStringLiteral("wearLimit"), QStringLiteral("How far a nozzle may flow from a new one"));
    wearLimitField_ = wearLimit.field;
    bindInputs({{"wear limit", wearLimitField_}});
    wearLimitField_->setText(QStringLiteral("10"));
    // Room for a few digits at any font size.
    wearLimitField_->setFixedWidth(
        wearLimitField_->minimumSizeHint().width() +
        wearLimitField_->fontMetrics().horizontalAdvance(QStringLiteral("00.0")));
    auto* copyButton = makeButton(QStringLiteral("copyChart"), QStringLiteral("Copy Chart"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculateButton);
    buttons->addSpacing(12);
    buttons->addWidget(resetButton);
    buttons->addStretch(1);
    buttons->addSpacing(24);
    buttons->addWidget(sizeCaption);
    buttons->addWidget(sizeBox_);
    buttons->addSpacing(12);
    buttons->addWidget(wearLimit.caption);
    buttons->addWidget(wearLimitField_);
    buttons->addSpacing(12);
    buttons->addWidget(copyButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(16);
    layout->addWidget(gridHeading);
    layout->addWidget(gridHint);
    layout->addSpacing(8);
    layout->addLayout(nozzleGrid);
    layout->addSpacing(12);
    layout->addWidget(chart_, 1);
    layout->addWidget(wearSummary_);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    QWidget* previous = variationField_;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(catchTimeField_);
    chain(pressureField_);
    for (QLineEdit* field : nozzleFields_)
        chain(field);
    chain(calculateButton);
    chain(resetButton);
    chain(sizeBox_);
    chain(wearLimitField_);
    chain(copyButton);
    variationField_->setFocus();

    connect(calculateButton, &QPushButton::clicked, this, &CatchTestScreen::calculate);
    connect(resetButton, &QPushButton::clicked, this, &CatchTestScreen::reset);
    connect(copyButton, &QPushButton::clicked, this, &CatchTestScreen::copyChart);
    connect(sizeBox_, &QComboBox::currentIndexChanged, this, &CatchTestScreen::drawChart);
    connect(wearLimitField_, &QLineEdit::editingFinished, this, &CatchTestScreen::drawChart);
    keepReturn({wearLimitField_});
}

CatchTestScreen::~CatchTestScreen() {
    // Closing the window takes the focus from the wear limit, whose
    // editingFinished would then reach a screen already half destroyed.
    wearLimitField_->disconnect(this);
    sizeBox_->disconnect(this);
}

void CatchTestScreen::Form_Load() {
    ClearNozzleGroup(services_.record);
}

void CatchTestScreen::Form_Unload() {
    StoreNozzleGroup(services_.record, entries(), summary(), decimalSeparator());
}

CatchEntries CatchTestScreen::entries() const {
    CatchEntries entries{text(variationField_), text(catchTimeField_), text(pressureField_), {}};
    for (int i = 0; i < kNozzleCount; ++i)
        entries.nozzles[i] = text(nozzleFields_[i]);
    return entries;
}

CatchSummary CatchTestScreen::summary() const {
    return CatchSummary{text(averageField_), text(minimumField_), text(maximumField_),
                        text(flowField_)};
}

void CatchTestScreen::showNozzleTexts(const NozzleTexts& texts) {
    for (int i = 0; i < kNozzleCount; ++i)
        setText(nozzleFields_[i], texts[i]);
}

void CatchTestScreen::calculate() {
    const CatchOutcome outcome = EvaluateCatchTest(entries(), decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        showEntryError(*error);
        return;
    }
    if (const auto* noCatch = std::get_if<NoCatch>(&outcome)) {
        showNozzleTexts(noCatch->nozzles);
        services_.platform.message(this, QString::fromStdString(noCatch->prompt),
                                   QString::fromStdString(noCatch->title));
        return;
    }
    const auto& results = std::get<CatchResults>(outcome);
    showNozzleTexts(results.nozzles);
    setText(averageField_, results.summary.average);
    setText(flowField_, results.summary.flow);
    emit flowCalculated(flowField_->text());
    setText(minimumField_, results.summary.minimum);
    setText(maximumField_, results.summary.maximum);
    for (int i = 0; i < kNozzleCount; ++i) {
        lowMarks_[i]->setVisible(results.low[i]);
        highMarks_[i]->setVisible(results.high[i]);
    }
    drawn_ = results;
    drawnCatchTime_ = text(catchTimeField_);
    drawnPressure_ = text(pressureField_);
    drawChart();
}

void CatchTestScreen::drawChart() {
    if (!drawn_) {
        chart_->setModel({});
        wearSummary_->clear();
        return;
    }
    const std::string limit = text(wearLimitField_);
    std::optional<WearEntries> wear;
    if (sizeBox_->currentIndex() > 0)
        wear = WearEntries{std::size_t(sizeBox_->currentIndex() - 1), limit, drawnCatchTime_,
                           drawnPressure_};
    Outcome<CatchChartModel> outcome = ChartOfCatchTest(*drawn_, wear, decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        const EntryError shown = *error;
        outcome = ChartOfCatchTest(*drawn_, std::nullopt, decimalSeparator());
        chart_->setModel(std::get<CatchChartModel>(std::move(outcome)));
        wearSummary_->clear();
        showEntryError(shown);
        return;
    }
    auto& model = std::get<CatchChartModel>(outcome);
    wearSummary_->setText(QString::fromStdString(WearSummary(model)));
    chart_->setModel(std::move(model));
}

void CatchTestScreen::copyChart() {
    if (chart_->model().bars.empty()) {
        services_.platform.message(this,
                                   QStringLiteral("Press Calculate first: the chart is empty."),
                                   QStringLiteral("Copy Chart"));
        return;
    }
    services_.platform.setClipboardImage(chart_->grab().toImage());
}

void CatchTestScreen::reset() {
    for (QLineEdit* field : nozzleFields_)
        field->clear();
    for (QLineEdit* field : {averageField_, minimumField_, maximumField_, variationField_,
                             catchTimeField_, pressureField_, flowField_})
        field->clear();
    for (QLabel* mark : highMarks_)
        mark->hide();
    for (QLabel* mark : lowMarks_)
        mark->hide();
    drawn_.reset();
    drawChart();
    variationField_->setFocus();
}

} // namespace zelk
