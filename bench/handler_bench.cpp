// handler_bench.cpp: how long each of the window's handlers takes, on the real window offscreen.
//
// Every benchmark first puts the game where the handler has work to do (untimed), then times
// only the handler: a button's click signal through the window's connection, an option's
// selection, or one timeout of the playback timer. Each run also reports how much more heap is
// in use after it than before; anything above zero, repetition after repetition, is a leak.
#include "memory.h"
#include "qtwindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string_view>

namespace {

pebblix::Inf_Igra_Pebblix* window = nullptr;

void Click(std::int16_t index) {
    window->command(index)->click();
}

// Times `act` after `prepare` on every iteration and records the heap's growth over the run.
void Measure(benchmark::State& state, const std::function<void()>& prepare,
             const std::function<void()>& act) {
    using Clock = std::chrono::steady_clock;
    // The three-per-side variant; a click on the option button already selected changes nothing.
    window->option(0)->click();
    prepare();
    act();
    // Showing and hiding widgets posts events that the game's event loop would deliver at once;
    // here they are delivered between runs, so that only what stays behind counts as growth.
    QCoreApplication::sendPostedEvents();
    const std::size_t heapBefore = pebblix::testing::LiveHeapBytes();
    int iteration = 0;
    for (auto _ : state) {
        prepare();
        if (++iteration % 64 == 0) {
            QCoreApplication::sendPostedEvents();
        }
        const auto start = Clock::now();
        act();
        const auto stop = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    QCoreApplication::sendPostedEvents();
    state.counters["heap_growth_B"] =
        static_cast<double>(pebblix::testing::LiveHeapBytes()) - static_cast<double>(heapBefore);
}

// Each button where it has work to do, after the clicks that lead there, with no playback running:
// "1 надясно" and "2 наляво" from the start position, "1 прескача" once a "2" has stepped next to a
// "1", "2 прескача" once a "1" has stepped next to a "2", "Ход назад" and "Чисти" after one move,
// "Подскажи" on a game in progress.
void Command(benchmark::State& state) {
    static constexpr std::string_view kBefore[] = {"5", "5", "51", "50", "50", "0", "0"};
    const auto index = static_cast<std::int16_t>(state.range(0));
    Measure(
        state,
        [index] {
            for (const char button : kBefore[index]) {
                Click(static_cast<std::int16_t>(button - '0'));
            }
            window->timer()->stop();
        },
        [index] { Click(index); });
}
BENCHMARK(Command)->DenseRange(0, 6)->UseManualTime()->Iterations(20000);

// The player switches variant, each time to the other one.
void Option(benchmark::State& state) {
    std::int16_t next = 1;
    Measure(
        state, [] {},
        [&next] {
            window->option(next)->click();
            next = static_cast<std::int16_t>(1 - next);
        });
}
BENCHMARK(Option)->UseManualTime()->Iterations(20000);

// One tick of a running playback, at a row the table has.
void TimerTick(benchmark::State& state) {
    Measure(
        state,
        [] {
            if (!window->timer()->isActive() || window->puzzle().HintStep >= 15) {
                Click(6);
            }
        },
        [] { pebblix::testing::TickTimer(*window); });
}
BENCHMARK(TimerTick)->UseManualTime()->Iterations(20000);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pebblix::Inf_Igra_Pebblix game;
    game.Form_Load();
    game.show();
    QCoreApplication::processEvents(); // the first frame, as the player sees it
    window = &game;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
