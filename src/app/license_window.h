// The end-user licence, in an editable box that forgets what is typed.
#pragma once

#include "kit/screen_registry.h"

#include <QWidget>

class QPlainTextEdit;

namespace zelk {

class LicenseWindow : public QWidget {
    Q_OBJECT

public:
    explicit LicenseWindow(Services& services);

    // The licence text shipped with the program.
    static QString licenseText();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as its close box does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitTextBox();

    Services& services_;
    QPlainTextEdit* textBox_;
};

} // namespace zelk
