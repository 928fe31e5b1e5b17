// Shared by the benchmark programs: a clock that every process reads alike
// (CLOCK_MONOTONIC), and a probe that tells when a window has been painted.
// Our programs and the baselines use the same probe, so whatever it costs
// falls on both sides.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace zelk::bench {

inline std::int64_t monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The middle of the measured values (the mean of the two middle ones).
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0.0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// One "name value" line on standard output, read by the driver.
inline void report(const char* name, double value) {
    std::printf("%s %.6f\n", name, value);
    std::fflush(stdout);
}

// Watches paint events. A window counts as painted once the first paint
// event of it or of any widget in it has been handled and the event loop has
// come round again, that is after that repaint was drawn and flushed.
// Runs the event loop for `ms` milliseconds, sleeping while there is nothing
// to do (a busy loop would compete with what is measured).
inline void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class PaintProbe : public QObject {
public:
    PaintProbe() { qApp->installEventFilter(this); }

    // Runs `done` after the next paint of `window`.
    void whenPainted(QWidget* window, std::function<void()> done) {
        window_ = window;
        done_ = std::move(done);
        painted_ = false;
    }

    // Spins the event loop until `window` is painted; false on time-out.
    bool waitPainted(QWidget* window, int timeoutMs = 5000) {
        bool finished = false;
        whenPainted(window, [&finished] { finished = true; });
        QElapsedTimer clock;
        clock.start();
        while (!finished && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            10);
        return finished;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !painted_ && window_ && widget &&
            widget->window() == window_.data()) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                if (done_) {
                    auto done = std::move(done_);
                    done_ = nullptr;
                    done();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> window_;
    std::function<void()> done_;
    bool painted_ = false;
};

} // namespace zelk::bench
