#include "screens/rate_screen.h"

#include "core/rate.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

RateScreen::RateScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Rate"));
    setWindowTitle(QStringLiteral("Calibration Rate - Metric"));

    auto* heading = makeHeading(QStringLiteral("Label1"), QStringLiteral("Calibration Rate "));
    const auto flow = makeCaptionedEntry(QStringLiteral("Label2"),
                                         QStringLiteral("l/min (From Nozzle Uniformity Screen)"),
                                         QStringLiteral("Text1"), QStringLiteral("Enter l/min"));
    const auto speed =
        makeCaptionedEntry(QStringLiteral("Label3"), QStringLiteral("km/h (From Speed Calculator)"),
                           QStringLiteral("Text2"), QStringLiteral("Enter km/h"));
    const auto spacing = makeCaptionedEntry(
        QStringLiteral("Label4"), QStringLiteral("Nozzle Spacing (In Centimeters)"),
        QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Spacing"));
    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    const auto rate = makeCaptionedResult(QStringLiteral("Label5"), QStringLiteral("L/ha"),
                                          QStringLiteral("Text4"));
    flowField_ = flow.field;
    speedField_ = speed.field;
    spacingField_ = spacing.field;
    rateField_ = rate.field;
    bindInputs({{"flow", flowField_}, {"speed", speedField_}, {"spacing", spacingField_}});

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const Captioned& entry : {flow, speed, spacing}) {
        grid->addWidget(entry.caption, row, 0);
        grid->addWidget(entry.field, row, 1);
        ++row;
    }
    grid->setRowMinimumHeight(3, 8);
    grid->addWidget(calculateButton, 4, 0, Qt::AlignRight);
    grid->addWidget(rateField_, 4, 1);
    grid->addWidget(rate.caption, 5, 1, Qt::AlignHCenter | Qt::AlignTop);
    for (QLineEdit* field : {flowField_, speedField_, spacingField_, rateField_})
        field->setMinimumWidth(ui::px(1695));

    makeScreenLayout(makeHeadingRow(heading), grid)->addStretch();

    setTabOrder(spacingField_, calculateButton);
    setTabOrder(calculateButton, flowField_);
    setTabOrder(flowField_, speedField_);
    spacingField_->setFocus();

    connect(calculateButton, &QPushButton::clicked, this, &RateScreen::calculate);
}

void RateScreen::Form_Load() {
    ClearRateGroup(services_.record);
}

void RateScreen::Form_Unload() {
    StoreRateGroup(services_.record, text(flowField_), text(speedField_), text(spacingField_));
}

void RateScreen::receiveFlow(const QString& litersPerMinute) {
    flowField_->setText(litersPerMinute);
    refresh();
}

void RateScreen::receiveSpeed(const QString& kmh) {
    speedField_->setText(kmh);
    refresh();
}

Outcome<std::string> RateScreen::rate() const {
    return CalibrationRate(text(flowField_), text(speedField_), text(spacingField_),
                           decimalSeparator());
}

void RateScreen::calculate() {
    applyOutcome(rate(), [this](const std::string& rate) { setText(rateField_, rate); });
}

// A rate shown beside figures it was not computed from would be misread: a
// hand-off recalculates without a word, or empties the rate.
void RateScreen::refresh() {
    const auto outcome = rate();
    if (const auto* value = std::get_if<std::string>(&outcome))
        setText(rateField_, *value);
    else
        rateField_->clear();
}

} // namespace zelk
