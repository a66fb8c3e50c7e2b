// events_test.cpp: the real timer, and clicks and keys that must change nothing.
//
// Every click, tick and key as the player and the timer give them, against the puzzle on the
// stand-in after each: soak/window_soak_test.cpp, 100,000 seeded events.
#include "window_test.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

namespace pebblix::testing {
namespace {

// The one test of the real timer at its own pace (every other test ticks it by hand): a whole
// playback, one row every 400 ms, ends on the swapped position and stops.
TEST_F(WindowTest, RealTimerPlaysTheWholeTableAndStops) {
    const int interval = Find("Timer1")->intervalMs;
    Show();
    Click(window.command(0));
    QElapsedTimer clock;
    clock.start();
    Click(window.command(6));
    EXPECT_TRUE(window.timer()->isActive());
    EXPECT_EQ(window.timer()->interval(), 400);
    EXPECT_TRUE(History().empty());
    EXPECT_EQ(Board(), "1101222") << "the board waits for the first tick";

    const auto rows = static_cast<int>(kSolutionThree.size());
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !window.timer()->isActive(); }, rows * interval + 2000));
    EXPECT_GE(clock.elapsed(), rows * interval * 9 / 10) << "one row per " << interval << " ms";
    EXPECT_EQ(History(), std::vector<std::string>(kSolutionThree.begin(), kSolutionThree.end()));
    EXPECT_EQ(window.puzzle().HintStep, rows);
}

TEST_F(WindowTest, CellsAndTheRulesTextIgnoreClicksAndKeys) {
    Show();
    Click(window.command(1));
    const GameState before = Observe(window);
    QPlainTextEdit* rules = window.rules();
    const QString text = rules->toPlainText();
    for (std::int16_t i = 0; i <= window.puzzle().LastCell; ++i) {
        Click(window.cell(i));
        Click(window.cell(i), true);
    }
    Click(rules);
    Click(rules, true);
    QGuiApplication::clipboard()->setText(QStringLiteral("1110222"));
    QTest::keyClicks(rules, QStringLiteral("abc 12"));
    QTest::sendKeyEvent(QTest::Click, rules, Qt::Key_unknown, QStringLiteral("П"), Qt::NoModifier);
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(rules, key);
    }
    for (Qt::Key key : {Qt::Key_A, Qt::Key_X, Qt::Key_V, Qt::Key_Z, Qt::Key_Delete}) {
        QTest::keyClick(rules, key, key == Qt::Key_Delete ? Qt::NoModifier : Qt::ControlModifier);
    }
    QTest::keyClick(rules, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(rules->toPlainText(), text);
    EXPECT_EQ(Observe(window), before);
}

} // namespace
} // namespace pebblix::testing
