// events_test.cpp: clicks, ticks and keys on the window, against the puzzle on the stand-in.
#include "window_test.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

namespace pebblix::testing {
namespace {

// The window and the in-memory stand-in given the same events (Mirror), compared after each.
class MirrorTest : public WindowTest {
protected:
    void SetUp() override { Show(); }

    void Play(std::string_view script) {
        int number = 0;
        for (const Event& event : Events(script)) {
            mirror.Play(event);
            ASSERT_EQ(Observe(window), Observe(mirror.model))
                << "after event " << ++number << ", " << event << ", of " << script;
        }
    }

    Mirror mirror{window};
};

struct Script {
    const char* name;
    std::string events;
    std::string board;    // the position at the end
    std::size_t rows;     // the number of history rows at the end
    bool playing = false; // the timer still runs at the end
};

class ScriptTest : public MirrorTest, public ::testing::WithParamInterface<Script> {};

TEST_P(ScriptTest, WindowDoesWhatThePuzzleDoesOnTheStandIn) {
    const Script& script = GetParam();
    Play(script.events);
    EXPECT_EQ(Board(), script.board);
    EXPECT_EQ(History().size(), script.rows);
    EXPECT_EQ(window.timer()->isActive(), script.playing);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ScriptTest,
    ::testing::Values(
        Script{"NoMoveOfTheKindChangesNothing", "232344", "1110222", 1},
        Script{"FiveMovesOnThree", "12033", "1212102", 6},
        Script{"MovesTakenBackPastTheStart", "120 4444 0", "1101222", 2},
        Script{"RestartAfterMoves", "125", "1110222", 1},
        Script{"VariantsSwitchedMidGame", "12 F 120 T 1 F", "111102222", 1},
        Script{"FourSolvedByHand", "F 1203 3122 2033 3302 2213 3021", "222201111", 25},
        Script{"PlaybackWithMoveUndoAndRestart", "6.. 1. 4. 5. 6..", "1112022", 2, true},
        Script{"PlaybackOfThreeToItsEnd", "6" + std::string(17, '.'), "2220111", 16},
        Script{"PlaybackOfFourToItsEnd", "F6" + std::string(25, '.'), "222201111", 24},
        // Past row 15 of a four-per-side playback "3" is picked: the next tick reads beyond the
        // table of three, so it writes nothing, records nothing, and ends the playback.
        Script{"PlaybackSwitchedToThreeBeyondItsTable", "F6" + std::string(17, '.') + "T..",
               "1110222", 1},
        Script{"PlaybackSwitchedToThreeEarly", "F6..... T" + std::string(12, '.'), "2220111", 12}),
    [](const auto& info) { return info.param.name; });

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

TEST_F(WindowTest, ClickingTheSelectedOptionChangesNothing) {
    Show();
    for (std::int16_t option : {0, 1}) {
        Click(window.option(option));
        Click(window.command(1));
        const GameState before = Observe(window);
        Click(window.option(option));
        EXPECT_EQ(Observe(window), before) << "Option1(" << option << ')';
    }
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
