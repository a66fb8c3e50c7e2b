// game_rules.h: the rules of the game written out afresh, to check the puzzle and its solutions.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <queue>
#include <string>
#include <vector>

namespace pebblix::testing {

// The move commands by their button index.
enum MoveCommand : std::int16_t {
    kStepOneRight = 0,
    kStepTwoLeft = 1,
    kJumpOneRight = 2,
    kJumpTwoLeft = 3,
};

struct Move {
    MoveCommand command;
    std::string after;
};

// Every legal move on a position, listed by the moving piece from left to right. A "1" moves right
// and a "2" left, either one cell into an empty cell or two cells, over one opposing piece, into
// an empty cell.
inline std::vector<Move> LegalMoves(const std::string& position) {
    std::vector<Move> moves;
    const int size = static_cast<int>(position.size());
    for (int from = 0; from < size; ++from) {
        const char piece = position[static_cast<std::size_t>(from)];
        if (piece != '1' && piece != '2') {
            continue;
        }
        const bool one = piece == '1';
        const int direction = one ? 1 : -1;
        for (int distance : {1, 2}) {
            const int to = from + direction * distance;
            if (to < 0 || to >= size || position[static_cast<std::size_t>(to)] != '0') {
                continue;
            }
            if (distance == 2 &&
                position[static_cast<std::size_t>(from + direction)] != (one ? '2' : '1')) {
                continue;
            }
            std::string after = position;
            after[static_cast<std::size_t>(from)] = '0';
            after[static_cast<std::size_t>(to)] = piece;
            const MoveCommand command = distance == 1 ? (one ? kStepOneRight : kStepTwoLeft)
                                                      : (one ? kJumpOneRight : kJumpTwoLeft);
            moves.push_back({command, after});
        }
    }
    return moves;
}

// The position a move command leaves: the first move of its kind in the order its button looks,
// from the left end for the ones and from the right end for the twos; none when there is no move.
inline std::optional<std::string> CommandResult(const std::string& position, MoveCommand command) {
    const bool fromRight = command == kStepTwoLeft || command == kJumpTwoLeft;
    std::optional<std::string> result;
    for (const Move& move : LegalMoves(position)) {
        if (move.command == command && (!result || fromRight)) {
            result = move.after;
        }
    }
    return result;
}

// Breadth-first search: every position reachable from `start`, with its least number of moves.
inline std::map<std::string, int> Distances(const std::string& start) {
    std::map<std::string, int> distance{{start, 0}};
    std::queue<std::string> queue;
    queue.push(start);
    while (!queue.empty()) {
        const std::string position = queue.front();
        queue.pop();
        for (const Move& move : LegalMoves(position)) {
            if (distance.emplace(move.after, distance.at(position) + 1).second) {
                queue.push(move.after);
            }
        }
    }
    return distance;
}

} // namespace pebblix::testing
