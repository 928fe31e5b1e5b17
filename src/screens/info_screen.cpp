#include "screens/info_screen.h"

#include "core/info.h"
#include "kit/logo.h"

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

InfoScreen::InfoScreen(Services& services) : ScreenWindow(services) {
    setObjectName(QStringLiteral("FrmInfo"));
    setWindowTitle(QStringLiteral("Infomation - Metric"));

    auto* heading = makeHeading(QStringLiteral("Label9"),
                                QStringLiteral("Enter Information for Printed report"));

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

    companyField_ = entry("FldCoName", kWide);
    address1Field_ = entry("fldAddress1", kWide);
    address2Field_ = entry("fldAddress2", kWide);
    cityField_ = entry("fldCity", kWide);
    stateField_ = entry("fldState", kState);
    // Two characters must show whole whatever the system font.
    stateField_->setFixedWidth(std::max(
        ui::px(kState), stateField_->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 12));
    postalCodeField_ = entry("fldZipCode", kZip);
    phoneField_ = entry("fldPhoneNo", kMedium);
    dateField_ = entry("FldDate", kMedium);
    applicatorField_ = entry("FldAppName", kWide);
    licenseNumberField_ = entry("fldLicense", kWide);
    productField_ = entry("fldProduct", kWide);
    notesBox_ = new QPlainTextEdit(this);
    notesBox_->setObjectName(QStringLiteral("Text1"));
    notesBox_->setFixedSize(ui::px(kWide), ui::px(1335));
    notesBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the notes like every other field; Enter still breaks lines.
    notesBox_->setTabChangesFocus(true);

    addRow("Label1", "Company Name", companyField_);
    addRow("Label2", "Address 1", address1Field_);
    addRow("Label3", "Address 2", address2Field_);
    addRow("Label5", "City", cityField_);
    auto* stateRow = new QHBoxLayout;
    stateRow->setSpacing(12);
    stateRow->addWidget(stateField_);
    auto* postal = makeLabel(QStringLiteral("Label6"), QStringLiteral("Postal Code"));
    postal->setBuddy(postalCodeField_);
    postalCodeField_->setAccessibleName(postal->text());
    stateRow->addWidget(postal);
    stateRow->addWidget(postalCodeField_);
    stateRow->addStretch();
    addRow("Label4", "State", stateField_, stateRow);
    addRow("Label8", "Phone Number", phoneField_);
    addRow("LblDate", "Date", dateField_);
    addRow("Label10", "Applicator Name", applicatorField_);
    addRow("Label11", "License No", licenseNumberField_);
    addRow("Label7", "Product", productField_);
    // The notes' caption stays level with the first line of the box.
    addRow("Label12", "Notes", notesBox_, nullptr, Qt::AlignTop);
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

    QWidget* order[] = {companyField_,    address1Field_,      address2Field_, cityField_,
                        stateField_,      postalCodeField_,    phoneField_,    dateField_,
                        applicatorField_, licenseNumberField_, productField_,  notesBox_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    companyField_->setFocus();

    resize(ui::px(10200), ui::px(9015));
}

void InfoScreen::Form_Load() {
    ClearInformation(services_.record);
}

void InfoScreen::Form_Unload() {
    const InfoTexts texts{
        text(companyField_),       text(address1Field_), text(address2Field_),
        text(cityField_),          text(stateField_),    text(postalCodeField_),
        text(phoneField_),         text(dateField_),     text(applicatorField_),
        text(licenseNumberField_), text(productField_),  notesBox_->toPlainText().toStdString()};
    StoreInformation(services_.record, InformationLines(texts));
}

} // namespace zelk
