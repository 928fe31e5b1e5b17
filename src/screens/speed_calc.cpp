#include "screens/speed_calc.h"

#include "app/logo.h"
#include "calc/speed.h"
#include "screens/rate.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

speedCalc::speedCalc(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("speedCalc"));
    setWindowTitle(QStringLiteral("Speed Calculator - Metric"));

    auto* heading =
        makeLabel(QStringLiteral("Label4"), QStringLiteral("Zelk Travel Speed Calculator"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);

    auto* label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Distance (In Meters)"));
    Text1_ = makeEntry(QStringLiteral("Text1"));
    auto* label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Time (In Seconds)"));
    Text2_ = makeEntry(QStringLiteral("Text2"));
    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    Text3_ = makeResult(QStringLiteral("Text3"));
    auto* label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("km/h"));

    label1->setBuddy(Text1_);
    label2->setBuddy(Text2_);
    label3->setBuddy(Text3_);
    Text1_->setAccessibleName(label1->text());
    Text2_->setAccessibleName(label2->text());
    Text3_->setAccessibleName(label3->text());

    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this));
    top->addSpacing(12);
    top->addWidget(heading, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(Text1_, 0, 1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(Text2_, 1, 1);
    grid->setRowMinimumHeight(2, 8);
    grid->addWidget(calculate, 3, 0, Qt::AlignRight);
    grid->addWidget(Text3_, 3, 1);
    grid->addWidget(label3, 4, 1, Qt::AlignHCenter | Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    for (QLineEdit* field : {Text1_, Text2_, Text3_})
        field->setMinimumWidth(ui::px(1695));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addStretch();

    setTabOrder(Text1_, Text2_);
    setTabOrder(Text2_, calculate);
    Text1_->setFocus();

    connect(calculate, &QPushButton::clicked, this, &speedCalc::Command1_Click);

    resize(ui::px(8370), ui::px(4935));
}

void speedCalc::Form_Load() {
    ClearSpeedGroup(services_.record);
}

void speedCalc::Form_Unload() {
    StoreSpeedGroup(services_.record, text(Text1_), text(Text2_), text(Text3_));
}

void speedCalc::Command1_Click() {
    const auto outcome = TravelSpeed(text(Text1_), text(Text2_), decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        showEntryError(*error);
        return;
    }
    setText(Text3_, std::get<std::string>(outcome));
    // The rate screen is created hidden when it does not exist (its load
    // empties its group before the speed arrives).
    services_.screens.get<Rate>().setText2(Text3_->text());
}

} // namespace zelk
