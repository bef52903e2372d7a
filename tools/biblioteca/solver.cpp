// Solving, rating and generating puzzles with qqwing.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/solver.h"

#include <qqwing.hpp>

#include <algorithm>

#include "puzzles/library.h"

namespace biblioteca {

namespace {

// Tries per wanted puzzle before generation gives up; expert puzzles are the rarest.
constexpr long kAttemptsPerPuzzle = 20000;

// Puts the puzzle on the board; false when it is not 81 digits or its givens clash.
bool load(qqwing::SudokuBoard& board, const std::string& puzzle)
{
    int cells[kCells];
    if (!isDigitLine(puzzle))
        return false;
    std::transform(puzzle.begin(), puzzle.begin() + kCells, cells, [](char c) { return c - '0'; });
    return board.setPuzzle(cells);
}

// A board qqwing generated and solved, rated as the level asks; false for one to throw away.
bool generateOne(qqwing::SudokuBoard& board, const Level& level)
{
    static const std::map<char, std::string> ratings = {{'f', "SIMPLE EASY"}, {'m', "INTERMEDIATE"}, {'d', "EXPERT"}};
    board.setRecordHistory(true);
    return board.generatePuzzle() && board.solve() && board.isSolved()
        && ratings.at(level.code[0]).find(difficultyName(board.getDifficulty())) != std::string::npos;
}

}  // namespace

std::string digitsOf(const int* cells)
{
    std::string s(kCells, '0');
    std::transform(cells, cells + kCells, s.begin(), [](int cell) { return static_cast<char>('0' + cell); });
    return s;
}

int countSolutions(const std::string& puzzle, std::string* solution)
{
    qqwing::SudokuBoard board;
    if (!load(board, puzzle))
        return 0;
    const int count = std::min(board.countSolutionsLimited(), 2);
    if (count == 1 && solution && board.solve() && board.isSolved())
        *solution = digitsOf(board.getSolution());
    return count;
}

std::string difficultyName(int difficulty)
{
    static const char* const names[] = {"?", "SIMPLE", "EASY", "INTERMEDIATE", "EXPERT"};  // qqwing's order
    return names[difficulty];
}

std::string rating(const std::string& puzzle)
{
    qqwing::SudokuBoard board;
    board.setRecordHistory(true);
    return load(board, puzzle) && board.solve() ? difficultyName(board.getDifficulty()) : "?";
}

Generated generatePuzzles(const Level& level, std::size_t wanted, std::size_t drawnSlots,
                          const std::map<std::string, std::string>& known)
{
    std::vector<NewPuzzle> drawn, rest;
    Generated made;
    for (long t = 0; t < static_cast<long>(wanted) * kAttemptsPerPuzzle && drawn.size() + rest.size() < wanted; ++t) {
        qqwing::SudokuBoard board;
        if (!generateOne(board, level))
            continue;
        const std::string puzzle = digitsOf(board.getPuzzle());
        if (known.count(puzzle) || made.notes.count(puzzle) || countSolutions(puzzle) != 1)
            continue;
        const bool forDrawn = drawn.size() < drawnSlots && (level.code[0] != 'd' || board.getGuessCount() == 1);
        if (!forDrawn && rest.size() == wanted - drawnSlots)
            continue;
        (forDrawn ? drawn : rest).push_back({puzzle, digitsOf(board.getSolution()), {}});
        made.notes[puzzle] =
            difficultyName(board.getDifficulty()) + ", " + std::to_string(board.getGivenCount()) + " pistas";
    }
    made.puzzles = drawn;
    made.puzzles.insert(made.puzzles.end(), rest.begin(), rest.end());
    return made;
}

}  // namespace biblioteca
