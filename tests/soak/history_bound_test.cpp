// history_bound_test.cpp: a million random events leave the history and the heap bounded.
#include "events.h"
#include "memory.h"
#include "standin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace pebblix::soak {
namespace {

using namespace pebblix::testing;

// The most moves any game can last from the position on the board, found by trying every move
// the puzzle allows and taking each back again.
int LongestGameFrom(StandIn& window) {
    int longest = 0;
    for (std::int16_t move = 0; move < 4; ++move) {
        const std::int16_t rows = window.list(0).ListCount();
        window.ClickCommand(move);
        if (window.list(0).ListCount() > rows) {
            longest = std::max(longest, 1 + LongestGameFrom(window));
            window.ClickCommand(4);
        }
    }
    return longest;
}

int LongestGame() {
    StandIn window;
    window.Load();
    const int three = LongestGameFrom(window);
    window.ClickOption(1);
    return std::max(three, LongestGameFrom(window));
}

// A restart, a new variant or "Подскажи" clears the history; from then on it holds one game, one
// row a position, and so at most the longest game and its start. A playback keeps this: its rows
// are a game too, and a restart or a new variant during it leaves one start row followed by rows
// of the table. A player who moves while the playback goes on breaks it: every later tick lays a
// solution row and the player's moves pile up on it, so the rows since the clear form at most one
// game per tick that wrote a row, plus the one before the first tick.
TEST(HistoryBound, HoldsOverAMillionRandomEventsAndTheHeapStaysFlat) {
    constexpr unsigned kSeed = 20240607;
    constexpr int kEvents = 1'000'000;
    constexpr int kWarmUp = 20'000;
    const int longest = LongestGame();
    StandIn window;
    window.Load();
    // Each row of the stored four-per-side solution is one move further than the one before.
    ASSERT_GE(longest, window.list(2).ListCount());

    std::mt19937 random(kSeed);
    int rowsFromTicks = 0;
    bool movedDuringPlayback = false;
    int mostRows = 0;
    int tightChecks = 0;
    std::size_t heapAfterWarmUp = 0;
    [[maybe_unused]] long residentAfterWarmUp = 0;
    for (int index = 0; index < kEvents; ++index) {
        const bool playing = window.timerEnabled();
        const Event event = NextEvent(random, playing);
        const int rowsBefore = window.list(0).ListCount();
        const bool newVariant = event.kind == EventKind::Option && !window.optionValue(event.index);
        Apply(window, event);
        const int rows = window.list(0).ListCount();
        if (newVariant || (event.kind == EventKind::Command && event.index >= 5)) {
            rowsFromTicks = 0;
            movedDuringPlayback = false;
        } else if (event.kind == EventKind::Tick && rows > rowsBefore) {
            ++rowsFromTicks;
        } else if (event.kind == EventKind::Command && event.index < 4 && rows > rowsBefore &&
                   window.timerEnabled()) {
            movedDuringPlayback = true; // and the playback goes on over the player's move
        }
        const int bound = movedDuringPlayback ? (rowsFromTicks + 1) * (longest + 1) : longest + 1;
        ASSERT_LE(rows, bound) << "seed " << kSeed << ", event " << index << ", " << rowsFromTicks
                               << " rows from ticks";
        mostRows = std::max(mostRows, rows);
        tightChecks += movedDuringPlayback ? 0 : 1;
        if (index + 1 == kWarmUp) {
            heapAfterWarmUp = LiveHeapBytes();
            residentAfterWarmUp = StatusKiB("VmRSS:");
        }
    }
    // Most of the run stays under the tight bound; the rest must have exercised the other one.
    EXPECT_GT(tightChecks, kEvents / 2);
    EXPECT_LT(tightChecks, kEvents);
    // The history's rows are short enough to live inside their strings; what may still grow is
    // the list's own array, up to the most rows seen.
    EXPECT_LE(LiveHeapBytes(), heapAfterWarmUp + 16 * 1024);
#ifndef PEBBLIX_ASAN // AddressSanitizer holds freed blocks back, so there the heap count serves
    EXPECT_LE(StatusKiB("VmRSS:"), residentAfterWarmUp + 1024);
#endif
    RecordProperty("most_history_rows", mostRows);
}

} // namespace
} // namespace pebblix::soak
