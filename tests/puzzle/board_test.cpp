// board_test.cpp: the text functions, the start layouts, restarts and taking moves back.
#include "game.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace pebblix::testing {
namespace {

TEST(TextFunctions, WriteAndReadCellCodes) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(2), "2");
    EXPECT_EQ(DecimalText(10), "10");
    for (const auto& [text, value] : std::vector<std::pair<std::string, int>>{
             {"0", 0}, {"1", 1}, {"2", 2}, {"", 0}, {"x", 0}, {" 2", 2}, {"-1", -1}, {"12a", 12},
             {"99999999999", INT_MAX}}) {
        EXPECT_EQ(NumericValue(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(CharAt("1110222", 1), "1");
    EXPECT_EQ(CharAt("1110222", 4), "0");
    EXPECT_EQ(CharAt("1110222", 7), "2");
    EXPECT_EQ(CharAt("1110222", 8), "");
    EXPECT_EQ(CharAt("1110222", 0), "");
    EXPECT_EQ(RgbColor(-5, 300, 128), (Rgb{0, 255, 128}));
}

// How a fresh game comes about, and the variant it must then show.
struct StartCase {
    const char* name;
    std::function<void(Game&)> play;
    int lastCell;
};

class StartLayout : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartLayout, ShowsTheSelectedVariantWithAOneRowHistory) {
    Game game;
    GetParam().play(game);
    const int lastCell = GetParam().lastCell;
    const std::string start = StartPosition(lastCell / 2);
    EXPECT_EQ(game.puzzle.LastCell, lastCell);
    EXPECT_EQ(game.Board(), start);
    EXPECT_EQ(game.History(), std::vector<std::string>{start});
    EXPECT_EQ(game.ColoursInUse(), StartColours(lastCell));
    for (std::int16_t i = 0; i < 9; ++i) {
        EXPECT_EQ(game.window.cell(i).visible, i <= lastCell) << "cell " << i;
    }
    EXPECT_EQ(game.puzzle.HintStep, 0);
    EXPECT_FALSE(game.window.timerEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Games, StartLayout,
    ::testing::Values(
        StartCase{"StartUp", [](Game&) {}, 6},
        StartCase{"PickFour", [](Game& g) { g.Choose(1); }, 8},
        StartCase{"PickFourThenThree", [](Game& g) { g.Choose(1); g.Choose(0); }, 6},
        StartCase{"RestartAfterMoves", [](Game& g) { g.Click("1205"); }, 6},
        StartCase{"RestartAfterMovesOnFour", [](Game& g) { g.Choose(1); g.Click("1205"); }, 8},
        StartCase{"PickThreeAfterMovesOnFour",
                  [](Game& g) { g.Choose(1); g.Click("120"); g.Choose(0); }, 6},
        StartCase{"PickFourAfterMovesOnThree",
                  [](Game& g) { g.Click("120"); g.Choose(1); }, 8}),
    [](const auto& info) { return std::string(info.param.name); });

// Buttons clicked on a fresh game, then the board and the history expected.
struct UndoCase {
    const char* name;
    bool four;
    const char* buttons;
    std::vector<std::string> history;
};

class TakeBack : public ::testing::TestWithParam<UndoCase> {};

TEST_P(TakeBack, RestoresThePreviousHistoryRow) {
    Game game(GetParam().four);
    game.Click(GetParam().buttons);
    EXPECT_EQ(game.History(), GetParam().history);
    EXPECT_EQ(game.Board(), GetParam().history.back());
    EXPECT_EQ(game.ColoursInUse(), StartColours(game.puzzle.LastCell));
}

INSTANTIATE_TEST_SUITE_P(
    Games, TakeBack,
    ::testing::Values(UndoCase{"RightAfterStartUp", false, "4", {"1110222"}},
                      UndoCase{"RightAfterRestart", false, "1254", {"1110222"}},
                      UndoCase{"OneOfTwoMoves", false, "124", {"1110222", "1112022"}},
                      UndoCase{"TwoOfTwoMoves", false, "1244", {"1110222"}},
                      UndoCase{"ThreeAfterTwoMoves", false, "12444", {"1110222"}},
                      UndoCase{"UndoThenMoveAgain", false, "140",
                               {"1110222", "1101222"}},
                      UndoCase{"OnFour", true, "1204", {"111102222", "111120222", "111021222"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pebblix::testing
