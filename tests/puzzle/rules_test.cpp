// rules_test.cpp: the stored solutions and every move command checked against the rules alone.
#include "description.h"
#include "game.h"
#include "game_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pebblix::testing {
namespace {

bool IsOneMove(const std::string& from, const std::string& to) {
    const auto moves = LegalMoves(from);
    return std::any_of(moves.begin(), moves.end(), [&](const Move& m) { return m.after == to; });
}

TEST(StoredSolutions, AreLegalMoveByMoveFromStartToSwapped) {
    const auto three = Rows(description::kSolutionThree, 0);
    const auto four = Rows(description::kSolutionFour, 0);
    EXPECT_EQ(three.front(), StartPosition(3));
    EXPECT_TRUE(IsOneMove(StartPosition(4), four.front()));
    EXPECT_EQ(three.back(), SwappedPosition(3));
    EXPECT_EQ(four.back(), SwappedPosition(4));
    for (const auto* table : {&three, &four}) {
        for (std::size_t row = 1; row < table->size(); ++row) {
            EXPECT_TRUE(IsOneMove((*table)[row - 1], (*table)[row])) << "row " << row;
        }
    }
}

// Fifteen moves for three per side, whose table of sixteen rows holds the start, and twenty-four
// for four, whose twenty-four rows do not (the tables' sizes are their types').
TEST(StoredSolutions, AreShortest) {
    EXPECT_EQ(Distances(StartPosition(3)).at(SwappedPosition(3)), 15);
    EXPECT_EQ(Distances(StartPosition(4)).at(SwappedPosition(4)), 24);
}

// Every position of the cells in use, each "0", "1" or "2": those the game reaches, and those it
// never does, such as two empty cells, where a button could move two pieces and moves only the
// first its scan finds, a "1" from the left end, a "2" from the right end.
std::vector<std::string> EveryPosition(int cells) {
    std::vector<std::string> positions{""};
    for (int cell = 0; cell < cells; ++cell) {
        std::vector<std::string> longer;
        for (const std::string& position : positions) {
            for (const char piece : {'0', '1', '2'}) {
                longer.push_back(position + piece);
            }
        }
        positions.swap(longer);
    }
    return positions;
}

// Every position, every move button: the button makes exactly the move the rules give and records
// it, or changes nothing at all. Nothing else in any cell may change.
TEST(MoveCommandsOnEveryPosition, MakeTheRuleMoveOrNothing) {
    for (const int perSide : {3, 4}) {
        const std::string start = StartPosition(perSide);
        for (const std::string& position : EveryPosition(2 * perSide + 1)) {
            for (const MoveCommand command :
                 {kStepOneRight, kStepTwoLeft, kJumpOneRight, kJumpTwoLeft}) {
                SCOPED_TRACE(position + " button " + std::to_string(command));
                Game game(perSide == 4 ? "F" : "");
                game.Lay(position);
                if (perSide == 3) {
                    // Bait in the hidden cells: a scan running past cell 6 would find a move.
                    game.window.Label2(7).SetCaption(command == kJumpTwoLeft ? "1" : "0");
                    game.window.Label2(8).SetCaption("2");
                }
                GameState expected = Observe(game.window);
                expected.history = {start};
                if (const auto after = CommandResult(position, command)) {
                    expected.history.push_back(*after);
                    for (std::size_t i = 0; i < after->size(); ++i) {
                        expected.captions.at(i) = after->substr(i, 1);
                    }
                }
                game.Play(std::to_string(command));
                EXPECT_EQ(Observe(game.window), expected);
            }
        }
    }
}

} // namespace
} // namespace pebblix::testing
