#include "screens/speed_screen.h"

#include "core/speed.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

SpeedScreen::SpeedScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("speedCalc"));
    setWindowTitle(QStringLiteral("Speed Calculator - Metric"));

    auto* heading =
        makeHeading(QStringLiteral("Label4"), QStringLiteral("Zelk Travel Speed Calculator"));
    const auto distance = makeCaptionedEntry(
        QStringLiteral("Label1"), QStringLiteral("Distance (In Meters)"), QStringLiteral("Text1"));
    const auto time = makeCaptionedEntry(
        QStringLiteral("Label2"), QStringLiteral("Time (In Seconds)"), QStringLiteral("Text2"));
    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    const auto speed = makeCaptionedResult(QStringLiteral("Label3"), QStringLiteral("km/h"),
                                           QStringLiteral("Text3"));
    distanceField_ = distance.field;
    timeField_ = time.field;
    speedField_ = speed.field;
    bindInputs({{"distance", distanceField_}, {"time", timeField_}});

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(distance.caption, 0, 0);
    grid->addWidget(distanceField_, 0, 1);
    grid->addWidget(time.caption, 1, 0);
    grid->addWidget(timeField_, 1, 1);
    grid->setRowMinimumHeight(2, 8);
    grid->addWidget(calculateButton, 3, 0, Qt::AlignRight);
    grid->addWidget(speedField_, 3, 1);
    grid->addWidget(speed.caption, 4, 1, Qt::AlignHCenter | Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    for (QLineEdit* field : {distanceField_, timeField_, speedField_})
        field->setMinimumWidth(ui::px(1695));

    makeScreenLayout(makeHeadingRow(heading), grid)->addStretch();

    setTabOrder(distanceField_, timeField_);
    setTabOrder(timeField_, calculateButton);
    distanceField_->setFocus();

    connect(calculateButton, &QPushButton::clicked, this, &SpeedScreen::calculate);

    resize(ui::px(8370), ui::px(4935));
}

void SpeedScreen::Form_Load() {
    ClearSpeedGroup(services_.record);
}

void SpeedScreen::Form_Unload() {
    StoreSpeedGroup(services_.record, text(distanceField_), text(timeField_), text(speedField_));
}

void SpeedScreen::calculate() {
    const bool done =
        applyOutcome(TravelSpeed(text(distanceField_), text(timeField_), decimalSeparator()),
                     [this](const std::string& kmh) { setText(speedField_, kmh); });
    if (done)
        emit speedCalculated(speedField_->text());
}

} // namespace zelk
