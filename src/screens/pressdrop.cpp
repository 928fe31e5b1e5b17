#include "screens/pressdrop.h"

#include "app/logo.h"
#include "calc/pressdrop.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

pressdrop::pressdrop(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("pressdrop"));
    setWindowTitle(QStringLiteral("Pressure Drop - Metric"));

    auto* heading =
        makeLabel(QStringLiteral("Label5"),
                  QStringLiteral("Calculate Actual Pressure Drop at the Sprayer Nozzles."));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading->setFont(headingFont);
    heading->setWordWrap(true);

    auto* label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Actual Catch in l/min"));
    Text2_ =
        makeEntry(QStringLiteral("Text2"), QStringLiteral("Enter Actual Nozzle Catch in l/min"));
    Text4_ = makeResult(QStringLiteral("Text4"));
    auto* label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Actual Nozzle Pressure"));
    auto* label3 =
        makeLabel(QStringLiteral("Label3"), QStringLiteral("Nozzle Chart Flow in l/min"));
    Text3_ = makeEntry(QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Chart Flow In l/min"));
    Text1_ = makeEntry(QStringLiteral("Text1"), QStringLiteral("Enter Pressure From Nozzle Chart"));
    auto* label1 =
        makeLabel(QStringLiteral("Label1"), QStringLiteral("Pressure from Nozzle Chart"));
    auto* calculate = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));

    label2->setBuddy(Text2_);
    label3->setBuddy(Text3_);
    label1->setBuddy(Text1_);
    label4->setBuddy(Text4_);
    Text1_->setAccessibleName(label1->text());
    Text2_->setAccessibleName(label2->text());
    Text3_->setAccessibleName(label3->text());
    Text4_->setAccessibleName(label4->text());

    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this));
    top->addWidget(heading, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);
    grid->addWidget(label2, 0, 0);
    grid->addWidget(Text2_, 0, 1);
    grid->addWidget(Text4_, 0, 3);
    grid->addWidget(label4, 0, 4);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(Text3_, 1, 1);
    grid->addWidget(Text1_, 1, 3);
    grid->addWidget(label1, 1, 4);
    grid->setColumnMinimumWidth(2, 30);
    for (QLineEdit* field : {Text1_, Text2_, Text3_, Text4_})
        field->setMinimumWidth(ui::px(1455));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(calculate);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch();

    // The wrapped heading makes the layout's height depend on the width,
    // and Qt then holds a window to no minimum height: with a large font the
    // fields would be squeezed below a line. The window opens at its own
    // width and is held to the height that width needs.
    adjustSize();
    setMinimumSize(width(), layout->totalHeightForWidth(width()));
    resize(minimumSize());

    setTabOrder(Text1_, Text3_);
    setTabOrder(Text3_, Text2_);
    setTabOrder(Text2_, calculate);
    Text1_->setFocus();

    connect(calculate, &QPushButton::clicked, this, &pressdrop::Command1_Click);
}

void pressdrop::Command1_Click() {
    const auto outcome = PressureDrop(text(Text1_), text(Text2_), text(Text3_), decimalSeparator());
    if (const auto* error = std::get_if<EntryError>(&outcome)) {
        showEntryError(*error);
        return;
    }
    setText(Text4_, std::get<std::string>(outcome));
}

} // namespace zelk
