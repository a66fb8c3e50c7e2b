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
    const auto size = static_cast<int>(position.size());
    auto at = [&](int i) {
        return i >= 0 && i < size ? position[static_cast<std::size_t>(i)] : '#';
    };
    std::vector<Move> moves;
    for (int from = 0; from < size; ++from) {
        const char piece = at(from);
        if (piece != '1' && piece != '2') {
            continue;
        }
        const int ahead = piece == '1' ? 1 : -1;
        for (const int distance : {1, 2}) {
            const int to = from + ahead * distance;
            if (at(to) == '0' &&
                (distance == 1 || at(from + ahead) == (piece == '1' ? '2' : '1'))) {
                std::string after = position;
                after[static_cast<std::size_t>(from)] = '0';
                after[static_cast<std::size_t>(to)] = piece;
                // The buttons: steps 0 and 1, jumps 2 and 3, the even ones for a "1".
                const auto command = static_cast<MoveCommand>(2 * (distance - 1) + (piece == '2'));
                moves.push_back({command, after});
            }
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
