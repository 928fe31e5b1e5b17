// The program, the top layer: it owns the one job record, the platform
// services and the screen registry, starts on the main menu and is the one
// place that wires screens together (the hand-offs below). Screens live in
// screens/, their calculations in core/, the window kit in kit/, the editor
// in editor/.
#pragma once

#include "core/job_record.h"
#include "kit/platform.h"
#include "kit/screen_registry.h"
#include "kit/window_placer.h"

#include <QWidget>

#include <memory>

namespace zelk {

class Program {
public:
    // With Qt's own dialogs, clipboard and files.
    Program();
    // With other services (widget tests); the platform must outlive the program.
    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates and shows the main menu; from then on every window opens on
    // screen, and the menu's windows beside it.
    void start();

    JobRecord& jobRecord() { return record_; }
    ScreenRegistry& screens() { return screens_; }
    Platform& platform() { return platform_; }

private:
    // Every new window: F1 for the user guide, and its hand-offs.
    void prepare(QWidget& screen);
    // Speed and catch test into the rate screen, tank mix into the multiple
    // tank screen; a receiving screen that does not exist is created hidden.
    void connectHandOffs(QWidget& screen);

    std::unique_ptr<Platform> ownedPlatform_;
    Platform& platform_;
    JobRecord record_;
    ScreenRegistry screens_;
    WindowPlacer placer_;
};

} // namespace zelk
