#include "screens/tank_mix_screen.h"

#include "core/tank_mix.h"
#include "kit/logo.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

namespace {

QFrame* makeLine(QWidget* parent, const QString& name, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    // One pixel thick, so the lines meet at the corners of the box.
    if (shape == QFrame::HLine)
        line->setFixedHeight(1);
    else
        line->setFixedWidth(1);
    return line;
}

} // namespace

TankMixScreen::TankMixScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Calibrate"));
    setWindowTitle(QStringLiteral("Sprayer Calibration Tank Mix - Metric"));

    auto* title =
        makeHeading(QStringLiteral("Label6"), QStringLiteral("Zelk Sprayer Calibration Tool"));
    auto* subtitle = makeLabel(QStringLiteral("Label8"), QStringLiteral("(Tank Mixing)"));
    QFont subtitleFont = subtitle->font();
    subtitleFont.setBold(true);
    subtitle->setFont(subtitleFont);

    const auto productRate =
        makeCaptionedEntry(QStringLiteral("Label1"),
                           QStringLiteral("Product Label Rate - m/ha Millileters per hectare. "
                                          "Manufacturers recommended Rate."),
                           QStringLiteral("Text1"), QStringLiteral("Enter Product Rate in m/ha"));
    const auto sprayerRate =
        makeCaptionedEntry(QStringLiteral("Label2"),
                           QStringLiteral("Sprayer Calibration Rate -l/ha  Liters per hectare, "
                                          "Per Manufacturers Recomendation."),
                           QStringLiteral("Text2"), QStringLiteral("Enter Actual Sprayer Output"));
    const auto area = makeCaptionedEntry(QStringLiteral("Label4(1)"),
                                         QStringLiteral("Area to be sprayed (in Hectares)"),
                                         QStringLiteral("Text8"));

    const auto mlPerLiter = makeCaptionedResult(
        QStringLiteral("Label3"), QStringLiteral("Milliliters of Product per Liter of Water"),
        QStringLiteral("Text3"));
    auto* unit3 = makeLabel(QStringLiteral("Label7(3)"), QStringLiteral("(Millileters)"));
    const auto water = makeCaptionedResult(
        QStringLiteral("Label5(0)"), QStringLiteral("Total Water required for Area to be sprayed"),
        QStringLiteral("Text5"));
    auto* unit2 = makeLabel(QStringLiteral("Label7(2)"), QStringLiteral("(Liters)"));
    const auto productMl = makeCaptionedResult(
        QStringLiteral("Label5(1)"),
        QStringLiteral("Total Product required for Area to be sprayed "), QStringLiteral("Text6"));
    auto* unit1 = makeLabel(QStringLiteral("Label7(1)"), QStringLiteral("(Millileters)"));
    productLitersField_ = makeResult(QStringLiteral("Text7"));
    auto* unit0 = makeLabel(QStringLiteral("Label7(0)"), QStringLiteral("(Liters)"));
    productRateField_ = productRate.field;
    sprayerRateField_ = sprayerRate.field;
    areaField_ = area.field;
    mlPerLiterField_ = mlPerLiter.field;
    waterField_ = water.field;
    productMlField_ = productMl.field;
    bindInputs({{"product rate", productRateField_},
                {"sprayer rate", sprayerRateField_},
                {"area", areaField_}});

    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* resetButton = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    auto* multipleButton =
        makeButton(QStringLiteral("Command4"), QStringLiteral("Multiple Tank Mix"));

    // Two result rows share one caption; the unit tells them apart.
    auto captionWithUnit = [](const QLabel* caption, const QLabel* unit) {
        return caption->text().trimmed() + QLatin1Char(' ') + unit->text();
    };
    mlPerLiterField_->setAccessibleName(captionWithUnit(mlPerLiter.caption, unit3));
    waterField_->setAccessibleName(captionWithUnit(water.caption, unit2));
    productMlField_->setAccessibleName(captionWithUnit(productMl.caption, unit1));
    productLitersField_->setAccessibleName(captionWithUnit(productMl.caption, unit0));

    auto* heading = new QVBoxLayout;
    heading->addWidget(title, 0, Qt::AlignHCenter);
    heading->addWidget(subtitle, 0, Qt::AlignHCenter);
    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this));
    top->addLayout(heading, 1);

    // Columns: left line, caption, field, unit, right line. The entry rows
    // share the caption and field columns with the boxed result rows.
    enum { LeftLine, Caption, Field, Unit, RightLine, Columns };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(productRate.caption, 0, Caption);
    grid->addWidget(productRateField_, 0, Field);
    grid->addWidget(sprayerRate.caption, 1, Caption);
    grid->addWidget(sprayerRateField_, 1, Field);
    grid->addWidget(area.caption, 2, Caption);
    grid->addWidget(areaField_, 2, Field);
    grid->setRowMinimumHeight(3, 6);

    grid->addWidget(makeLine(this, QStringLiteral("Line1(0)"), QFrame::HLine), 4, LeftLine, 1,
                    Columns);
    grid->addWidget(makeLine(this, QStringLiteral("Line2(0)"), QFrame::VLine), 4, LeftLine, 6, 1);
    grid->addWidget(makeLine(this, QStringLiteral("Line2(1)"), QFrame::VLine), 4, RightLine, 6, 1);
    grid->addWidget(makeLine(this, QStringLiteral("Line1(1)"), QFrame::HLine), 9, LeftLine, 1,
                    Columns);
    grid->addWidget(mlPerLiter.caption, 5, Caption);
    grid->addWidget(mlPerLiterField_, 5, Field);
    grid->addWidget(unit3, 5, Unit);
    grid->addWidget(water.caption, 6, Caption);
    grid->addWidget(waterField_, 6, Field);
    grid->addWidget(unit2, 6, Unit);
    grid->addWidget(productMl.caption, 7, Caption);
    grid->addWidget(productMlField_, 7, Field);
    grid->addWidget(unit1, 7, Unit);
    grid->addWidget(productLitersField_, 8, Field);
    grid->addWidget(unit0, 8, Unit);
    for (QLineEdit* field : {productRateField_, sprayerRateField_, areaField_, mlPerLiterField_,
                             waterField_, productMlField_, productLitersField_})
        field->setMinimumWidth(ui::px(1500));

    auto* buttons = makeCentredRow({calculateButton, resetButton, multipleButton});
    buttons->setSpacing(16);

    auto* layout = makeScreenLayout(top, grid);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch();

    setTabOrder(productRateField_, sprayerRateField_);
    setTabOrder(sprayerRateField_, areaField_);
    setTabOrder(areaField_, calculateButton);
    setTabOrder(calculateButton, resetButton);
    setTabOrder(resetButton, multipleButton);
    productRateField_->setFocus();

    connect(calculateButton, &QPushButton::clicked, this, &TankMixScreen::calculate);
    connect(resetButton, &QPushButton::clicked, this, &TankMixScreen::reset);
    connect(multipleButton, &QPushButton::clicked, this, &TankMixScreen::openMultipleTank);
}

void TankMixScreen::Form_Load() {
    ClearTankMix(services_.record);
}

void TankMixScreen::Form_Unload() {
    StoreTankMix({text(productRateField_), text(sprayerRateField_), text(areaField_),
                  text(mlPerLiterField_), text(waterField_), text(productMlField_),
                  text(productLitersField_)},
                 services_.record);
}

void TankMixScreen::calculate() {
    applyOutcome(TankMix(text(productRateField_), text(sprayerRateField_), text(areaField_),
                         decimalSeparator()),
                 [this](const TankMixResults& results) {
                     setText(mlPerLiterField_, results.mlPerLiter);
                     setText(waterField_, results.water);
                     setText(productMlField_, results.productMl);
                     setText(productLitersField_, results.productLiters);
                 });
}

void TankMixScreen::reset() {
    for (QLineEdit* field : {productRateField_, sprayerRateField_, mlPerLiterField_, waterField_,
                             productMlField_, productLitersField_, areaField_})
        field->clear();
}

// A multiple tank screen that is not open yet is created by the hand-off,
// its load running before the values arrive; an open one keeps its other
// fields.
void TankMixScreen::openMultipleTank() {
    emit multipleTankRequested(waterField_->text(), mlPerLiterField_->text());
}

} // namespace zelk
