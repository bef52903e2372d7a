// The puzzle libraries and solution files in a game folder: reading them, checking them the
// way the game reads them, appending new puzzles, and repairing an interrupted append.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/files/files.h"
#include "puzzles/library.h"

namespace biblioteca {

constexpr std::size_t kCells = 81;

// The file names of a level: "facil.sdk" and "sol_fac.sdk".
inline std::string libraryFile(const Level& level) { return fileName(level.libraryNom); }
inline std::string solutionFile(const Level& level) { return fileName(level.solutionNom); }
// A label or a line quoted in a message: «Facil 001».
inline std::string guillemets(const std::string& s) { return "«" + s + "»"; }

// One thing wrong, at a line of a file; line 0 stands for the file as a whole.
struct Problem {
    std::string file;
    int line = 0;
    std::string text;
};
// "FILE:LINE: text"
inline std::string format(const Problem& p) { return p.file + ":" + std::to_string(p.line) + ": " + p.text; }

// A file read line by line as the game reads it, with what is wrong with its line ends, why it
// could not be read to its end, or that it is empty.
struct TextFile {
    int error = 0;                   // 0 when read to the end, else as LineReader::error()
    std::vector<std::string> lines;  // without their line ends
    std::vector<Problem> problems;
};
TextFile readTextFile(const std::filesystem::path& path);

// ---------------------------------------------------------------------------
// Puzzles: 81 characters in row order, '0' for an empty cell.

// The 81 cells of a qqwing board as digits.
std::string digitsOf(const int* cells);
// 0, 1, or 2 meaning "two or more". Givens that clash count as no solution. When there is
// exactly one and solution is given, the solution is put there.
int countSolutions(const std::string& puzzle, std::string* solution = nullptr);
// How qqwing's solver rates a puzzle that has a solution: "SIMPLE", "EASY", ...
std::string rating(const std::string& puzzle);
// The name of a qqwing::SudokuBoard::Difficulty.
std::string difficultyName(int difficulty);

// ---------------------------------------------------------------------------
// Checking

struct Report {
    std::vector<Problem> problems;
    int files = 0;    // files that could be read
    int puzzles = 0;  // label and puzzle line pairs in the libraries
};

// One library and its solution file, everything the game relies on.
Report checkLevel(const std::filesystem::path& folder, const Level& level);
// The three levels, plus what only shows across them: too few puzzles for a new game's draw
// and a puzzle that appears twice.
Report checkFolder(const std::filesystem::path& folder);

// ---------------------------------------------------------------------------
// Changing

// Every puzzle (its first 81 characters) in the three libraries, with "file, «label»" of where it
// first appears. Each later appearance is added to repeats, when given.
std::map<std::string, std::string> puzzlesInFolder(const std::filesystem::path& folder,
                                                   std::vector<Problem>* repeats = nullptr);

struct NewPuzzle {
    std::string puzzle;
    std::string solution;
    std::string label;  // chosen by appendPuzzles
};

// A change of a level is recorded in a marker beside the library, "facil.sdk.cambio", made before the change reads
// the files: its first line, whether the change starts the level, adds to it or moves its dealt puzzles, and the
// labels it adds. The run holds the marker locked and removes it once both files are written, so a marker no run holds
// proves a change cut short, and what it left.
inline std::string markerFile(const Level& level) { return libraryFile(level) + ".cambio"; }
inline const std::string kMarkerHeader = "cuadrix-biblioteca: cambio en curso";
inline const std::string kNewLevel = "nivel nuevo";
inline const std::string kAddedTo = "sudokus añadidos";
inline const std::string kMoved = "sudokus repartidos pasados al final";

// Gives each puzzle a label continuing the level's numbering, not equal to any line of either file, and appends label
// and puzzle to the library and label and solution to the solution file. Each file is replaced whole, the solution
// file first, with the change's marker held meanwhile; when the library cannot be written, the solution file is put
// back as it was. Both files missing starts the level afresh. Returns an error message, empty on success.
std::string appendPuzzles(const std::filesystem::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles,
                          FileOps& ops = systemFileOps());

// Moves the records a new game deals (the first drawnRecords) to the end of a level's library, so that the next new
// games deal puzzles not dealt before; every label stays, so every saved game still loads. The library is replaced
// whole, with the change's marker held. moved gets the labels moved. Returns an error message, empty on success.
std::string moveDealtToEnd(const std::filesystem::path& folder, const Level& level, std::vector<std::string>& moved);

// What a change of a level cut short left, undone as far as its marker proves it: the temporary files its run
// abandoned, and the solutions it added at the end of the solution file when the library never got them. Without a
// marker nothing is undone. blocked says why the level must not be changed now: another run is changing it, a file
// cannot be read, or the files no longer match what the marker records.
struct Repair {
    std::vector<std::string> done;  // one sentence each
    std::string blocked;
};
Repair repairInterruptedChange(const std::filesystem::path& folder, const Level& level);

}  // namespace biblioteca
