#include "app/license_window.h"

#include "app/resource_text.h"
#include "kit/screen_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <cmath>

namespace zelk {

LicenseWindow::LicenseWindow(Services& services) : services_(services) {
    setObjectName(QStringLiteral("frmLicense"));
    setWindowTitle(QStringLiteral("End User License"));

    textBox_ = new QPlainTextEdit(this);
    textBox_->setObjectName(QStringLiteral("rtf"));
    // The box has no caption of its own; the window's tells what it holds.
    textBox_->setAccessibleName(windowTitle());
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textBox_->setPlainText(licenseText());
    textBox_->setGeometry(ui::px(240), ui::px(720), ui::px(5055), ui::px(3135));
    resize(ui::px(5580), ui::px(4575));
}

QString LicenseWindow::licenseText() {
    return ResourceText(QStringLiteral(":/license.txt"));
}

void LicenseWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitTextBox();
}

// The box keeps its corner and follows the window; a size that would come
// out negative is refused, and a refused height leaves the width alone too.
void LicenseWindow::fitTextBox() {
    const float heightTwips = static_cast<float>(height() * 15) - 1500.0f;
    if (heightTwips < 0.0f)
        return;
    textBox_->resize(textBox_->width(), static_cast<int>(std::lround(heightTwips / 15.0f)));
    const float widthTwips = static_cast<float>(width() * 15) - 450.0f;
    if (widthTwips < 0.0f)
        return;
    textBox_->resize(static_cast<int>(std::lround(widthTwips / 15.0f)), textBox_->height());
}

void LicenseWindow::closeEvent(QCloseEvent* event) {
    services_.screens.release(this);
    event->accept();
}

void LicenseWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && ui::IsUnmodified(*event)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zelk
