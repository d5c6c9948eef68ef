// Ends a start-up measurement at the first painted window: the moment the
// whole window has been drawn once (the first paint event plus the rest of the
// repaint it belongs to), the program reports how long it took since the
// launcher forked it and how much memory it peaked at, and leaves at once,
// so that tearing down never counts.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vostrel::bench {

// CLOCK_MONOTONIC in nanoseconds, as the launcher took it just before fork.
inline long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

inline long peakRssOfThisProcessKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            seen_ = true;
            // The children of the window paint in the same pass; the timer
            // fires once that pass is over.
            QTimer::singleShot(0, [this] { report(); });
        }
        return false;
    }

private:
    void report() {
        const char* start = std::getenv("VOSTREL_BENCH_T0_NS");
        const double ms = start ? static_cast<double>(monotonicNanoseconds() - std::atoll(start)) / 1e6 : -1;
        std::printf("startup_ms %.3f\npeak_rss_kib %ld\nwidth %d\nheight %d\n", ms, peakRssOfThisProcessKiB(),
                    window_->width(), window_->height());
        std::fflush(stdout);
        _exit(0);
    }

    QWidget* window_;
    bool seen_ = false;
};

}  // namespace vostrel::bench
