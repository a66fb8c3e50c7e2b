// puzzle.h: the game of two groups of pieces that swap places, played on the window's objects.
//
// The board is the row of nine cell captions ("1", "2" or "0" for the empty cell) and the
// history is the hidden list `List1`(0), one position string a row, newest last. The puzzle
// keeps no state of its own apart from `LastCell` and `HintStep`; everything else it reads from
// and writes to the window through WindowObjects, so it runs the same in the real window and in
// the in-memory stand-in.
#pragma once

#include "windowobjects.h"

#include <cstdint>

namespace pebblix {

class Puzzle {
public:
    explicit Puzzle(WindowObjects& window) : window_(window) {}

    // Window-level variables. `LastCell` is the index of the last cell in use: 6 with three
    // pieces per side, 8 with four. `HintStep` is the next row of the stored solution to show.
    std::int16_t LastCell = 0;
    std::int16_t HintStep = 0;

    // Events of the window.

    // Start-up, before the window is first shown: a three-per-side game.
    void Form_Load();
    // The player picked a variant: 0 is three per side, 1 is four. The option button's new
    // selection is already in effect. The playback timer and `HintStep` are left alone.
    void Option1_Click(std::int16_t index);
    // One of the seven command buttons: the four moves, take back, restart, play the solution.
    // Any other index does nothing.
    void Command1_Click(std::int16_t index);
    // One step of the solution playback.
    void Timer1_Timer();

    // Procedures of the window.

    // Lays out the start position of the selected variant and restarts the history with it.
    // The only operation that writes visibility and colours.
    void ResetBoard();
    // Appends the current position string (cells 0 to `LastCell`) to the history.
    void RecordPosition();
    // Takes back the last recorded position; the first history row is never removed.
    void UndoMove();
    // The four moves. Each makes the first move of its kind in its scan order, or nothing.
    void StepOneRight(); // a "1" steps right into the empty cell
    void StepTwoLeft();  // a "2" steps left into the empty cell
    void JumpOneRight(); // a "1" jumps over a "2" into the empty cell
    void JumpTwoLeft();  // a "2" jumps over a "1" into the empty cell
    // "Подскажи": empties the history and starts the playback from row 0. The board is not
    // touched until the first tick.
    void StartHint();

private:
    // Scans the cells in use for a `piece` that can move `distance` cells (1: a step, 2: a jump
    // over one opposing piece) in `direction` (+1 right, -1 left) into the empty cell, and makes
    // the first such move. The scan starts at the end the pieces come from.
    void MovePiece(int piece, int direction, int distance);
    // One branch of ResetBoard: `group` pieces per side, the empty cell at index `group`.
    void LayOutStart(std::int16_t group);
    int CellValue(std::int16_t index);

    WindowObjects& window_;
};

} // namespace pebblix
