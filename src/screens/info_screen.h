// The information screen: company and applicator details for the head of
// the report, and free notes for its end. Nothing here is calculated.
#pragma once

#include "kit/screen_window.h"

class QPlainTextEdit;

namespace zelk {

class InfoScreen : public ScreenWindow {
    Q_OBJECT

public:
    explicit InfoScreen(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

private:
    QLineEdit* companyField_ = nullptr;
    QLineEdit* address1Field_ = nullptr;
    QLineEdit* address2Field_ = nullptr;
    QLineEdit* cityField_ = nullptr;
    QLineEdit* stateField_ = nullptr;
    QLineEdit* postalCodeField_ = nullptr;
    QLineEdit* phoneField_ = nullptr;
    QLineEdit* dateField_ = nullptr;
    QLineEdit* applicatorField_ = nullptr;
    QLineEdit* licenseNumberField_ = nullptr;
    QLineEdit* productField_ = nullptr;
    QPlainTextEdit* notesBox_ = nullptr; // notes
};

} // namespace zelk
