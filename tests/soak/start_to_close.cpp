// start_to_close.cpp: one whole run of the window, from creation to close, in its event loop.
//
// Creates the window as the game does, lays out the first game, shows it, plays the stored
// three-per-side solution tick by tick, a tick at each turn of the event loop rather than every
// 400 ms, until the timer stops by itself, closes the window and leaves the event loop. Exits
// non-zero if the playback did not end on the swapped position or a widget outlives the window;
// built with AddressSanitizer, LeakSanitizer then checks that nothing else the program allocated is
// left behind.
#include "description.h"
#include "qtwindow.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using pebblix::description::kSolutionThree;
    auto* window = new pebblix::Inf_Igra_Pebblix;
    const QPointer<pebblix::Inf_Igra_Pebblix> alive(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();

    std::string board;
    int rows = 0;
    auto* ticks = new QTimer(window);
    QObject::connect(ticks, &QTimer::timeout, window,
                     [window] { pebblix::testing::TickTimer(*window); });
    // Connected after the window's own handler, so it sees each tick's outcome.
    QObject::connect(window->timer(), &QTimer::timeout, window, [window, ticks, &board, &rows] {
        if (window->timer()->isActive()) {
            return;
        }
        ticks->stop();
        board = pebblix::testing::Observe(*window).Board();
        rows = window->list(0).ListCount();
        window->close();
    });
    QTimer::singleShot(0, window, [window, ticks] {
        window->command(6)->click();
        ticks->start(0);
    });
    // A playback that never ends must not hang the run.
    QTimer::singleShot(30'000, &app, [] {
        std::fputs("the playback did not stop within 30 s\n", stderr);
        QCoreApplication::exit(2);
    });
    const int status = QApplication::exec();
    delete alive.data(); // closed but not yet deleted when the loop ended
    if (status != 0) {
        return status;
    }
    // Qt keeps a list of every widget, so one the window lost would not count as a leak: it must
    // have been destroyed with the window.
    if (const auto widgets = QApplication::allWidgets(); !widgets.isEmpty()) {
        std::fprintf(stderr, "%lld widgets outlive the window, the first %s\n",
                     static_cast<long long>(widgets.size()),
                     widgets.front()->metaObject()->className());
        return 1;
    }
    if (board != kSolutionThree.back() || rows != static_cast<int>(kSolutionThree.size())) {
        std::fprintf(stderr, "playback ended on %s with %d history rows\n", board.c_str(), rows);
        return 1;
    }
    return 0;
}
