#include "app/resource_text.h"

#include <QFile>

// The resources live in a static library, so the linker keeps them only when
// something refers to them; this reference does.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace zelk {

QString ResourceText(const QString& path) {
    initResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace zelk
