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
    bindInputs({{"capacity", capacityField_},
                {"job water", jobWaterField_},
                {"job ml per litre", jobMlPerLiterField_}});
    for (QLineEdit* count : {fullLoadsField_, lastLoadField_}) {
        count->setReadOnly(true);
        count->setFocusPolicy(Qt::ClickFocus);
        count->setFixedWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    }

    // Each result row: its caption, then a field for a full load and one for the last.
    struct ResultSpec {
        const char* captionName;
        const char* caption;
        const char* field; // indexed (1) full load, (2) last load
        QLineEdit** full;
        QLineEdit** last;
    };
    const ResultSpec specs[] = {
        {"Label8", "Total Water Per Tank", "Water", &fullLoadWaterField_, &lastLoadWaterField_},
        {"Label4(0)", "Milliliters per Liter (Product)", "OzPer", &fullLoadMlPerLiterField_,
         &lastLoadMlPerLiterField_},
        {"Label5(0)", "Product  (in Milliliters) Per Tank", "ProductOZ", &fullLoadProductMlField_,
         &lastLoadProductMlField_},
        {"Label6(0)", "Product (In liters) Per Tank", "ProductGal", &fullLoadProductLitersField_,
         &lastLoadProductLitersField_}};
    // Each result row as laid out: its caption, the full-load field, the last-load field.
    struct ResultRow {
        QLabel* label;
        QLineEdit* full;
        QLineEdit* last;
    };
    std::vector<ResultRow> resultRows;
    for (const ResultSpec& spec : specs) {
        const QString field = QLatin1String(spec.field);
        const auto full = makeCaptionedResult(QLatin1String(spec.captionName),
                                              QLatin1String(spec.caption), field + "(1)");
        *spec.full = full.field;
        *spec.last = makeResult(field + "(2)");
        (*spec.last)->setAccessibleName(full.caption->text() + QStringLiteral(", last tank"));
        resultRows.push_back({full.caption, *spec.full, *spec.last});
    }

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

    auto* layout = makeScreenLayout(top, grid);
    layout->addSpacing(8);
    layout->addWidget(beyondCapacityNote_);
    layout->addSpacing(8);
    layout->addLayout(makeCentredRow({solveButton}));
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
    // Loads split from the old total would be misread: split the new one
    // without a word, or show none.
    const MultipleTankSolution solution = SolveMultipleTank(texts(), decimalSeparator());
    if (!solution.error) {
        showTexts(solution.texts);
        return;
    }
    for (const auto& [field, member] : solvedFields())
        field->clear();
    beyondCapacityNote_->hide();
}

void MultipleTankScreen::solve() {
    const MultipleTankSolution solution = SolveMultipleTank(texts(), decimalSeparator());
    // A refused Solve has still emptied the last-load column: show that first.
    showTexts(solution.texts);
    if (solution.error)
        showEntryError(*solution.error);
}

// Each field Solve writes, beside its text. The entry and the received
// values are read, never written.
std::vector<std::pair<QLineEdit*, std::string MultipleTankTexts::*>>
MultipleTankScreen::solvedFields() const {
    return {{fullLoadsField_, &MultipleTankTexts::fullLoads},
            {lastLoadField_, &MultipleTankTexts::lastLoad},
            {fullLoadWaterField_, &MultipleTankTexts::fullLoadWater},
            {lastLoadWaterField_, &MultipleTankTexts::lastLoadWater},
            {fullLoadMlPerLiterField_, &MultipleTankTexts::fullLoadMlPerLiter},
            {lastLoadMlPerLiterField_, &MultipleTankTexts::lastLoadMlPerLiter},
            {fullLoadProductMlField_, &MultipleTankTexts::fullLoadProductMl},
            {lastLoadProductMlField_, &MultipleTankTexts::lastLoadProductMl},
            {fullLoadProductLitersField_, &MultipleTankTexts::fullLoadProductLiters},
            {lastLoadProductLitersField_, &MultipleTankTexts::lastLoadProductLiters}};
}

MultipleTankTexts MultipleTankScreen::texts() const {
    MultipleTankTexts t;
    t.capacity = text(capacityField_);
    t.jobWater = text(jobWaterField_);
    t.jobMlPerLiter = text(jobMlPerLiterField_);
    for (const auto& [field, member] : solvedFields())
        t.*member = text(field);
    t.beyondCapacityNoteShown = !beyondCapacityNote_->isHidden();
    return t;
}

void MultipleTankScreen::showTexts(const MultipleTankTexts& t) {
    for (const auto& [field, member] : solvedFields())
        setText(field, t.*member);
    beyondCapacityNote_->setVisible(t.beyondCapacityNoteShown);
}

} // namespace zelk
