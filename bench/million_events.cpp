// million_events.cpp: a million random events on the real window, and its memory before and after.
//
// Plays the soak tests' event stream (clicks on every control, variant switches, timer ticks, keys
// in the rules text) on the game's window offscreen, running its event loop now and then, and
// prints one line: resident memory after the first frame and after the events, the peak, the most
// history rows seen and the time taken.
#include "celllabel.h"
#include "colourbutton.h"
#include "inf_igra_pebblix.h"
#include "optionbutton.h"
#include "playbacktimer.h"
#include "random_events.h"

#include <QApplication>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// A field of /proc/self/status in KiB, e.g. "VmRSS:" or "VmHWM:".
long StatusKiB(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string field;
    long value = -1;
    while (status >> field) {
        if (field == name) {
            status >> value;
            break;
        }
    }
    return value;
}

void DropUnhandledInputReports(QtMsgType, const QMessageLogContext&, const QString&) {
}

} // namespace

int main(int argc, char** argv) {
    using namespace pebblix::soak;
    QApplication app(argc, argv);
    pebblix::Inf_Igra_Pebblix window;
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    // Clicks on cells and keys in the read-only text go unhandled, and QTest says so each time.
    qInstallMessageHandler(DropUnhandledInputReports);
    const std::array<Qt::Key, 8> keys{Qt::Key_A,      Qt::Key_Space, Qt::Key_Return,
                                      Qt::Key_Delete, Qt::Key_Down,  Qt::Key_PageDown,
                                      Qt::Key_End,    Qt::Key_Tab};
    const QMetaMethod timeout = QMetaMethod::fromSignal(&QTimer::timeout);
    const long before = StatusKiB("VmRSS:");
    const auto start = std::chrono::steady_clock::now();
    constexpr int kEvents = 1'000'000;
    std::mt19937 random(7);
    int mostRows = 0;
    for (int index = 0; index < kEvents; ++index) {
        const Event event = NextEvent(random, window.timer()->isActive());
        switch (event.kind) {
        case EventKind::Command:
            QTest::mouseClick(window.command(event.index), Qt::LeftButton);
            break;
        case EventKind::Option:
            QTest::mouseClick(window.option(event.index), Qt::LeftButton);
            break;
        case EventKind::Tick:
            if (window.timer()->isActive()) {
                timeout.invoke(window.timer(), Qt::DirectConnection);
            }
            break;
        case EventKind::CellClick:
            QTest::mouseClick(window.cell(event.index), Qt::LeftButton);
            break;
        case EventKind::RulesKey:
            QTest::keyClick(window.rules(), keys.at(static_cast<std::size_t>(event.index) % 8));
            break;
        }
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
