#include "app/user_guide.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>

// The resources live in a static library; this reference keeps them linked.
static void initGuideResources() {
    Q_INIT_RESOURCE(resources);
}

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
    initGuideResources();
    QFile file(QStringLiteral(":/user_guide.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void UserGuide::closeEvent(QCloseEvent* event) {
    services_.screens.release(this);
    event->accept();
}

void UserGuide::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
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
