// random_play_test.cpp: long seeded sequences of clicks, variant choices and timer ticks.
#include "description.h"
#include "game.h"
#include "game_rules.h"

#include <gtest/gtest.h>

#include <random>

namespace pebblix::testing {
namespace {

// What must hold after any event: the board of the selected variant, drawn as it was laid out,
// whose position is the last history row. (How long the history may grow: soak/history_bound_test.)
void ExpectConsistent(const Game& game) {
    const int lastCell = game.puzzle.LastCell;
    ASSERT_EQ(lastCell, game.window.optionValue(1) ? 8 : 6);
    for (std::int16_t i = 0; i < 9; ++i) {
        EXPECT_EQ(game.window.cell(i).visible, i <= lastCell) << "cell " << i;
    }
    EXPECT_EQ(game.ColoursInUse(), StartColours(lastCell));
    if (!game.History().empty()) {
        EXPECT_EQ(game.Board(), game.History().back());
    }
}

class RandomPlay : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomPlay, KeepsBoardHistoryAndPlaybackConsistent) {
    std::mt19937 random(GetParam());
    Game game;
    int emptyTicks = 0;
    for (int event = 0; event < 6000 && !HasFatalFailure(); ++event) {
        const std::string board = game.Board();
        const std::vector<std::string> history = game.History();
        const int hintStep = game.puzzle.HintStep;
        const GameState before = Observe(game.window);
        const bool sevenCells = game.puzzle.LastCell == 6;
        const unsigned roll = random() % 100;
        std::vector<std::string> expected = history;
        if (game.window.timerEnabled() && roll < 50) {
            const auto table = game.window.optionValue(0) ? Rows(description::kSolutionThree, 0)
                                                          : Rows(description::kSolutionFour, 0);
            game.Play(".");
            if (hintStep < std::ssize(table)) {
                expected.push_back(table[static_cast<std::size_t>(hintStep)]);
            } else {
                ++emptyTicks; // three per side picked late in a four-per-side playback
            }
            EXPECT_EQ(game.puzzle.HintStep, hintStep + 1);
            EXPECT_EQ(game.window.timerEnabled(), game.puzzle.HintStep < std::ssize(table));
        } else if (roll < 54) {
            const auto index = static_cast<std::int16_t>(roll % 2);
            if (!game.window.optionValue(index)) {
                expected = {StartPosition(3 + index)};
            }
            Apply(game.window, {EventKind::Option, index});
        } else if (roll < 57) {
            game.Play("6");
            expected.clear();
            EXPECT_EQ(game.puzzle.HintStep, 0);
            EXPECT_TRUE(game.window.timerEnabled());
        } else if (roll < 61) {
            game.Play("5");
            expected = {StartPosition(game.puzzle.LastCell / 2)};
        } else if (roll < 76) {
            game.Play("4"); // takes back to the row before the last, if there is one
            if (expected.size() >= 2) {
                expected.pop_back();
            }
        } else {
            const auto command = static_cast<MoveCommand>(roll % 4);
            game.Play(std::to_string(command));
            if (const auto after = CommandResult(board, command)) {
                expected.push_back(*after);
            }
        }
        EXPECT_EQ(game.History(), expected);
        if (expected.empty()) {
            EXPECT_EQ(game.Board(), board);
        }
        ExpectConsistent(game);
        if (sevenCells && game.puzzle.LastCell == 6) {
            // No event on seven cells writes to the hidden cells 7 and 8.
            const GameState now = Observe(game.window);
            for (const std::size_t i : {7, 8}) {
                EXPECT_TRUE(now.captions[i] == before.captions[i] &&
                            now.visible[i] == before.visible[i] &&
                            now.colours[i] == before.colours[i])
                    << "cell " << i;
            }
        }
        if (HasFailure()) {
            FAIL() << "seed " << GetParam() << ", event " << event << ", roll " << roll;
        }
    }
    // The sequences are long enough to reach the late switch from four to three per side.
    EXPECT_GT(emptyTicks, 0);
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomPlay, ::testing::Range(1U, 9U));

} // namespace
} // namespace pebblix::testing
