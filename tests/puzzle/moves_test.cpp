// moves_test.cpp: the four move commands on chosen positions.
#include "game.h"

#include <gtest/gtest.h>

namespace pebblix::testing {
namespace {

// A position laid on the board, a move button, and the position it must leave; an empty result
// means the button finds no move and nothing may change.
struct MoveCase {
    const char* position;
    int button;
    const char* after;
};

class MoveCommands : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveCommands, MakeTheFirstMoveOfTheirKindAndRecordIt) {
    const MoveCase& c = GetParam();
    const std::string position = c.position;
    Game game(position.size() == 9 ? "F" : "");
    game.Lay(position);
    game.Play(std::to_string(c.button));
    const std::string start = StartPosition(static_cast<int>(position.size()) / 2);
    if (std::string(c.after).empty()) {
        EXPECT_EQ(game.Board(), position);
        EXPECT_EQ(game.History(), std::vector<std::string>{start});
    } else {
        EXPECT_EQ(game.Board(), c.after);
        EXPECT_EQ(game.History(), (std::vector<std::string>{start, c.after}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, MoveCommands,
    ::testing::Values(
        // The three-per-side start: only the two steps into the middle are possible.
        MoveCase{"1110222", 1, "1112022"}, MoveCase{"1110222", 0, "1101222"},
        MoveCase{"1110222", 2, ""}, MoveCase{"1110222", 3, ""},
        // Along the stored solution.
        MoveCase{"1112022", 2, "1102122"}, MoveCase{"1102122", 0, "1012122"},
        MoveCase{"1012122", 3, "1210122"},
        // The moves that start or land at either end of the board.
        MoveCase{"0212121", 1, "2012121"}, MoveCase{"1212120", 2, "1212021"},
        MoveCase{"0121122", 3, "2101122"}, MoveCase{"1212120", 0, ""}, MoveCase{"0212121", 3, ""},
        // A jump needs an opposing piece to jump over.
        MoveCase{"1102212", 2, ""}, MoveCase{"1201122", 3, ""},
        // Four per side.
        MoveCase{"111102222", 1, "111120222"}, MoveCase{"111120222", 2, "111021222"},
        MoveCase{"212121120", 2, "212121021"}, MoveCase{"012121212", 3, "210121212"},
        MoveCase{"012121212", 0, ""},
        // The swapped positions end the game: no button moves anything.
        MoveCase{"2220111", 0, ""}, MoveCase{"2220111", 1, ""}, MoveCase{"2220111", 2, ""},
        MoveCase{"2220111", 3, ""}, MoveCase{"222201111", 0, ""}, MoveCase{"222201111", 1, ""},
        MoveCase{"222201111", 2, ""}, MoveCase{"222201111", 3, ""},
        // With two empty cells a button could move two pieces: it moves only the first it
        // finds, a "1" from the left end, a "2" from the right end.
        MoveCase{"1010202", 0, "0110202"}, MoveCase{"1010202", 1, "1010220"},
        MoveCase{"1200120", 2, "0210120"}, MoveCase{"0122012", 3, "0122210"}));

} // namespace
} // namespace pebblix::testing
