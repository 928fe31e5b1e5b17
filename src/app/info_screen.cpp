#include "app/info_screen.h"

#include "app/logo.h"
#include "calc/info.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace zelk {

namespace {

constexpr int kWide = 5055; // twips
constexpr int kMedium = 2415;
constexpr int kZip = 1455;
constexpr int kState = 375;

} // namespace

FrmInfo::FrmInfo(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(QStringLiteral("Infomation - Metric"));

    auto* heading =
        makeLabel(QStringLiteral("Label9"), QStringLiteral("Enter Information for Printed report"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    int row = 0;
    // A caption on the left, its field (or fields) on the right.
    const auto addRow = [&](const char* labelName, const char* caption, QWidget* field,
                            QLayout* fields = nullptr,
                            Qt::Alignment captionAlignment = Qt::AlignVCenter) {
        auto* label = makeLabel(QLatin1String(labelName), QLatin1String(caption));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
        if (fields)
            grid->addLayout(fields, row, 1, Qt::AlignLeft);
        else
            grid->addWidget(field, row, 1, Qt::AlignLeft);
        grid->addWidget(label, row, 0, Qt::AlignLeft | captionAlignment);
        ++row;
        return label;
    };
    const auto entry = [&](const char* name, int width) {
        QLineEdit* field = makeEntry(QLatin1String(name));
        field->setFixedWidth(ui::px(width));
        return field;
    };

    FldCoName_ = entry("FldCoName", kWide);
    fldAddress1_ = entry("fldAddress1", kWide);
    fldAddress2_ = entry("fldAddress2", kWide);
    fldCity_ = entry("fldCity", kWide);
    fldState_ = entry("fldState", kState);
    // Two characters must show whole whatever the system font.
    fldState_->setFixedWidth(std::max(
        ui::px(kState), fldState_->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12));
    fldZipCode_ = entry("fldZipCode", kZip);
    fldPhoneNo_ = entry("fldPhoneNo", kMedium);
    FldDate_ = entry("FldDate", kMedium);
    FldAppName_ = entry("FldAppName", kWide);
    fldLicense_ = entry("fldLicense", kWide);
    fldProduct_ = entry("fldProduct", kWide);
    Text1_ = new QPlainTextEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setFixedSize(ui::px(kWide), ui::px(1335));
    Text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the notes like every other field; Enter still breaks lines.
    Text1_->setTabChangesFocus(true);

    addRow("Label1", "Company Name", FldCoName_);
    addRow("Label2", "Address 1", fldAddress1_);
    addRow("Label3", "Address 2", fldAddress2_);
    addRow("Label5", "City", fldCity_);
    auto* stateRow = new QHBoxLayout;
    stateRow->setSpacing(12);
    stateRow->addWidget(fldState_);
    auto* postal = makeLabel(QStringLiteral("Label6"), QStringLiteral("Postal Code"));
    postal->setBuddy(fldZipCode_);
    fldZipCode_->setAccessibleName(postal->text());
    stateRow->addWidget(postal);
    stateRow->addWidget(fldZipCode_);
    stateRow->addStretch();
    addRow("Label4", "State", fldState_, stateRow);
    addRow("Label8", "Phone Number", fldPhoneNo_);
    addRow("LblDate", "Date", FldDate_);
    addRow("Label10", "Applicator Name", FldAppName_);
    addRow("Label11", "License No", fldLicense_);
    addRow("Label7", "Product", fldProduct_);
    // The notes' caption stays level with the first line of the box.
    addRow("Label12", "Notes", Text1_, nullptr, Qt::AlignTop);
    grid->setColumnStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(new Logo(this));
    top->addSpacing(16);
    top->addWidget(heading, 1, Qt::AlignVCenter);

    auto* fields = new QHBoxLayout;
    fields->addSpacing(ui::px(1200));
    fields->addLayout(grid, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addLayout(top);
    layout->addSpacing(16);
    layout->addLayout(fields);
    layout->addStretch();

    QWidget* order[] = {FldCoName_,  fldAddress1_, fldAddress2_, fldCity_,
                        fldState_,   fldZipCode_,  fldPhoneNo_,  FldDate_,
                        FldAppName_, fldLicense_,  fldProduct_,  Text1_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    FldCoName_->setFocus();

    resize(ui::px(10200), ui::px(9015));
}

void FrmInfo::Form_Load() {
    ClearInformation(services_.record);
}

void FrmInfo::Form_Unload() {
    const InfoTexts texts{
        text(FldCoName_),  text(fldAddress1_), text(fldAddress2_),
        text(fldCity_),    text(fldState_),    text(fldZipCode_),
        text(fldPhoneNo_), text(FldDate_),     text(FldAppName_),
        text(fldLicense_), text(fldProduct_),  Text1_->toPlainText().toStdString()};
    StoreInformation(services_.record, InformationLines(texts));
}

} // namespace zelk
