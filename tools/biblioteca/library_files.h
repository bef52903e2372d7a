// The puzzle libraries and solution files in a game folder: reading them, checking them the
// way the game reads them, and appending new puzzles to them without ever leaving a half
// written file behind.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace biblioteca {

constexpr int kCells = 81;

// One difficulty: its code on the command line, its two files and how new labels look.
struct Level {
    char code;                // 'f', 'm' or 'd'
    const char* name;         // "facil", "medio", "dificil"
    const char* library;      // "facil.sdk"
    const char* solutions;    // "sol_fac.sdk"
    const char* header;       // first line of both files when the tool creates them
    const char* labelPrefix;  // labels are "<prefix> 001", "<prefix> 002", ...
};

const std::array<Level, 3>& levels();
// The level of a code, or nullptr.
const Level* levelFor(const std::string& code);

// One thing wrong, at a line of a file; line 0 stands for the file as a whole.
struct Problem {
    std::string file;
    int line = 0;
    std::string text;
};
// "FILE:LINE: text"
std::string format(const Problem& p);

// A file split at its line ends, with what is wrong with those line ends.
struct TextFile {
    bool readable = false;
    std::string bytes;
    std::vector<std::string> lines;  // without their CR LF
    std::vector<Problem> lineEndProblems;
};
TextFile readTextFile(const std::filesystem::path& path);

// ---------------------------------------------------------------------------
// Puzzles: 81 characters in row order, '0' for an empty cell.

// 0, 1, or 2 meaning "two or more". Givens that clash count as no solution.
int countSolutions(const std::string& puzzle);
// The solution of a puzzle that has exactly one.
std::optional<std::string> uniqueSolution(const std::string& puzzle);
// Why 81 characters are not a complete, valid grid; empty when they are.
std::string gridFault(const std::string& solution);
// How qqwing's solver rates a puzzle that has a solution: "SIMPLE", "EASY", ...
std::string rating(const std::string& puzzle);

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
// Appending

// Every puzzle (its first 81 characters) in the three libraries, with "file, label" for messages.
struct KnownPuzzles {
    std::vector<std::pair<std::string, std::string>> entries;  // puzzle, where
    const std::string* find(const std::string& puzzle) const;
};
KnownPuzzles puzzlesInFolder(const std::filesystem::path& folder);

struct NewPuzzle {
    std::string puzzle;
    std::string solution;
    std::string label;  // chosen by appendPuzzles
};

// Gives each puzzle a label continuing the level's numbering, not equal to any line of
// either file, and appends label and puzzle to the library and label and solution to the
// solution file. Each file is replaced whole by a renamed temporary file, the solution file
// first: an interruption between the two leaves only solutions the library does not use.
// Both files missing starts the level afresh. Returns an error message, empty on success.
std::string appendPuzzles(const std::filesystem::path& folder, const Level& level, std::vector<NewPuzzle>& puzzles);

// Writes bytes to a temporary file beside path, flushes it to disk and renames it over path.
std::string replaceFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace biblioteca
