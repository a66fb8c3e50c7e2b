// puzzle.cpp: start, moves, take-back and solution playback of the game.
#include "puzzle.h"

#include <string>

namespace pebblix {

namespace {

// The history list and the two stored solutions.
constexpr std::int16_t kHistory = 0;
constexpr std::int16_t kSolutionThree = 1;
constexpr std::int16_t kSolutionFour = 2;

constexpr std::int16_t kCellCount = 9;

// Cell codes.
constexpr int kEmpty = 0;
constexpr int kOne = 1;
constexpr int kTwo = 2;

// The colours mark the start layout and stay while the pieces move across them.
constexpr Rgb kLightGrey = RgbColor(200, 200, 200); // the "1" group
constexpr Rgb kGreen = RgbColor(0, 200, 0);         // the empty middle cell
constexpr Rgb kDarkGrey = RgbColor(100, 100, 100);  // the "2" group

} // namespace

void Puzzle::Form_Load() {
    LastCell = 6;
    ResetBoard();
}

void Puzzle::Option1_Click(std::int16_t index) {
    if (index == 0) {
        LastCell = 6;
    }
    if (index == 1) {
        LastCell = 8;
    }
    ResetBoard();
}

void Puzzle::Command1_Click(std::int16_t index) {
    switch (index) {
    case 0:
        StepOneRight();
        break;
    case 1:
        StepTwoLeft();
        break;
    case 2:
        JumpOneRight();
        break;
    case 3:
        JumpTwoLeft();
        break;
    case 4:
        UndoMove();
        break;
    case 5:
        ResetBoard();
        break;
    case 6:
        StartHint();
        break;
    default:
        break;
    }
}

void Puzzle::ResetBoard() {
    for (std::int16_t i = 0; i < kCellCount; ++i) {
        window_.Label2(i).SetVisible(false);
    }
    // Both tests are made on their own; the option group makes exactly one of them true.
    if (window_.Option1(0).Value()) {
        LayOutStart(3);
    }
    if (window_.Option1(1).Value()) {
        LayOutStart(4);
    }
}

void Puzzle::LayOutStart(std::int16_t group) {
    for (std::int16_t i = 0; i <= LastCell; ++i) {
        window_.Label2(i).SetVisible(true);
        window_.Label2(i).SetBackColor(kLightGrey);
    }
    for (std::int16_t i = 0; i < group; ++i) {
        window_.Label2(i).SetCaption(DecimalText(kOne));
    }
    window_.Label2(group).SetCaption(DecimalText(kEmpty));
    window_.Label2(group).SetBackColor(kGreen);
    for (std::int16_t i = group + 1; i <= LastCell; ++i) {
        window_.Label2(i).SetCaption(DecimalText(kTwo));
        window_.Label2(i).SetBackColor(kDarkGrey);
    }
    window_.List1(kHistory).Clear();
    RecordPosition();
}

void Puzzle::RecordPosition() {
    std::string position;
    for (std::int16_t i = 0; i <= LastCell; ++i) {
        position += window_.Label2(i).Caption();
    }
    window_.List1(kHistory).AddItem(position);
}

void Puzzle::UndoMove() {
    ListObject& history = window_.List1(kHistory);
    const std::int16_t n = history.ListCount();
    if (n - 1 < 1) {
        return; // only the first position is left: nothing to take back
    }
    history.RemoveItem(static_cast<std::int16_t>(n - 1));
    const std::int16_t m = history.ListCount();
    const std::string s = history.List(static_cast<std::int16_t>(m - 1));
    for (std::int16_t i = 0; i <= LastCell; ++i) {
        window_.Label2(i).SetCaption(CharAt(s, i + 1));
    }
}

int Puzzle::CellValue(std::int16_t index) {
    return NumericValue(window_.Label2(index).Caption());
}

void Puzzle::MovePiece(int piece, int direction, int distance) {
    const int opponent = piece == kOne ? kTwo : kOne;
    // A "1" scans from the left end, a "2" from the right; the scan stops where the target cell
    // would leave the cells in use.
    const int first = direction > 0 ? 0 : LastCell;
    const int last = direction > 0 ? LastCell - distance : distance;
    bool moved = false;
    for (int a = first; direction > 0 ? a <= last : a >= last; a += direction) {
        const auto from = static_cast<std::int16_t>(a);
        const auto to = static_cast<std::int16_t>(a + direction * distance);
        const bool overOpponent =
            distance == 1 || CellValue(static_cast<std::int16_t>(a + direction)) == opponent;
        if (CellValue(from) == piece && overOpponent && CellValue(to) == kEmpty && !moved) {
            moved = true;
            window_.Label2(from).SetCaption(DecimalText(kEmpty));
            window_.Label2(to).SetCaption(DecimalText(piece));
            RecordPosition();
        }
    }
}

void Puzzle::StepOneRight() {
    MovePiece(kOne, +1, 1);
}
void Puzzle::StepTwoLeft() {
    MovePiece(kTwo, -1, 1);
}
void Puzzle::JumpOneRight() {
    MovePiece(kOne, +1, 2);
}
void Puzzle::JumpTwoLeft() {
    MovePiece(kTwo, -1, 2);
}

void Puzzle::StartHint() {
    window_.List1(kHistory).Clear();
    HintStep = 0;
    window_.Timer1().SetEnabled(true);
}

void Puzzle::Timer1_Timer() {
    // The selected variant's table; a row index past its end (possible only when the player
    // switches from four to three per side late in a playback) shows nothing and records
    // nothing, so the board and the history stay intact.
    std::int16_t table = -1;
    if (window_.Option1(0).Value()) {
        table = kSolutionThree;
    }
    if (window_.Option1(1).Value()) {
        table = kSolutionFour;
    }
    if (table >= 0 && HintStep >= 0 && HintStep < window_.List1(table).ListCount()) {
        const std::string s = window_.List1(table).List(HintStep);
        window_.List1(kHistory).AddItem(s);
        for (std::int16_t i = 0; i <= LastCell; ++i) {
            window_.Label2(i).SetCaption(CharAt(s, i + 1));
        }
    }
    ++HintStep;
    // The playback stops once it has passed the last row of the selected variant's table.
    if (HintStep > 15 && window_.Option1(0).Value()) {
        window_.Timer1().SetEnabled(false);
    }
    if (HintStep > 23 && window_.Option1(1).Value()) {
        window_.Timer1().SetEnabled(false);
    }
}

} // namespace pebblix
