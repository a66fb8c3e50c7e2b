// events_test.cpp: clicks, ticks and keys on the window, against the puzzle on the stand-in.
#include "window_test.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <random>
#include <sstream>

namespace pebblix::testing {
namespace {

// The window and the in-memory stand-in, started alike and given the same events: every click goes
// to both, and every tick of the window's timer, however it comes, ticks the stand-in too.
class MirrorTest : public WindowTest {
protected:
    void SetUp() override {
        memory.Load();
        Show();
        QObject::connect(window.timer(), &QTimer::timeout, [this] { memory.Tick(); });
    }

    // One event a word: "c<i>" clicks Command1(i), "o<i>" clicks Option1(i), "t" is a tick of
    // the timer and "t<n>" n ticks.
    void Play(const std::string& events) {
        std::istringstream words(events);
        for (std::string word; words >> word;) {
            const int number = word.size() > 1 ? std::stoi(word.substr(1)) : 1;
            const auto index = static_cast<std::int16_t>(number);
            if (word[0] == 'c') {
                Click(window.command(index));
                memory.ClickCommand(index);
            } else if (word[0] == 'o') {
                Click(window.option(index));
                memory.ClickOption(index);
            }
            for (int tick = 0; word[0] == 't' && tick < number; ++tick) {
                Tick();
                ASSERT_EQ(Observe(window), Observe(memory)) << "after tick " << tick + 1;
            }
            ASSERT_EQ(Observe(window), Observe(memory)) << "after " << word;
        }
    }

    MemoryWindow memory;
};

struct Script {
    const char* name;
    std::string events;
    std::string board;    // the position at the end
    std::size_t rows;     // the number of history rows at the end
    bool playing = false; // the timer still runs at the end
};

void PrintTo(const Script& param, std::ostream* out) {
    *out << param.name;
}

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
        Script{"NoMoveOfTheKindChangesNothing", "c2 c3 c2 c3 c4 c4", "1110222", 1},
        Script{"FiveMovesOnThree", "c1 c2 c0 c3 c3", "1212102", 6},
        Script{"MovesTakenBackPastTheStart", "c1 c2 c0 c4 c4 c4 c4 c0", "1101222", 2},
        Script{"RestartAfterMoves", "c1 c2 c5", "1110222", 1},
        Script{"VariantsSwitchedMidGame", "c1 c2 o1 c1 c2 c0 o0 c1 o1", "111102222", 1},
        Script{"FourSolvedByHand",
               "o1 c1 c2 c0 c3 c3 c1 c2 c2 c2 c0 c3 c3 c3 c3 c0 c2 c2 c2 c1 c3 c3 c0 c2 c1",
               "222201111", 25},
        Script{"PlaybackWithMoveUndoAndRestart", "c6 t t c1 t c4 t c5 t c6 t t", "1112022", 2,
               true},
        Script{"PlaybackOfThreeToItsEnd", "c6 t17", "2220111", 16},
        // Past row 15 of a four-per-side playback "3" is picked: the next tick reads beyond the
        // table of three, so it writes nothing, records nothing, and ends the playback.
        Script{"PlaybackSwitchedToThreeBeyondItsTable", "o1 c6 t17 o0 t t", "1110222", 1},
        Script{"PlaybackSwitchedToThreeEarly", "o1 c6 t5 o0 t12", "2220111", 12}),
    [](const auto& info) { return info.param.name; });

TEST_F(MirrorTest, WindowDoesWhatThePuzzleDoesUnderRandomEvents) {
    static constexpr std::array kEvents{"c0", "c1", "c2", "c3", "c4", "c5", "c6", "o0", "o1", "t"};
    std::mt19937 random(20261208);
    std::discrete_distribution<std::size_t> pick({6, 6, 4, 4, 4, 1, 1, 1, 1, 5});
    std::string events;
    for (int i = 0; i < 400; ++i) {
        events += kEvents.at(pick(random)) + std::string(" ");
    }
    Play(events);
}

// The real timer at its own pace: a whole playback, one row a tick, ends on the swapped position.
struct Playback {
    const char* name;
    std::int16_t option;
    std::span<const std::string_view> table;
};

void PrintTo(const Playback& param, std::ostream* out) {
    *out << param.name;
}

class PlaybackTest : public WindowTest, public ::testing::WithParamInterface<Playback> {};

TEST_P(PlaybackTest, RealTimerPlaysTheWholeTableAndStops) {
    const Playback& playback = GetParam();
    const int interval = Find("Timer1")->intervalMs;
    Show();
    Click(window.option(playback.option));
    const std::string start = Board();
    QElapsedTimer clock;
    clock.start();
    Click(window.command(6));
    EXPECT_TRUE(window.timer()->isActive());
    EXPECT_EQ(window.timer()->interval(), 400);
    EXPECT_TRUE(History().empty());
    EXPECT_EQ(Board(), start) << "the board waits for the first tick";

    const auto rows = static_cast<int>(playback.table.size());
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return !window.timer()->isActive(); }, rows * interval + 2000));
    EXPECT_GE(clock.elapsed(), rows * interval * 9 / 10) << "one row per " << interval << " ms";
    EXPECT_EQ(Board(), playback.table.back());
    EXPECT_EQ(History(), std::vector<std::string>(playback.table.begin(), playback.table.end()));
    EXPECT_EQ(window.puzzle().HintStep, rows);
}

INSTANTIATE_TEST_SUITE_P(Window, PlaybackTest,
                         ::testing::Values(Playback{"ThreePerSide", 0, kSolutionThree},
                                           Playback{"FourPerSide", 1, kSolutionFour}),
                         [](const auto& info) { return info.param.name; });

TEST_F(WindowTest, RestartDuringPlaybackLetsThePlaybackGoOn) {
    Show();
    Click(window.command(6));
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.puzzle().HintStep == 5; }, 5000));
    EXPECT_EQ(Board(), kSolutionThree[4]);
    Click(window.command(5));
    EXPECT_EQ(Board(), "1110222");
    EXPECT_EQ(History(), std::vector<std::string>{"1110222"});
    EXPECT_TRUE(window.timer()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.puzzle().HintStep == 6; }, 2000));
    EXPECT_EQ(Board(), kSolutionThree[5]);
    EXPECT_EQ(History(), (std::vector<std::string>{"1110222", std::string(kSolutionThree[5])}));
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
