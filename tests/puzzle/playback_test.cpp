// playback_test.cpp: "Подскажи" and the timer that plays a stored solution into the game.
#include "description.h"
#include "game.h"

#include <gtest/gtest.h>

namespace pebblix::testing {
namespace {

using description::kSolutionFour;
using description::kSolutionThree;

// A playback started after `before`, interrupted after some ticks by what the player does, then
// run until the timer stops.
struct PlaybackCase {
    const char* name;
    const char* before;
    int ticks;
    const char* interrupt;
    std::vector<std::string> history; // once the timer has stopped
    int hintStep;
};

class Playback : public ::testing::TestWithParam<PlaybackCase> {};

TEST_P(Playback, WritesTheSelectedTableFromHintStepUntilItsEnd) {
    const PlaybackCase& c = GetParam();
    Game game(c.before);
    const std::string board = game.Board();
    game.Play("6");
    EXPECT_TRUE(game.History().empty());
    EXPECT_EQ(game.Board(), board); // untouched until the first tick
    for (int tick = 0; tick < c.ticks; ++tick) {
        ASSERT_TRUE(game.window.timerEnabled());
        game.Play(".");
    }
    game.Play(c.interrupt);
    ASSERT_TRUE(game.window.timerEnabled());
    game.PlayToEnd();
    EXPECT_EQ(game.History(), c.history);
    EXPECT_EQ(game.Board(), c.history.back());
    EXPECT_EQ(game.puzzle.HintStep, c.hintStep);
    EXPECT_EQ(game.ColoursInUse(), StartColours(game.puzzle.LastCell));
}

const std::string kThree = "1110222";
const std::string kFour = "111102222";

// Every case moves a piece first, so that the board differs from the first row of either table.
INSTANTIATE_TEST_SUITE_P(
    Interruptions, Playback,
    ::testing::Values(
        PlaybackCase{"ThreeToTheEnd", "0", 0, "", Rows(kSolutionThree, 0), 16},
        PlaybackCase{"FourToTheEnd", "F0", 0, "", Rows(kSolutionFour, 0), 24},
        PlaybackCase{"HintAgainOnThree", "0", 7, "6", Rows(kSolutionThree, 0), 16},
        PlaybackCase{"HintAgainOnFour", "F0", 20, "6", Rows(kSolutionFour, 0), 24},
        PlaybackCase{"RestartAtStepFive", "0", 5, "5", Rows(kSolutionThree, 5, {kThree}), 16},
        PlaybackCase{"RestartOnFourAtStepTwenty", "F0", 20, "5", Rows(kSolutionFour, 20, {kFour}),
                     24},
        // A move or take-back in between stays in the history; the next tick writes over it.
        PlaybackCase{"MoveAtStepThree", "0", 3, "1",
                     Rows(kSolutionThree, 3, {kThree, "1112022", "1102122", "1120122"}), 16},
        PlaybackCase{"UndoTwiceAtStepFour", "0", 4, "44",
                     Rows(kSolutionThree, 4, {kThree, "1112022"}), 16},
        PlaybackCase{"ThreeToFourAtStepEight", "0", 8, "F", Rows(kSolutionFour, 8, {kFour}), 24},
        PlaybackCase{"FourToThreeAtStepTen", "F0", 10, "T", Rows(kSolutionThree, 10, {kThree}), 16},
        PlaybackCase{"FourToThreeAtStepFifteen", "F0", 15, "T", Rows(kSolutionThree, 15, {kThree}),
                     16},
        // Past row 15 the three-per-side table has nothing to show: the one tick left writes
        // nothing and stops the timer.
        PlaybackCase{"FourToThreeAtStepSixteen", "F0", 16, "T", {kThree}, 17},
        PlaybackCase{"FourToThreeAtStepTwentyThree", "F0", 23, "T", {kThree}, 24}),
    [](const auto& info) { return std::string(info.param.name); });

// A tick that comes while the timer is stopped (one already on its way when the playback ended)
// changes nothing: at the start, after moves, on four per side, and once a playback has ended.
TEST(StoppedTimer, TicksChangeNothing) {
    const std::vector<std::string> befores{"", "12", "F10", "6" + std::string(16, '.')};
    for (const std::string& before : befores) {
        Game game(before);
        ASSERT_FALSE(game.window.timerEnabled()) << before;
        const GameState state = Observe(game.window);
        game.Play("...");
        EXPECT_EQ(Observe(game.window), state) << before;
    }
}

} // namespace
} // namespace pebblix::testing
