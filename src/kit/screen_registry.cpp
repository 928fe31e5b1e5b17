#include "kit/screen_registry.h"

namespace zelk {

ScreenRegistry::ScreenRegistry(JobRecord& record, Platform& platform)
    : services_{record, platform, *this} {}

ScreenRegistry::~ScreenRegistry() {
    // Screens still alive at the end (hidden ones, or windows left open when
    // the event loop stopped) go without their close step: the record dies too.
    for (auto& [type, window] : windows_)
        delete window.data();
}

void ScreenRegistry::release(QWidget* window) {
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->second.data() == window) {
            windows_.erase(it);
            return;
        }
    }
}

std::vector<QWidget*> ScreenRegistry::windows() const {
    std::vector<QWidget*> result;
    for (const auto& [type, window] : windows_)
        if (!window.isNull())
            result.push_back(window.data());
    return result;
}

void ScreenRegistry::showWindow(QWidget& window) {
    raise(window);
}

void ScreenRegistry::raise(QWidget& window) {
    // The hook itself tells a first show from a window shown again.
    if (beforeFirstShow_ && !window.isVisible())
        beforeFirstShow_(window);
    window.show();
    if (window.isMinimized())
        window.showNormal();
    window.raise();
    window.activateWindow();
}

} // namespace zelk
