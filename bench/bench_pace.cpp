// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// The animation's pace in the real event loop: builds and shows the window as the program
// does, sets the pace with clicks on the wall switch's button, and timestamps every tick that
// the event loop delivers to Timer1. Prints one line of statistics.
//   bench_pace --interval 15 --seconds 10        median, worst and mean interval, CPU, RSS
//   bench_pace --interval 15 --busy 200           a 200 ms busy spell, then the ticks after it
//   bench_pace --interval 15 --ticks 200          quits after 200 ticks (for callgrind; 0 ticks
//                                                 quits at the same point, for the baseline)

#include "BenchSupport.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <sys/resource.h>
#include <thread>
#include <vector>

using namespace aeris;
using namespace aeris::bench;

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double cpuSeconds() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
           static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

class TickLog : public QObject {
public:
    bool recording{false};
    std::vector<Clock::time_point> ticks;
    long limit{-1};

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Timer && recording) {
            ticks.push_back(Clock::now());
            if (limit >= 0 && static_cast<long>(ticks.size()) >= limit) {
                recording = false;
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(object, event);
    }
};

double percentile(std::vector<double> v, double q) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv) {
    unsigned interval = 15;
    double seconds = 10;
    int busyMs = 0;
    long ticks = -1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--interval") == 0)
            interval = static_cast<unsigned>(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--busy") == 0)
            busyMs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--ticks") == 0)
            ticks = std::atol(argv[i + 1]);
    }

    QApplication app(argc, argv);
    TForm1 form(QStringLiteral("Aeris400"));
    form.showAtStoredPlace();
    TickLog log;
    QObject* timer1 = form.component(WidgetId::Timer1);
    timer1->installEventFilter(&log);
    settle(400);
    for (int i = 0; i < clicksFor(interval); ++i)
        clickStageButton(form);
    // The controller applies the level at its next tick; under valgrind that can take a while.
    QElapsedTimer waited;
    waited.start();
    while (form.timer(WidgetId::Timer1)->interval() != interval && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (ticks < 0)
        settle(500);
    if (form.timer(WidgetId::Timer1)->interval() != interval) {
        std::fprintf(stderr, "pace %u ms, wanted %u ms\n", form.timer(WidgetId::Timer1)->interval(),
                     interval);
        return 1;
    }

    if (ticks >= 0) {
        if (ticks == 0)
            return 0;
        log.limit = ticks;
        log.recording = true;
        return app.exec();
    }

    const double cpu0 = cpuSeconds();
    const auto start = Clock::now();
    Clock::time_point busyEnd{};
    log.recording = true;
    if (busyMs > 0) {
        // A handler that keeps the loop busy, as a slow repaint or a modal moment would.
        QTimer::singleShot(2000, Qt::PreciseTimer, &app, [&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(busyMs));
            busyEnd = Clock::now();
        });
    }
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    const double runMs = ms(Clock::now() - start);
    const double cpu = cpuSeconds() - cpu0;

    std::vector<double> gaps;
    for (std::size_t i = 1; i < log.ticks.size(); ++i)
        gaps.push_back(ms(log.ticks[i] - log.ticks[i - 1]));
    const double mean =
        gaps.empty() ? 0 : std::accumulate(gaps.begin(), gaps.end(), 0.0) / static_cast<double>(gaps.size());
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf(
        "pace interval_ms=%u run_ms=%.0f ticks=%zu expected=%.1f median_ms=%.3f mean_ms=%.3f p99_ms=%.3f "
        "max_ms=%.3f min_ms=%.3f late_1.5x=%ld cpu_s=%.3f maxrss_kb=%ld",
        interval, runMs, log.ticks.size(), runMs / interval, percentile(gaps, 0.5), mean,
        percentile(gaps, 0.99), gaps.empty() ? 0 : *std::max_element(gaps.begin(), gaps.end()),
        gaps.empty() ? 0 : *std::min_element(gaps.begin(), gaps.end()),
        static_cast<long>(
            std::count_if(gaps.begin(), gaps.end(), [&](double g) { return g > 1.5 * interval; })),
        cpu, ru.ru_maxrss);
    if (busyMs > 0) {
        // Ticks that fell due during the spell must not arrive in a burst after it: at most one
        // late tick right away, then the normal pace.
        int within = 0;
        std::vector<double> after;
        for (auto t : log.ticks) {
            if (t >= busyEnd && after.size() < 4)
                after.push_back(ms(t - busyEnd));
            if (t >= busyEnd && ms(t - busyEnd) < interval)
                ++within;
        }
        std::printf(" busy_ms=%d ticks_in_first_interval_after=%d first_ticks_after_ms=", busyMs, within);
        for (double a : after)
            std::printf("%.1f,", a);
    }
    std::printf("\n");
    return 0;
}
