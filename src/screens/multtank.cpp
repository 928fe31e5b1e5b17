#include "screens/multtank.h"

#include "app/logo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

Multtank::Multtank(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("Multtank"));
    setWindowTitle(QStringLiteral("Multiple Tank Mixing - Metric"));

    auto* label1 = makeLabel(QStringLiteral("Label1"),
                             QStringLiteral("Enter Sprayer Tank Capacity (In Liters)"));
    QFont headingFont = label1->font();
    headingFont.setBold(true);
    label1->setFont(headingFont);
    Tank_ = makeEntry(QStringLiteral("Tank"));

    auto* label2 = makeLabel(QStringLiteral("Label2(0)"),
                             QStringLiteral("Total Water Required For Area to Be Sprayed"));
    Water0_ = makeResult(QStringLiteral("Water(0)"));
    OzPer0_ = makeResult(QStringLiteral("OzPer(0)"));
    OzPer0_->setVisible(false);

    // The load counts are written by Solve, enabled and not yellow like the
    // results; read-only, as a count typed there would mean nothing.
    auto* label7_0 = makeLabel(QStringLiteral("Label7(0)"), QStringLiteral("Tank 1 to"));
    Text1_0_ = makeEntry(QStringLiteral("Text1(0)"));
    auto* label7_1 = makeLabel(QStringLiteral("Label7(1)"), QStringLiteral("Tank"));
    Text1_1_ = makeEntry(QStringLiteral("Text1(1)"));
    for (QLineEdit* count : {Text1_0_, Text1_1_}) {
        count->setReadOnly(true);
        count->setFocusPolicy(Qt::ClickFocus);
        count->setFixedWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    }

    auto* label8 = makeLabel(QStringLiteral("Label8"), QStringLiteral("Total Water Per Tank"));
    Water1_ = makeResult(QStringLiteral("Water(1)"));
    Water2_ = makeResult(QStringLiteral("Water(2)"));
    auto* label4 =
        makeLabel(QStringLiteral("Label4(0)"), QStringLiteral("Milliliters per Liter (Product)"));
    OzPer1_ = makeResult(QStringLiteral("OzPer(1)"));
    OzPer2_ = makeResult(QStringLiteral("OzPer(2)"));
    auto* label5 = makeLabel(QStringLiteral("Label5(0)"),
                             QStringLiteral("Product  (in Milliliters) Per Tank"));
    ProductOZ1_ = makeResult(QStringLiteral("ProductOZ(1)"));
    ProductOZ2_ = makeResult(QStringLiteral("ProductOZ(2)"));
    auto* label6 =
        makeLabel(QStringLiteral("Label6(0)"), QStringLiteral("Product (In liters) Per Tank"));
    ProductGal1_ = makeResult(QStringLiteral("ProductGal(1)"));
    ProductGal2_ = makeResult(QStringLiteral("ProductGal(2)"));

    Label3_ = makeLabel(QStringLiteral("Label3"),
                        QStringLiteral("\"Err\"  Indicates Over Available Number of Tanks for "
                                       "Calculation (Program Capacity 52 Tanks)"));
    QFont noteFont = Label3_->font();
    noteFont.setFamily(QStringLiteral("Sans Serif"));
    noteFont.setStyleHint(QFont::SansSerif);
    noteFont.setBold(true);
    noteFont.setPointSizeF(noteFont.pointSizeF() * 0.85);
    Label3_->setFont(noteFont);
    QPalette notePalette = Label3_->palette();
    notePalette.setColor(QPalette::WindowText, Qt::red);
    Label3_->setPalette(notePalette);
    // The note comes and goes with each Solve; its room stays so the window
    // does not jump.
    QSizePolicy notePolicy = Label3_->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    Label3_->setSizePolicy(notePolicy);
    Label3_->setVisible(false);

    auto* solve = makeButton(QStringLiteral("Command1"), QStringLiteral("Solve"));

    label1->setBuddy(Tank_);
    label2->setBuddy(Water0_);
    label7_0->setBuddy(Text1_0_);
    label7_1->setBuddy(Text1_1_);
    label8->setBuddy(Water1_);
    label4->setBuddy(OzPer1_);
    label5->setBuddy(ProductOZ1_);
    label6->setBuddy(ProductGal1_);
    Tank_->setAccessibleName(label1->text());
    Water0_->setAccessibleName(label2->text());
    Text1_0_->setAccessibleName(label7_0->text());
    Text1_1_->setAccessibleName(label7_1->text());
    // Each result row: its caption, the full-load field, the last-load field.
    struct ResultRow {
        QLabel* label;
        QLineEdit* full;
        QLineEdit* last;
    };
    const ResultRow resultRows[] = {{label8, Water1_, Water2_},
                                    {label4, OzPer1_, OzPer2_},
                                    {label5, ProductOZ1_, ProductOZ2_},
                                    {label6, ProductGal1_, ProductGal2_}};
    for (const ResultRow& r : resultRows) {
        r.full->setAccessibleName(r.label->text());
        r.last->setAccessibleName(r.label->text() + QStringLiteral(", last tank"));
    }

    auto* top = new QHBoxLayout;
    auto* capacity = new QVBoxLayout;
    capacity->addWidget(label1);
    capacity->addWidget(Tank_);
    Tank_->setMaximumWidth(ui::px(1800));
    top->addLayout(capacity);
    top->addStretch();
    top->addWidget(new Logo(this));

    auto* headingFull = new QHBoxLayout;
    headingFull->setSpacing(6);
    headingFull->addWidget(label7_0);
    headingFull->addWidget(Text1_0_);
    headingFull->addStretch();
    auto* headingLast = new QHBoxLayout;
    headingLast->setSpacing(6);
    headingLast->addWidget(label7_1);
    headingLast->addWidget(Text1_1_);
    headingLast->addStretch();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(label2, 0, 0);
    grid->addWidget(Water0_, 0, 1);
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
    for (QLineEdit* field : {Water0_, Water1_, Water2_, OzPer1_, OzPer2_, ProductOZ1_, ProductOZ2_,
                             ProductGal1_, ProductGal2_})
        field->setMinimumWidth(ui::px(1500));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(solve);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(Label3_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addStretch();

    setTabOrder(Tank_, solve);
    Tank_->setFocus();

    connect(solve, &QPushButton::clicked, this, &Multtank::Command1_Click);
}

void Multtank::Form_Load() {
    ClearMulttank(services_.record);
}

void Multtank::Form_Unload() {
    StoreMulttank(texts(), services_.record);
}

void Multtank::setTankMix(const QString& water, const QString& mlPerLiter) {
    Water0_->setText(water);
    OzPer0_->setText(mlPerLiter);
}

void Multtank::Command1_Click() {
    const MulttankSolution solution = SolveMulttank(texts(), decimalSeparator());
    // A refused Solve has still emptied the last-load column: show that first.
    showTexts(solution.texts);
    if (solution.error)
        showEntryError(*solution.error);
}

MulttankTexts Multtank::texts() const {
    MulttankTexts t;
    t.tank = text(Tank_);
    t.water0 = text(Water0_);
    t.ozPer0 = text(OzPer0_);
    t.text1_0 = text(Text1_0_);
    t.text1_1 = text(Text1_1_);
    t.water1 = text(Water1_);
    t.water2 = text(Water2_);
    t.ozPer1 = text(OzPer1_);
    t.ozPer2 = text(OzPer2_);
    t.productOZ1 = text(ProductOZ1_);
    t.productOZ2 = text(ProductOZ2_);
    t.productGal1 = text(ProductGal1_);
    t.productGal2 = text(ProductGal2_);
    t.label3Visible = !Label3_->isHidden();
    return t;
}

// Only what Solve writes; the entry and the received values stay untouched.
void Multtank::showTexts(const MulttankTexts& t) {
    setText(Text1_0_, t.text1_0);
    setText(Text1_1_, t.text1_1);
    setText(Water1_, t.water1);
    setText(Water2_, t.water2);
    setText(OzPer1_, t.ozPer1);
    setText(OzPer2_, t.ozPer2);
    setText(ProductOZ1_, t.productOZ1);
    setText(ProductOZ2_, t.productOZ2);
    setText(ProductGal1_, t.productGal1);
    setText(ProductGal2_, t.productGal2);
    Label3_->setVisible(t.label3Visible);
}

} // namespace zelk
