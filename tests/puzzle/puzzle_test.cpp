// puzzle_test.cpp: start, variant switch, restart and take-back of the game on the stand-in.
#include "memorywindow.h"
#include "puzzle.h"

#include <gtest/gtest.h>

namespace pebblix {
namespace {

TEST(StartUp, OpensOnThreePerSide) {
    MemoryWindow window;
    Puzzle puzzle(window);
    puzzle.Form_Load();
    EXPECT_EQ(window.list(0).Rows(), std::vector<std::string>{"1110222"});
}

} // namespace
} // namespace pebblix
