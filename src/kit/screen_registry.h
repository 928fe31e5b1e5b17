// The screen registry: one instance per screen class at most. Referring to a
// screen creates it hidden and runs its load step; showing creates it when
// needed and brings it to the front; a closed screen is forgotten, so the
// next reference creates it afresh with empty fields.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace zelk {

struct JobRecord;
class Platform;
class ScreenRegistry;

// What a screen is given: the one job record, the platform services, and the
// registry it is released from when it closes.
struct Services {
    JobRecord& record;
    Platform& platform;
    ScreenRegistry& screens;
};

class ScreenRegistry {
public:
    ScreenRegistry(JobRecord& record, Platform& platform);
    ~ScreenRegistry();
    ScreenRegistry(const ScreenRegistry&) = delete;
    ScreenRegistry& operator=(const ScreenRegistry&) = delete;

    // The screen, created hidden (its load step run) when it does not exist.
    template <class T> T& get() {
        if (T* existing = find<T>())
            return *existing;
        auto* screen = new T(services_);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        windows_[std::type_index(typeid(T))] = screen;
        if (onCreated_)
            onCreated_(*screen);
        if constexpr (requires { screen->Form_Load(); })
            screen->Form_Load();
        return *screen;
    }

    // Shown modeless and brought to the front; an open screen keeps its fields.
    template <class T> T& show() {
        T& screen = get<T>();
        raise(screen);
        return screen;
    }

    // The existing screen, or nullptr.
    template <class T> T* find() const {
        const auto it = windows_.find(std::type_index(typeid(T)));
        if (it == windows_.end() || it->second.isNull())
            return nullptr;
        return static_cast<T*>(it->second.data());
    }

    // Called by a window whose close was accepted: it is gone from now on,
    // even before Qt deletes it.
    void release(QWidget* window);

    // Shows a window of the registry as show() does: the way for a window
    // to show itself.
    void showWindow(QWidget& window);

    // Every screen that exists, shown or hidden.
    std::vector<QWidget*> windows() const;

    // Called with each new screen before its load step: where the program
    // connects the hand-offs between screens.
    void setOnCreated(std::function<void(QWidget&)> onCreated) {
        onCreated_ = std::move(onCreated);
    }

    // Called with a window just before it is shown while hidden: where the
    // program places a window the first time it opens.
    void setBeforeFirstShow(std::function<void(QWidget&)> beforeFirstShow) {
        beforeFirstShow_ = std::move(beforeFirstShow);
    }

private:
    void raise(QWidget& window);

    std::unordered_map<std::type_index, QPointer<QWidget>> windows_;
    Services services_;
    std::function<void(QWidget&)> onCreated_;
    std::function<void(QWidget&)> beforeFirstShow_;
};

} // namespace zelk
