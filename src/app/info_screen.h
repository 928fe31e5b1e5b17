// The information screen: company and applicator details for the head of
// the report, and free notes for its end. Nothing here is calculated.
#pragma once

#include "app/screen_window.h"

class QPlainTextEdit;

namespace zelk {

class FrmInfo : public ScreenWindow {
    Q_OBJECT

public:
    explicit FrmInfo(Services& services);

    void Form_Load() override;
    void Form_Unload() override;

private:
    QLineEdit* FldCoName_ = nullptr;
    QLineEdit* fldAddress1_ = nullptr;
    QLineEdit* fldAddress2_ = nullptr;
    QLineEdit* fldCity_ = nullptr;
    QLineEdit* fldState_ = nullptr;
    QLineEdit* fldZipCode_ = nullptr;
    QLineEdit* fldPhoneNo_ = nullptr;
    QLineEdit* FldDate_ = nullptr;
    QLineEdit* FldAppName_ = nullptr;
    QLineEdit* fldLicense_ = nullptr;
    QLineEdit* fldProduct_ = nullptr;
    QPlainTextEdit* Text1_ = nullptr; // notes
};

} // namespace zelk
