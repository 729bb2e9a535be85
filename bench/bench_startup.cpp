// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// The program's own start-up, from main() to the first completed paint: it runs runProgram()
// unchanged and only watches. The first paint event posts a call that runs once the paint and
// its flush have returned; that call notes the time and quits. Prints one line:
//   startup main_to_first_paint_ms=... main_to_exit_ms=... jpeg_decodes=... cpu_s=... maxrss_kb=...

#include "app/Startup.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <dlfcn.h>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point g_mainStart;
double g_firstPaintMs = -1;
std::atomic<int> g_jpegDecodes{0};
double g_cpuAtPaint = 0;
long g_rssAtPaint = 0;

double msSinceMain() {
    return std::chrono::duration<double, std::milli>(Clock::now() - g_mainStart).count();
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    g_firstPaintMs = msSinceMain();
                    rusage ru{};
                    getrusage(RUSAGE_SELF, &ru);
                    g_cpuAtPaint = static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                                   static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
                    g_rssAtPaint = ru.ru_maxrss;
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(object, event);
    }

private:
    bool m_seen{false};
};

void watchFirstPaint() {
    qApp->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

// Every JPEG decode, on whichever thread, goes through libjpeg's jpeg_start_decompress, which Qt's image
// plugin finds in this executable first (it exports its symbols); the call is counted and passed on.
extern "C" int jpeg_start_decompress(void* cinfo) {
    using Fn = int (*)(void*);
    // The plugin loads libjpeg privately, so look it up there rather than in the global scope.
    static const auto next =
        reinterpret_cast<Fn>(dlsym(dlopen("libjpeg.so.62", RTLD_NOW | RTLD_NOLOAD), "jpeg_start_decompress"));
    ++g_jpegDecodes;
    return next(cinfo);
}

int main(int argc, char** argv) {
    g_mainStart = Clock::now();
    const int status = aeris::runProgram(argc, argv);
    std::printf("startup main_to_first_paint_ms=%.2f main_to_exit_ms=%.2f jpeg_decodes=%d cpu_s=%.3f "
                "maxrss_kb=%ld status=%d\n",
                g_firstPaintMs, msSinceMain(), g_jpegDecodes.load(), g_cpuAtPaint, g_rssAtPaint, status);
    return status;
}
