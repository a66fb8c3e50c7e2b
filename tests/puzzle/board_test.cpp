// board_test.cpp: the text functions, the start layouts, restarts and taking moves back.
#include "game.h"

#include <gtest/gtest.h>

#include <climits>

namespace pebblix::testing {
namespace {

TEST(TextFunctions, WriteAndReadCellCodes) {
    EXPECT_EQ(DecimalText(0) + DecimalText(1) + DecimalText(2) + DecimalText(10), "01210");
    for (const auto& [text, value] :
         std::vector<std::pair<std::string, int>>{{"0", 0},
                                                  {"1", 1},
                                                  {"2", 2},
                                                  {"", 0},
                                                  {"x", 0},
                                                  {" 2", 2},
                                                  {"-1", -1},
                                                  {"12a", 12},
                                                  {"99999999999", INT_MAX}}) {
        EXPECT_EQ(NumericValue(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(CharAt("1110222", 1) + CharAt("1110222", 4) + CharAt("1110222", 7), "102");
    EXPECT_EQ(CharAt("1110222", 0) + CharAt("1110222", 8), "");
    EXPECT_EQ(RgbColor(-5, 300, 128), (Rgb{0, 255, 128}));
}

// What the player does after start-up, and the history it must leave.
struct HistoryCase {
    const char* name;
    const char* script;
    std::vector<std::string> history;
};

class StartRestartUndo : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(StartRestartUndo, LeaveTheBoardOnTheLastHistoryRow) {
    const Game game(GetParam().script);
    const auto& history = GetParam().history;
    const int lastCell = static_cast<int>(history.back().size()) - 1;
    EXPECT_EQ(game.History(), history);
    EXPECT_EQ(game.puzzle.LastCell, lastCell);
    EXPECT_EQ(game.Board(), history.back());
    // The start layout paints the cells in use; the moves and take-backs leave the paint alone.
    EXPECT_EQ(game.ColoursInUse(), StartColours(lastCell));
    for (std::int16_t i = 0; i < 9; ++i) {
        EXPECT_EQ(game.window.cell(i).visible, i <= lastCell) << "cell " << i;
    }
    EXPECT_EQ(game.puzzle.HintStep, 0);
    EXPECT_FALSE(game.window.timerEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Games, StartRestartUndo,
    ::testing::Values(HistoryCase{"StartUp", "", {"1110222"}},
                      HistoryCase{"PickFour", "F", {"111102222"}},
                      HistoryCase{"PickFourThenThree", "FT", {"1110222"}},
                      HistoryCase{"RestartAfterMoves", "1205", {"1110222"}},
                      HistoryCase{"RestartAfterMovesOnFour", "F1205", {"111102222"}},
                      HistoryCase{"PickThreeAfterMovesOnFour", "F120T", {"1110222"}},
                      HistoryCase{"PickFourAfterMovesOnThree", "120F", {"111102222"}},
                      HistoryCase{"UndoRightAfterStartUp", "4", {"1110222"}},
                      HistoryCase{"UndoRightAfterRestart", "1254", {"1110222"}},
                      HistoryCase{"UndoOneOfTwoMoves", "124", {"1110222", "1112022"}},
                      HistoryCase{"UndoTwoOfTwoMoves", "1244", {"1110222"}},
                      HistoryCase{"UndoThreeTimesAfterTwoMoves", "12444", {"1110222"}},
                      HistoryCase{"MoveAgainAfterUndo", "140", {"1110222", "1101222"}},
                      HistoryCase{"UndoOnFour", "F1204", {"111102222", "111120222", "111021222"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pebblix::testing
