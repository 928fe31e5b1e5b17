#include "app/user_guide.h"

#include "app/resource_text.h"
#include "kit/screen_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace zelk {

UserGuide::UserGuide(Services& services) : services_(services) {
    setObjectName(QStringLiteral("userGuide"));
    setWindowTitle(QStringLiteral("User Guide"));
    setAccessibleName(windowTitle());
    setOpenLinks(true);
    document()->setDocumentMargin(12);
    setHtml(guideText());
    // Wide enough for the key table, and within a 1024 x 768 screen with
    // room for the frame; the placement keeps it on smaller ones.
    resize(620, 640);
}

QString UserGuide::guideText() {
    return ResourceText(QStringLiteral(":/user_guide.html"));
}

void UserGuide::closeEvent(QCloseEvent* event) {
    services_.screens.release(this);
    event->accept();
}

void UserGuide::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && ui::IsUnmodified(*event)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void AddUserGuideKey(QWidget& window, ScreenRegistry& screens) {
    auto* key = new QAction(QStringLiteral("User Guide"), &window);
    key->setObjectName(QStringLiteral("userGuideKey"));
    key->setShortcut(QKeySequence::HelpContents);
    key->setShortcutContext(Qt::WindowShortcut);
    window.addAction(key);
    QObject::connect(key, &QAction::triggered, &window, [&screens] { screens.show<UserGuide>(); });
}

} // namespace zelk
