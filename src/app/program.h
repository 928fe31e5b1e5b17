// The program: owns the one job record, the platform services and the
// screen registry, and starts on the main menu.
#pragma once

#include "app/job_record.h"
#include "app/platform.h"
#include "app/screen_registry.h"

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

    // Creates and shows the main menu.
    void start();

    JobRecord& jobRecord() { return record_; }
    ScreenRegistry& screens() { return screens_; }
    Platform& platform() { return platform_; }

private:
    std::unique_ptr<Platform> ownedPlatform_;
    Platform& platform_;
    JobRecord record_;
    ScreenRegistry screens_;
};

} // namespace zelk
