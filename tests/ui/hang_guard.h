// A hang detector for the widget tests: a step that never returns cannot be
// caught by a check after it, so a watcher thread ends the test program when
// an armed step runs past a generous bound, saying which step it was.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace zelk::test {

class HangGuard {
public:
    explicit HangGuard(std::chrono::seconds bound) : bound_(bound), watcher_([this] { watch(); }) {}

    ~HangGuard() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        watcher_.join();
    }

    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

    // The step that starts now; `what` is printed if it never ends.
    void arm(std::string what) {
        {
            std::lock_guard lock(mutex_);
            what_ = std::move(what);
            deadline_ = std::chrono::steady_clock::now() + bound_;
            armed_ = true;
        }
        wake_.notify_one();
    }

    // A better name for the running step, once it is known; the bound
    // still counts from arm().
    void describe(std::string what) {
        std::lock_guard lock(mutex_);
        what_ = std::move(what);
    }

    void disarm() {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }

    std::chrono::seconds bound() const { return bound_; }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            if (!armed_) {
                wake_.wait(lock);
                continue;
            }
            const auto deadline = deadline_;
            if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && armed_ &&
                deadline_ == deadline) {
                std::fprintf(stderr, "HANG: still running after %lld s: %s\n",
                             static_cast<long long>(bound_.count()), what_.c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    const std::chrono::seconds bound_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string what_;
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool stop_ = false;
    std::thread watcher_; // last: it starts watching once the rest exists
};

} // namespace zelk::test
