// window_soak_test.cpp: the real window and the in-memory stand-in fed the same long random runs.
//
// Both run the same puzzle, so any difference comes from the window: a control wired to the wrong
// handler, a click that is lost or doubled, a timer that ticks when it should not, a cell that
// shows something other than what the puzzle wrote, or a key in the rules text that reaches the
// game. After every event the two are compared; the first difference stops the run.
#include "qtwindow.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace pebblix::soak {
namespace {

using namespace pebblix::testing;

// The situations each run must pass through, counted on the stand-in before each event.
struct Coverage {
    int restartsDuringPlayback = 0;
    int switchesToFourDuringPlayback = 0;
    int switchesToThreeDuringPlayback = 0;
    int ticksPastTheTable = 0;
    int takeBacks = 0;

    void Note(const Event& event, const StandIn& model) {
        const bool playing = model.timerEnabled();
        if (event.kind == EventKind::Command && event.index == 5 && playing) {
            ++restartsDuringPlayback;
        }
        if (event.kind == EventKind::Option && playing && !model.optionValue(event.index)) {
            ++(event.index == 1 ? switchesToFourDuringPlayback : switchesToThreeDuringPlayback);
        }
        if (event.kind == EventKind::Tick && playing && model.optionValue(0) &&
            model.puzzle().HintStep >= model.list(1).ListCount()) {
            ++ticksPastTheTable;
        }
        if (event.kind == EventKind::Command && event.index == 4 && model.list(0).ListCount() > 1) {
            ++takeBacks;
        }
    }
};

// Ten runs of this length make 100,000 events, in each build.
constexpr int kEventsPerRun = 10'000;

class WindowSoak : public ::testing::TestWithParam<unsigned> {};

TEST_P(WindowSoak, WindowMatchesTheStandInAfterEveryEvent) {
    const unsigned seed = GetParam();
    Inf_Igra_Pebblix window;
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString rules = window.rules()->toPlainText();
    Mirror mirror(window);
    const StandIn& model = mirror.model;

    ASSERT_EQ(Observe(window), Observe(model)) << "seed " << seed << ", at start";
    std::mt19937 random(seed);
    Coverage coverage;
    for (int index = 0; index < kEventsPerRun; ++index) {
        const Event event = NextEvent(random, model.timerEnabled());
        coverage.Note(event, model);
        mirror.Play(event);
        if (event.kind == EventKind::RulesKey) {
            ASSERT_EQ(window.rules()->toPlainText(), rules)
                << "seed " << seed << ", event " << index << ": " << event;
            ASSERT_TRUE(window.isVisible()) << "seed " << seed << ", event " << index;
        }
        // Now and then what the event loop would do between clicks: deliver the events that
        // showing and hiding cells posted, and paint the whole window with what the cells hold.
        // Timers are left out, so that a seed replays exactly.
        if (index % 256 == 0) {
            QCoreApplication::sendPostedEvents();
            window.repaint();
        }
        ASSERT_EQ(Observe(window), Observe(model))
            << "seed " << seed << ", event " << index << " (" << event << ")";
    }
    EXPECT_GT(coverage.restartsDuringPlayback, 0);
    EXPECT_GT(coverage.switchesToFourDuringPlayback, 0);
    EXPECT_GT(coverage.switchesToThreeDuringPlayback, 0);
    EXPECT_GT(coverage.ticksPastTheTable, 0);
    EXPECT_GT(coverage.takeBacks, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WindowSoak,
                         ::testing::Values(1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u, 55u, 89u));

} // namespace
} // namespace pebblix::soak
