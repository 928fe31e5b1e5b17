// The end-user licence, in an editable box that forgets what is typed.
#pragma once

#include "app/screen_registry.h"

#include <QWidget>

class QPlainTextEdit;

namespace zelk {

class frmLicense : public QWidget {
    Q_OBJECT

public:
    explicit frmLicense(Services& services);

    // The licence text shipped with the program.
    static QString licenseText();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Resize();

    Services& services_;
    QPlainTextEdit* rtf_;
};

} // namespace zelk
