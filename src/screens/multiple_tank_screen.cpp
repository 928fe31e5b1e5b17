#include "screens/multiple_tank_screen.h"

#include "kit/logo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

MultipleTankScreen::MultipleTankScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Multtank"));
    setWindowTitle(QStringLiteral("Multiple Tank Mixing - Metric"));

    const auto capacity = makeCaptionedEntry(
        QStringLiteral("Label1"), QStringLiteral("Enter Sprayer Tank Capacity (In Liters)"),
        QStringLiteral("Tank"));
    QFont headingFont = capacity.caption->font();
    headingFont.setBold(true);
    capacity.caption->setFont(headingFont);
    capacityField_ = capacity.field;

    const auto jobWater = makeCaptionedResult(
        QStringLiteral("Label2(0)"), QStringLiteral("Total Water Required For Area to Be Sprayed"),
        QStringLiteral("Water(0)"));
    jobWaterField_ = jobWater.field;
    jobMlPerLiterField_ = makeResult(QStringLiteral("OzPer(0)"));
    jobMlPerLiterField_->setVisible(false);

    // The load counts are written by Solve, enabled and not yellow like the
    // results; read-only, as a count typed there would mean nothing.
    const auto fullLoads = makeCaptionedEntry(
        QStringLiteral("Label7(0)"), QStringLiteral("Tank 1 to"), QStringLiteral("Text1(0)"));
    const auto lastLoad = makeCaptionedEntry(QStringLiteral("Label7(1)"), QStringLiteral("Tank"),
                                             QStringLiteral("Text1(1)"));
    fullLoadsField_ = fullLoads.field;
    lastLoadField_ = lastLoad.field;
    for (QLineEdit* count : {fullLoadsField_, lastLoadField_}) {
        count->setReadOnly(true);
        count->setFocusPolicy(Qt::ClickFocus);
        count->setFixedWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    }

    auto* waterCaption =
        makeLabel(QStringLiteral("Label8"), QStringLiteral("Total Water Per Tank"));
    fullLoadWaterField_ = makeResult(QStringLiteral("Water(1)"));
    lastLoadWaterField_ = makeResult(QStringLiteral("Water(2)"));
    auto* mlPerLiterCaption =
        makeLabel(QStringLiteral("Label4(0)"), QStringLiteral("Milliliters per Liter (Product)"));
    fullLoadMlPerLiterField_ = makeResult(QStringLiteral("OzPer(1)"));
    lastLoadMlPerLiterField_ = makeResult(QStringLiteral("OzPer(2)"));
    auto* productMlCaption = makeLabel(QStringLiteral("Label5(0)"),
                                       QStringLiteral("Product  (in Milliliters) Per Tank"));
    fullLoadProductMlField_ = makeResult(QStringLiteral("ProductOZ(1)"));
    lastLoadProductMlField_ = makeResult(QStringLiteral("ProductOZ(2)"));
    auto* productLitersCaption =
        makeLabel(QStringLiteral("Label6(0)"), QStringLiteral("Product (In liters) Per Tank"));
    fullLoadProductLitersField_ = makeResult(QStringLiteral("ProductGal(1)"));
    lastLoadProductLitersField_ = makeResult(QStringLiteral("ProductGal(2)"));

    beyondCapacityNote_ =
        makeLabel(QStringLiteral("Label3"),
                  QStringLiteral("\"Err\"  Indicates Over Available Number of Tanks for "
                                 "Calculation (Program Capacity 52 Tanks)"));
    QFont noteFont = beyondCapacityNote_->font();
    noteFont.setFamily(QStringLiteral("Sans Serif"));
    noteFont.setStyleHint(QFont::SansSerif);
    noteFont.setBold(true);
    noteFont.setPointSizeF(noteFont.pointSizeF() * 0.85);
    beyondCapacityNote_->setFont(noteFont);
    QPalette notePalette = beyondCapacityNote_->palette();
    notePalette.setColor(QPalette::WindowText, Qt::red);
    beyondCapacityNote_->setPalette(notePalette);
    // The note comes and goes with each Solve; its room stays so the window
    // does not jump.
    QSizePolicy notePolicy = beyondCapacityNote_->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    beyondCapacityNote_->setSizePolicy(notePolicy);
    beyondCapacityNote_->setVisible(false);

    auto* solveButton = makeButton(QStringLiteral("Command1"), QStringLiteral("Solve"));

    waterCaption->setBuddy(fullLoadWaterField_);
    mlPerLiterCaption->setBuddy(fullLoadMlPerLiterField_);
    productMlCaption->setBuddy(fullLoadProductMlField_);
    productLitersCaption->setBuddy(fullLoadProductLitersField_);
    // Each result row: its caption, the full-load field, the last-load field.
    struct ResultRow {
        QLabel* label;
        QLineEdit* full;
        QLineEdit* last;
    };
    const ResultRow resultRows[] = {
        {waterCaption, fullLoadWaterField_, lastLoadWaterField_},
        {mlPerLiterCaption, fullLoadMlPerLiterField_, lastLoadMlPerLiterField_},
        {productMlCaption, fullLoadProductMlField_, lastLoadProductMlField_},
        {productLitersCaption, fullLoadProductLitersField_, lastLoadProductLitersField_}};
    for (const ResultRow& r : resultRows) {
        r.full->setAccessibleName(r.label->text());
        r.last->setAccessibleName(r.label->text() + QStringLiteral(", last tank"));
    }

    auto* top = new QHBoxLayout;
    auto* capacityColumn = new QVBoxLayout;
    capacityColumn->addWidget(capacity.caption);
    capacityColumn->addWidget(capacityField_);
    capacityField_->setMaximumWidth(ui::px(1800));
    top->addLayout(capacityColumn);
    top->addStretch();
    top->addWidget(new Logo(this));

    auto* headingFull = new QHBoxLayout;
    headingFull->setSpacing(6);
    headingFull->addWidget(fullLoads.caption);
    headingFull->addWidget(fullLoadsField_);
    headingFull->addStretch();
    auto* headingLast = new QHBoxLayout;
    headingLast->setSpacing(6);
    headingLast->addWidget(lastLoad.caption);
    headingLast->addWidget(lastLoadField_);
    headingLast->addStretch();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(jobWater.caption, 0, 0);
    grid->addWidget(jobWaterField_, 0, 1);
    grid->setRowMinimumHeight(1, 8);
    grid->addLayout(headingFull, 2, 1);
    grid->addLayout(headingLast, 2, 2);
    int row = 3;
    for (const ResultRow& r : resultRows) {
        grid->addWidget(r.label, row, 0);
        grid->addWidget(r.full, row, 1);
        grid->addWidget(r.last, row, 2);
        ++row;
    }
    for (QLineEdit* field :
         {jobWaterField_, fullLoadWaterField_, lastLoadWaterField_, fullLoadMlPerLiterField_,
          lastLoadMlPerLiterField_, fullLoadProductMlField_, lastLoadProductMlField_,
          fullLoadProductLitersField_, lastLoadProductLitersField_})
        field->setMinimumWidth(ui::px(1500));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(solveButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(beyondCapacityNote_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addStretch();

    setTabOrder(capacityField_, solveButton);
    capacityField_->setFocus();

    connect(solveButton, &QPushButton::clicked, this, &MultipleTankScreen::solve);
}

void MultipleTankScreen::Form_Load() {
    ClearMultipleTank(services_.record);
}

void MultipleTankScreen::Form_Unload() {
    StoreMultipleTank(texts(), services_.record);
}

void MultipleTankScreen::receiveTankMix(const QString& water, const QString& mlPerLiter) {
    jobWaterField_->setText(water);
    jobMlPerLiterField_->setText(mlPerLiter);
}

void MultipleTankScreen::solve() {
    const MultipleTankSolution solution = SolveMultipleTank(texts(), decimalSeparator());
    // A refused Solve has still emptied the last-load column: show that first.
    showTexts(solution.texts);
    if (solution.error)
        showEntryError(*solution.error);
}

MultipleTankTexts MultipleTankScreen::texts() const {
    MultipleTankTexts t;
    t.capacity = text(capacityField_);
    t.jobWater = text(jobWaterField_);
    t.jobMlPerLiter = text(jobMlPerLiterField_);
    t.fullLoads = text(fullLoadsField_);
    t.lastLoad = text(lastLoadField_);
    t.fullLoadWater = text(fullLoadWaterField_);
    t.lastLoadWater = text(lastLoadWaterField_);
    t.fullLoadMlPerLiter = text(fullLoadMlPerLiterField_);
    t.lastLoadMlPerLiter = text(lastLoadMlPerLiterField_);
    t.fullLoadProductMl = text(fullLoadProductMlField_);
    t.lastLoadProductMl = text(lastLoadProductMlField_);
    t.fullLoadProductLiters = text(fullLoadProductLitersField_);
    t.lastLoadProductLiters = text(lastLoadProductLitersField_);
    t.beyondCapacityNoteShown = !beyondCapacityNote_->isHidden();
    return t;
}

// Only what Solve writes; the entry and the received values stay untouched.
void MultipleTankScreen::showTexts(const MultipleTankTexts& t) {
    setText(fullLoadsField_, t.fullLoads);
    setText(lastLoadField_, t.lastLoad);
    setText(fullLoadWaterField_, t.fullLoadWater);
    setText(lastLoadWaterField_, t.lastLoadWater);
    setText(fullLoadMlPerLiterField_, t.fullLoadMlPerLiter);
    setText(lastLoadMlPerLiterField_, t.lastLoadMlPerLiter);
    setText(fullLoadProductMlField_, t.fullLoadProductMl);
    setText(lastLoadProductMlField_, t.lastLoadProductMl);
    setText(fullLoadProductLitersField_, t.fullLoadProductLiters);
    setText(lastLoadProductLitersField_, t.lastLoadProductLiters);
    beyondCapacityNote_->setVisible(t.beyondCapacityNoteShown);
}

} // namespace zelk
