#include "screens/rate.h"

#include "app/logo.h"
#include "calc/rate.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

Rate::Rate(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Rate"));
    setWindowTitle(QStringLiteral("Calibration Rate - Metric"));

    auto* heading = makeLabel(QStringLiteral("Label1"), QStringLiteral("Calibration Rate "));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);

    auto* label2 = makeLabel(QStringLiteral("Label2"),
                             QStringLiteral("l/min (From Nozzle Uniformity Screen)"));
    Text1_ = makeEntry(QStringLiteral("Text1"), QStringLiteral("Enter l/min"));
    auto* label3 =
        makeLabel(QStringLiteral("Label3"), QStringLiteral("km/h (From Speed Calculator)"));
    Text2_ = makeEntry(QStringLiteral("Text2"), QStringLiteral("Enter km/h"));
    auto* label4 =
        makeLabel(QStringLiteral("Label4"), QStringLiteral("Nozzle Spacing (In Centimeters)"));
    Text3_ = makeEntry(QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Spacing"));
    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    Text4_ = makeResult(QStringLiteral("Text4"));
    auto* label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("L/ha"));

    label2->setBuddy(Text1_);
    label3->setBuddy(Text2_);
    label4->setBuddy(Text3_);
    label5->setBuddy(Text4_);
    Text1_->setAccessibleName(label2->text());
    Text2_->setAccessibleName(label3->text());
    Text3_->setAccessibleName(label4->text());
    Text4_->setAccessibleName(label5->text());

    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this));
    top->addSpacing(12);
    top->addWidget(heading, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(label2, 0, 0);
    grid->addWidget(Text1_, 0, 1);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(Text2_, 1, 1);
    grid->addWidget(label4, 2, 0);
    grid->addWidget(Text3_, 2, 1);
    grid->setRowMinimumHeight(3, 8);
    grid->addWidget(calculate, 4, 0, Qt::AlignRight);
    grid->addWidget(Text4_, 4, 1);
    grid->addWidget(label5, 5, 1, Qt::AlignHCenter | Qt::AlignTop);
    for (QLineEdit* field : {Text1_, Text2_, Text3_, Text4_})
        field->setMinimumWidth(ui::px(1695));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addStretch();

    setTabOrder(Text3_, calculate);
    setTabOrder(calculate, Text1_);
    setTabOrder(Text1_, Text2_);
    Text3_->setFocus();

    connect(calculate, &QPushButton::clicked, this, &Rate::Command1_Click);
}

void Rate::Form_Load() {
    ClearRateGroup(services_.record);
}

void Rate::Form_Unload() {
    StoreRateGroup(services_.record, text(Text1_), text(Text2_), text(Text3_));
}

void Rate::setText1(const QString& text) {
    Text1_->setText(text);
}

void Rate::setText2(const QString& text) {
    Text2_->setText(text);
}

void Rate::Command1_Click() {
    const auto outcome =
        CalibrationRate(text(Text1_), text(Text2_), text(Text3_), decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        showEntryError(*error);
        return;
    }
    setText(Text4_, std::get<std::string>(outcome));
}

} // namespace zelk
