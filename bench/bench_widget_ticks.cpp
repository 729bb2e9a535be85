// Copyright 2026 The Aeris400 demo authors
// SPDX-License-Identifier: MIT

// Ticks of the animation and of the controller, delivered to a real, shown TForm1 and painted
// by Qt's own repaint: pixels painted per tick (from the paint events the widgets receive) and
// CPU time per tick. With --instructions N it instead runs N ticks of each kind between
// callgrind client requests, for exact instruction counts per tick:
//   valgrind --tool=callgrind --collect-atstart=no bench_widget_ticks --instructions 200

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <memory>
#if AERIS_HAVE_CALLGRIND
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(x)
#define RUNNING_ON_VALGRIND 0
#endif

using namespace aeris;
using namespace aeris::bench;

namespace {

TForm1* g_form = nullptr;
PaintMeter* g_meter = nullptr;

void reportPaint(benchmark::State& state) {
    const double n = static_cast<double>(state.iterations());
    state.counters["px_per_tick"] = benchmark::Counter(static_cast<double>(g_meter->pixels) / n);
    state.counters["paints_per_tick"] = benchmark::Counter(static_cast<double>(g_meter->events) / n);
}

// Steady state: from the second tick on, each fan hides one frame and shows the next.
void BM_AnimationTick(benchmark::State& state) {
    for (int i = 0; i < 12; ++i)
        tick(*g_form, WidgetId::Timer1);
    g_meter->reset();
    for (auto _ : state)
        tick(*g_form, WidgetId::Timer1);
    reportPaint(state);
}
BENCHMARK(BM_AnimationTick);

// The level has not changed since the last controller tick: the same interval and caption are
// set again, which must cost next to nothing and paint nothing.
void BM_ControllerTickUnchanged(benchmark::State& state) {
    tick(*g_form, WidgetId::Timer2);
    g_meter->reset();
    for (auto _ : state)
        tick(*g_form, WidgetId::Timer2);
    reportPaint(state);
}
BENCHMARK(BM_ControllerTickUnchanged);

void explain(const char* what) {
    std::printf("%s: %lld px in %lld paint events\n", what, g_meter->pixels, g_meter->events);
    for (const auto& [name, px] : g_meter->byWidget)
        std::printf("  %-24s %lld\n", name.c_str(), px);
}

int countInstructions(int ticks) {
    for (int i = 0; i < 12; ++i)
        tick(*g_form, WidgetId::Timer1);
    tick(*g_form, WidgetId::Timer2);
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < ticks; ++i)
        tick(*g_form, WidgetId::Timer1);
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT("animation");
    CALLGRIND_ZERO_STATS;
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < ticks; ++i)
        tick(*g_form, WidgetId::Timer2);
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_DUMP_STATS_AT("controller");
    std::printf("ticks=%d running_on_valgrind=%d\n", ticks, static_cast<int>(RUNNING_ON_VALGRIND));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PaintMeter meter;
    g_meter = &meter;
    auto form = std::make_unique<TForm1>(QStringLiteral("Aeris400"));
    g_form = form.get();
    form->showAtStoredPlace();
    settle(500);
    explain("first frames");

    // The wall switch twice: stage level 3, which the controller's next tick turns into "high".
    clickStageButton(*form);
    clickStageButton(*form);
    tick(*form, WidgetId::Timer2);
    if (form->timer(WidgetId::Timer1)->interval() != 15) {
        std::fprintf(stderr, "the pace is %u ms, not 15 ms\n", form->timer(WidgetId::Timer1)->interval());
        return 1;
    }
    settle(100);

    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--instructions") == 0 && i + 1 < argc)
            return countInstructions(std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--explain") == 0) {
            for (int k = 0; k < 12; ++k)
                tick(*form, WidgetId::Timer1);
            meter.reset();
            tick(*form, WidgetId::Timer1);
            explain("one animation tick");
            meter.reset();
            tick(*form, WidgetId::Timer2);
            explain("one controller tick, level unchanged");
            return 0;
        }
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
