#include "screens/pressure_drop_screen.h"

#include "core/pressure_drop.h"
#include "kit/logo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

PressureDropScreen::PressureDropScreen(Services& services) : ScreenWindow(services) {
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

    const auto catchFlow = makeCaptionedEntry(
        QStringLiteral("Label2"), QStringLiteral("Actual Catch in l/min"), QStringLiteral("Text2"),
        QStringLiteral("Enter Actual Nozzle Catch in l/min"));
    const auto pressure =
        makeCaptionedResult(QStringLiteral("Label4"), QStringLiteral("Actual Nozzle Pressure"),
                            QStringLiteral("Text4"));
    const auto chartFlow = makeCaptionedEntry(
        QStringLiteral("Label3"), QStringLiteral("Nozzle Chart Flow in l/min"),
        QStringLiteral("Text3"), QStringLiteral("Enter Nozzle Chart Flow In l/min"));
    const auto chartPressure = makeCaptionedEntry(
        QStringLiteral("Label1"), QStringLiteral("Pressure from Nozzle Chart"),
        QStringLiteral("Text1"), QStringLiteral("Enter Pressure From Nozzle Chart"));
    auto* calculateButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Calculate"));
    bindInputs({{"chart pressure", chartPressure.field},
                {"catch", catchFlow.field},
                {"chart flow", chartFlow.field}});
    chartPressureField_ = chartPressure.field;
    catchField_ = catchFlow.field;
    chartFlowField_ = chartFlow.field;
    pressureField_ = pressure.field;

    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this));
    top->addWidget(heading, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);
    grid->addWidget(catchFlow.caption, 0, 0);
    grid->addWidget(catchField_, 0, 1);
    grid->addWidget(pressureField_, 0, 3);
    grid->addWidget(pressure.caption, 0, 4);
    grid->addWidget(chartFlow.caption, 1, 0);
    grid->addWidget(chartFlowField_, 1, 1);
    grid->addWidget(chartPressureField_, 1, 3);
    grid->addWidget(chartPressure.caption, 1, 4);
    grid->setColumnMinimumWidth(2, 30);
    for (QLineEdit* field : {chartPressureField_, catchField_, chartFlowField_, pressureField_})
        field->setMinimumWidth(ui::px(1455));

    auto* layout = makeScreenLayout(top, grid);
    layout->addSpacing(12);
    layout->addLayout(makeCentredRow({calculateButton}));
    layout->addStretch();

    // The wrapped heading makes the layout's height depend on the width,
    // and Qt then holds a window to no minimum height: with a large font the
    // fields would be squeezed below a line. The window opens at its own
    // width and is held to the height that width needs.
    adjustSize();
    setMinimumSize(width(), layout->totalHeightForWidth(width()));
    resize(minimumSize());

    setTabOrder(chartPressureField_, chartFlowField_);
    setTabOrder(chartFlowField_, catchField_);
    setTabOrder(catchField_, calculateButton);
    chartPressureField_->setFocus();

    connect(calculateButton, &QPushButton::clicked, this, &PressureDropScreen::calculate);
}

void PressureDropScreen::calculate() {
    applyOutcome(PressureDrop(text(chartPressureField_), text(catchField_), text(chartFlowField_),
                              decimalSeparator()),
                 [this](const std::string& pressure) { setText(pressureField_, pressure); });
}

} // namespace zelk
