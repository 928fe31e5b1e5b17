#include "app/license_window.h"

#include "app/screen_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QPlainTextEdit>

#include <cmath>

// The resources live in a static library, so the linker keeps them only when
// something refers to them; this reference does.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace zelk {

frmLicense::frmLicense(Services& services) : services_(services) {
    setObjectName(QStringLiteral("frmLicense"));
    setWindowTitle(QStringLiteral("End User License"));

    rtf_ = new QPlainTextEdit(this);
    rtf_->setObjectName(QStringLiteral("rtf"));
    // The box has no caption of its own; the window's tells what it holds.
    rtf_->setAccessibleName(windowTitle());
    rtf_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rtf_->setPlainText(licenseText());
    rtf_->setGeometry(ui::px(240), ui::px(720), ui::px(5055), ui::px(3135));
    resize(ui::px(5580), ui::px(4575));
}

QString frmLicense::licenseText() {
    initResources();
    QFile file(QStringLiteral(":/license.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void frmLicense::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The box keeps its corner and follows the window; a size that would come
// out negative is refused, and a refused height leaves the width alone too.
void frmLicense::Form_Resize() {
    const float heightTwips = static_cast<float>(height() * 15) - 1500.0f;
    if (heightTwips < 0.0f)
        return;
    rtf_->resize(rtf_->width(), static_cast<int>(std::lround(heightTwips / 15.0f)));
    const float widthTwips = static_cast<float>(width() * 15) - 450.0f;
    if (widthTwips < 0.0f)
        return;
    rtf_->resize(static_cast<int>(std::lround(widthTwips / 15.0f)), rtf_->height());
}

void frmLicense::closeEvent(QCloseEvent* event) {
    services_.screens.release(this);
    event->accept();
}

} // namespace zelk
