// The qqwing solver and generator: a puzzle's solutions and rating, and the search for new puzzles of a level.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "app/files/places.h"

namespace biblioteca {

// Puzzles are 81 characters in row order, '0' for an empty cell.

// The 81 cells of a qqwing board as digits.
std::string digitsOf(const int* cells);
// 0, 1, or 2 meaning "two or more". Givens that clash count as no solution. When there is exactly one and solution is
// given, the solution is put there.
int countSolutions(const std::string& puzzle, std::string* solution = nullptr);
// How qqwing's solver rates a puzzle that has a solution: "SIMPLE", "EASY", ...
std::string rating(const std::string& puzzle);
// The name of a qqwing::SudokuBoard::Difficulty.
std::string difficultyName(int difficulty);

// A puzzle with its one solution, and the label it gets when it is added to a library.
struct NewPuzzle {
    std::string puzzle;
    std::string solution;
    std::string label;  // chosen by appendPuzzles
};

// New puzzles of a level made by qqwing, each with a note of its rating and givens.
struct Generated {
    std::vector<NewPuzzle> puzzles;
    std::map<std::string, std::string> notes;  // by puzzle
};
// Up to wanted puzzles rated as the level's (SIMPLE or EASY for "f", INTERMEDIATE for "m", EXPERT for "d"), each with
// one solution and none in known (puzzles by their 81 characters) or twice. The first drawnSlots stand where a new
// game deals: for the hard level, puzzles the solver finishes with a single guess, hard without being a marathon of
// trial and error. Fewer when the tries run out. qqwing draws its numbers with rand(): srand fixes them.
Generated generatePuzzles(const Level& level, std::size_t wanted, std::size_t drawnSlots,
                          const std::map<std::string, std::string>& known);

}  // namespace biblioteca
