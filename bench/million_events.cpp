// million_events.cpp: a million random events on the real window, and its memory before and after.
//
// Plays the soak tests' event stream (clicks on every control, variant switches, timer ticks, keys
// in the rules text) on the game's window offscreen, running its event loop now and then, and
// prints one line: resident memory after the first frame and after the events, the peak, the most
// history rows seen and the time taken.
#include "memory.h"
#include "qtwindow.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    using namespace pebblix::testing;
    QApplication app(argc, argv);
    pebblix::Inf_Igra_Pebblix window;
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    DropUnhandledInputReports();
    const long before = StatusKiB("VmRSS:");
    const auto start = std::chrono::steady_clock::now();
    constexpr int kEvents = 1'000'000;
    std::mt19937 random(7);
    int mostRows = 0;
    for (int index = 0; index < kEvents; ++index) {
        Apply(window, NextEvent(random, window.timer()->isActive()));
        mostRows = std::max<int>(mostRows, window.list(0).ListCount());
        // Now and then the event loop runs, as it does between the player's clicks: it paints
        // and delivers what showing and hiding the cells posted.
        if (index % 256 == 0) {
            QCoreApplication::processEvents();
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("events %d rss_before_kib %ld rss_after_kib %ld rss_peak_kib %ld most_rows %d "
                "seconds %.1f\n",
                kEvents, before, StatusKiB("VmRSS:"), StatusKiB("VmHWM:"), mostRows, seconds);
    return 0;
}
