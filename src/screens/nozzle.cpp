#include "screens/nozzle.h"

#include "app/logo.h"
#include "app/platform.h"
#include "screens/rate.h"

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

} // namespace

Nozzle::Nozzle(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Nozzle"));
    setWindowTitle(QStringLiteral("Nozzle Uniformity Calculator - Metric"));

    // The three entries, each a caption with its hint under it.
    auto* variationCaption =
        makeLabel(QStringLiteral("Label2(1)"), QStringLiteral("Enter Variation  Percentage"));
    auto* variationHint =
        makeLabel(QStringLiteral("Label6(0)"), QStringLiteral("(Standard: 5 to 10 Percent)"));
    Text16_ = makeEntry(QStringLiteral("Text16"));
    auto* timeCaption =
        makeLabel(QStringLiteral("Label3(0)"), QStringLiteral("Enter Catch Time In Seconds"));
    auto* timeHint =
        makeLabel(QStringLiteral("Label6(1)"), QStringLiteral("(Standard: 20 to 60 Seconds)"));
    Text17_[0] = makeEntry(QStringLiteral("Text17(0)"));
    auto* pressureCaption =
        makeLabel(QStringLiteral("Label3(1)"), QStringLiteral("Enter Pressure "));
    auto* pressureHint =
        makeLabel(QStringLiteral("Label6(3)"), QStringLiteral("(From Nozzle Spec Sheet)"));
    Text17_[1] = makeEntry(QStringLiteral("Text17(1)"));

    // The four results.
    auto* averageCaption =
        makeLabel(QStringLiteral("Label2(0)"), QStringLiteral("Average Output  (In Milliliters)"));
    Text13_ = makeResult(QStringLiteral("Text13"));
    auto* minimumCaption = makeLabel(QStringLiteral("Label4"), QStringLiteral("Minimum Allowable"));
    Text14_ = makeResult(QStringLiteral("Text14"));
    auto* maximumCaption = makeLabel(QStringLiteral("Label5"), QStringLiteral("Maximum Allowable"));
    Text15_ = makeResult(QStringLiteral("Text15"));
    auto* flowCaption = makeLabel(QStringLiteral("Label8"), QStringLiteral("l/min Per Nozzle"));
    Text18_ = makeResult(QStringLiteral("Text18"));

    const std::pair<QLabel*, QLineEdit*> captioned[] = {
        {variationCaption, Text16_}, {timeCaption, Text17_[0]}, {pressureCaption, Text17_[1]},
        {averageCaption, Text13_},   {minimumCaption, Text14_}, {maximumCaption, Text15_},
        {flowCaption, Text18_}};
    for (const auto& [caption, field] : captioned) {
        caption->setBuddy(field);
        field->setAccessibleName(caption->text());
    }

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
    const std::pair<QLabel*, QLabel*> entryCaptions[] = {{variationCaption, variationHint},
                                                         {timeCaption, timeHint},
                                                         {pressureCaption, pressureHint}};
    QLineEdit* const entryFields[] = {Text16_, Text17_[0], Text17_[1]};
    for (int i = 0; i < 3; ++i) {
        const int row = i * 3;
        entriesGrid->addWidget(entryCaptions[i].first, row, 0);
        entriesGrid->addWidget(entryCaptions[i].second, row + 1, 0);
        entriesGrid->addWidget(entryFields[i], row, 1, 2, 1, Qt::AlignVCenter);
        if (i < 2)
            entriesGrid->setRowMinimumHeight(row + 2, 10);
    }

    auto* resultsGrid = new QGridLayout;
    resultsGrid->setHorizontalSpacing(12);
    resultsGrid->setVerticalSpacing(8);
    const std::pair<QLabel*, QLineEdit*> results[] = {{averageCaption, Text13_},
                                                      {minimumCaption, Text14_},
                                                      {maximumCaption, Text15_},
                                                      {flowCaption, Text18_}};
    for (int i = 0; i < 4; ++i) {
        resultsGrid->addWidget(results[i].first, i, 0, Qt::AlignRight);
        resultsGrid->addWidget(results[i].second, i, 1);
    }

    for (QLineEdit* field : {Text16_, Text17_[0], Text17_[1], Text13_, Text14_, Text15_, Text18_})
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
        Label1_[i] = makeLabel(indexed("Label1", i), QStringLiteral("Nozzle %1").arg(nozzle));
        nozzleFields_[i] = makeEntry(QString::fromStdString(NozzleFieldName(nozzle)));
        nozzleFields_[i]->setFixedWidth(ui::px(1095));
        Label1_[i]->setBuddy(nozzleFields_[i]);
        nozzleFields_[i]->setAccessibleName(Label1_[i]->text());

        auto* spot = new QWidget(this);
        auto* stack = new QGridLayout(spot);
        stack->setContentsMargins(0, 0, 0, 0);
        Low1_[i] = makeMark(spot, indexed("Low1", i), QStringLiteral("Low"));
        High1_[i] = makeMark(spot, indexed("High1", i), QStringLiteral("High"));
        stack->addWidget(Low1_[i], 0, 0);
        stack->addWidget(High1_[i], 0, 0);
        // Hidden marks take no room in a layout; the spot keeps it for them.
        spot->setMinimumSize(Low1_[i]->sizeHint().expandedTo(High1_[i]->sizeHint()));

        const int row = i % kRowsPerColumn;
        const int column = (i / kRowsPerColumn) * 4;
        nozzleGrid->addWidget(Label1_[i], row, column);
        nozzleGrid->addWidget(nozzleFields_[i], row, column + 1);
        nozzleGrid->addWidget(spot, row, column + 2);
    }
    nozzleGrid->setColumnMinimumWidth(3, 40);
    nozzleGrid->setColumnStretch(7, 1);

    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* reset = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate);
    buttons->addSpacing(12);
    buttons->addWidget(reset);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(16);
    layout->addWidget(gridHeading);
    layout->addWidget(gridHint);
    layout->addSpacing(8);
    layout->addLayout(nozzleGrid);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch(1);

    QWidget* previous = Text16_;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(Text17_[0]);
    chain(Text17_[1]);
    for (QLineEdit* field : nozzleFields_)
        chain(field);
    chain(calculate);
    chain(reset);
    Text16_->setFocus();

    connect(calculate, &QPushButton::clicked, this, &Nozzle::Command1_Click);
    connect(reset, &QPushButton::clicked, this, &Nozzle::Command2_Click);
}

void Nozzle::Form_Load() {
    ClearNozzleGroup(services_.record);
}

void Nozzle::Form_Unload() {
    StoreNozzleGroup(services_.record, entries(), summary(), decimalSeparator());
}

CatchEntries Nozzle::entries() const {
    CatchEntries entries{text(Text16_), text(Text17_[0]), text(Text17_[1]), {}};
    for (int i = 0; i < kNozzleCount; ++i)
        entries.nozzles[i] = text(nozzleFields_[i]);
    return entries;
}

CatchSummary Nozzle::summary() const {
    return CatchSummary{text(Text13_), text(Text14_), text(Text15_), text(Text18_)};
}

void Nozzle::showNozzleTexts(const NozzleTexts& texts) {
    for (int i = 0; i < kNozzleCount; ++i)
        setText(nozzleFields_[i], texts[i]);
}

void Nozzle::Command1_Click() {
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
    setText(Text13_, results.summary.average);
    setText(Text18_, results.summary.flow);
    // The rate screen is created hidden when it does not exist (its load
    // empties its group before the flow arrives).
    services_.screens.get<Rate>().setText1(Text18_->text());
    setText(Text14_, results.summary.minimum);
    setText(Text15_, results.summary.maximum);
    for (int i = 0; i < kNozzleCount; ++i) {
        Low1_[i]->setVisible(results.low[i]);
        High1_[i]->setVisible(results.high[i]);
    }
}

void Nozzle::Command2_Click() {
    for (QLineEdit* field : nozzleFields_)
        field->clear();
    for (QLineEdit* field : {Text13_, Text14_, Text15_, Text16_, Text17_[0], Text17_[1], Text18_})
        field->clear();
    for (QLabel* mark : High1_)
        mark->hide();
    for (QLabel* mark : Low1_)
        mark->hide();
    Text16_->setFocus();
}

} // namespace zelk
