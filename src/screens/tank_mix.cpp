#include "screens/tank_mix.h"

#include "app/logo.h"
#include "calc/tank_mix.h"
#include "screens/multtank.h"

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

Calibrate::Calibrate(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Calibrate"));
    setWindowTitle(QStringLiteral("Sprayer Calibration Tank Mix - Metric"));

    auto* title =
        makeLabel(QStringLiteral("Label6"), QStringLiteral("Zelk Sprayer Calibration Tool"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    auto* subtitle = makeLabel(QStringLiteral("Label8"), QStringLiteral("(Tank Mixing)"));
    QFont subtitleFont = subtitle->font();
    subtitleFont.setBold(true);
    subtitle->setFont(subtitleFont);

    auto* label1 = makeLabel(QStringLiteral("Label1"),
                             QStringLiteral("Product Label Rate - m/ha Millileters per hectare. "
                                            "Manufacturers recommended Rate."));
    Text1_ = makeEntry(QStringLiteral("Text1"), QStringLiteral("Enter Product Rate in m/ha"));
    auto* label2 = makeLabel(QStringLiteral("Label2"),
                             QStringLiteral("Sprayer Calibration Rate -l/ha  Liters per hectare, "
                                            "Per Manufacturers Recomendation."));
    Text2_ = makeEntry(QStringLiteral("Text2"), QStringLiteral("Enter Actual Sprayer Output"));
    auto* label4 =
        makeLabel(QStringLiteral("Label4(1)"), QStringLiteral("Area to be sprayed (in Hectares)"));
    Text8_ = makeEntry(QStringLiteral("Text8"));

    auto* label3 = makeLabel(QStringLiteral("Label3"),
                             QStringLiteral("Milliliters of Product per Liter of Water"));
    Text3_ = makeResult(QStringLiteral("Text3"));
    auto* unit3 = makeLabel(QStringLiteral("Label7(3)"), QStringLiteral("(Millileters)"));
    auto* label5_0 = makeLabel(QStringLiteral("Label5(0)"),
                               QStringLiteral("Total Water required for Area to be sprayed"));
    Text5_ = makeResult(QStringLiteral("Text5"));
    auto* unit2 = makeLabel(QStringLiteral("Label7(2)"), QStringLiteral("(Liters)"));
    auto* label5_1 = makeLabel(QStringLiteral("Label5(1)"),
                               QStringLiteral("Total Product required for Area to be sprayed "));
    Text6_ = makeResult(QStringLiteral("Text6"));
    auto* unit1 = makeLabel(QStringLiteral("Label7(1)"), QStringLiteral("(Millileters)"));
    Text7_ = makeResult(QStringLiteral("Text7"));
    auto* unit0 = makeLabel(QStringLiteral("Label7(0)"), QStringLiteral("(Liters)"));

    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    auto* reset = makeButton(QStringLiteral("Command2"), QStringLiteral("Reset"));
    auto* multiple = makeButton(QStringLiteral("Command4"), QStringLiteral("Multiple Tank Mix"));

    label1->setBuddy(Text1_);
    label2->setBuddy(Text2_);
    label4->setBuddy(Text8_);
    label3->setBuddy(Text3_);
    label5_0->setBuddy(Text5_);
    label5_1->setBuddy(Text6_);
    Text1_->setAccessibleName(label1->text());
    Text2_->setAccessibleName(label2->text());
    Text8_->setAccessibleName(label4->text());
    // Two result rows share one caption; the unit tells them apart.
    auto captionWithUnit = [](const QLabel* caption, const QLabel* unit) {
        return caption->text().trimmed() + QLatin1Char(' ') + unit->text();
    };
    Text3_->setAccessibleName(captionWithUnit(label3, unit3));
    Text5_->setAccessibleName(captionWithUnit(label5_0, unit2));
    Text6_->setAccessibleName(captionWithUnit(label5_1, unit1));
    Text7_->setAccessibleName(captionWithUnit(label5_1, unit0));

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
    grid->addWidget(label1, 0, Caption);
    grid->addWidget(Text1_, 0, Field);
    grid->addWidget(label2, 1, Caption);
    grid->addWidget(Text2_, 1, Field);
    grid->addWidget(label4, 2, Caption);
    grid->addWidget(Text8_, 2, Field);
    grid->setRowMinimumHeight(3, 6);

    grid->addWidget(makeLine(this, QStringLiteral("Line1(0)"), QFrame::HLine), 4, LeftLine, 1,
                    Columns);
    grid->addWidget(makeLine(this, QStringLiteral("Line2(0)"), QFrame::VLine), 4, LeftLine, 6, 1);
    grid->addWidget(makeLine(this, QStringLiteral("Line2(1)"), QFrame::VLine), 4, RightLine, 6, 1);
    grid->addWidget(makeLine(this, QStringLiteral("Line1(1)"), QFrame::HLine), 9, LeftLine, 1,
                    Columns);
    grid->addWidget(label3, 5, Caption);
    grid->addWidget(Text3_, 5, Field);
    grid->addWidget(unit3, 5, Unit);
    grid->addWidget(label5_0, 6, Caption);
    grid->addWidget(Text5_, 6, Field);
    grid->addWidget(unit2, 6, Unit);
    grid->addWidget(label5_1, 7, Caption);
    grid->addWidget(Text6_, 7, Field);
    grid->addWidget(unit1, 7, Unit);
    grid->addWidget(Text7_, 8, Field);
    grid->addWidget(unit0, 8, Unit);
    for (QLineEdit* field : {Text1_, Text2_, Text8_, Text3_, Text5_, Text6_, Text7_})
        field->setMinimumWidth(ui::px(1500));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->addStretch();
    buttons->addWidget(calculate);
    buttons->addWidget(reset);
    buttons->addWidget(multiple);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch();

    setTabOrder(Text1_, Text2_);
    setTabOrder(Text2_, Text8_);
    setTabOrder(Text8_, calculate);
    setTabOrder(calculate, reset);
    setTabOrder(reset, multiple);
    Text1_->setFocus();

    connect(calculate, &QPushButton::clicked, this, &Calibrate::Command1_Click);
    connect(reset, &QPushButton::clicked, this, &Calibrate::Command2_Click);
    connect(multiple, &QPushButton::clicked, this, &Calibrate::Command4_Click);
}

void Calibrate::Form_Load() {
    ClearTankMix(services_.record);
}

void Calibrate::Form_Unload() {
    StoreTankMix({text(Text1_), text(Text2_), text(Text8_), text(Text3_), text(Text5_),
                  text(Text6_), text(Text7_)},
                 services_.record);
}

void Calibrate::Command1_Click() {
    const auto outcome = TankMix(text(Text1_), text(Text2_), text(Text8_), decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        showEntryError(*error);
        return;
    }
    const auto& results = std::get<TankMixResults>(outcome);
    setText(Text3_, results.text3);
    setText(Text5_, results.text5);
    setText(Text6_, results.text6);
    setText(Text7_, results.text7);
}

void Calibrate::Command2_Click() {
    for (QLineEdit* field : {Text1_, Text2_, Text3_, Text5_, Text6_, Text7_, Text8_})
        field->clear();
}

// A multiple tank screen that is not open yet is created by the first write,
// its load running before the values arrive; an open one keeps its other
// fields until its next Solve.
void Calibrate::Command4_Click() {
    services_.screens.get<Multtank>().setTankMix(Text5_->text(), Text3_->text());
    services_.screens.show<Multtank>();
}

} // namespace zelk
