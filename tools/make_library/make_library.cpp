// Writes the puzzle libraries and their solution files that ship in game/.
//
// To regenerate them, from the repository root:
//   cmake --build build --target make_library
//   build/tools/make_library/make_library game
//
// The output is the same on every run: qqwing draws its numbers with rand(), and each
// difficulty seeds rand() with its own fixed seed before generating. Changing a seed, a
// count or an acceptance rule below changes the shipped puzzles, so regenerate all six
// files together and commit them with the change.
//
// Ratings use qqwing's solver, which tries singles first and reaches for anything else
// only when no single is left:
//   facil   - SIMPLE or EASY: naked and hidden singles solve it.
//   medio   - INTERMEDIATE: singles get stuck; pairs or pointing/box-line reductions
//             finish it without guessing.
//   dificil - EXPERT: the solver's techniques get stuck and it has to guess.
// A new game only ever draws puzzle 1 or 2 of a library, so those two slots take the
// level's typical puzzle: for dificil one that the solver finishes with a single guess,
// hard without being a trial-and-error marathon.

#include <qqwing.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using qqwing::SudokuBoard;

constexpr int kPuzzlesPerLibrary = 30;
constexpr int kCells = 81;
// Slots 1 and 2 are the ones a new game draws from.
constexpr int kDrawnSlots = 2;
// Safety net so a rule nothing satisfies cannot hang the tool.
constexpr int kMaxAttemptsPerLevel = 200000;

struct Rated {
    std::string puzzle;
    std::string solution;
    SudokuBoard::Difficulty difficulty = SudokuBoard::UNKNOWN;
    int givens = 0;
    int guesses = 0;
};

struct Level {
    const char* library;
    const char* solutions;
    const char* header;
    const char* labelPrefix;
    unsigned seed;
    std::function<bool(const Rated&)> accepts;
    std::function<bool(const Rated&)> acceptsForDrawnSlot;
};

const char* difficultyName(SudokuBoard::Difficulty d)
{
    switch (d) {
    case SudokuBoard::SIMPLE: return "SIMPLE";
    case SudokuBoard::EASY: return "EASY";
    case SudokuBoard::INTERMEDIATE: return "INTERMEDIATE";
    case SudokuBoard::EXPERT: return "EXPERT";
    default: return "UNKNOWN";
    }
}

std::string digits(const int* cells)
{
    std::string s(kCells, '0');
    for (int i = 0; i < kCells; ++i)
        s[i] = static_cast<char>('0' + cells[i]);
    return s;
}

bool hasExactlyOneSolution(const std::string& puzzle)
{
    int cells[kCells];
    for (int i = 0; i < kCells; ++i)
        cells[i] = puzzle[i] - '0';
    SudokuBoard board;
    return board.setPuzzle(cells) && board.countSolutionsLimited() == 1;
}

// Generates one puzzle with qqwing and rates it by solving it with history on.
bool generate(Rated& out)
{
    SudokuBoard board;
    board.setRecordHistory(true);
    if (!board.generatePuzzle() || !board.solve() || !board.isSolved())
        return false;
    out.puzzle = digits(board.getPuzzle());
    out.solution = digits(board.getSolution());
    out.difficulty = board.getDifficulty();
    out.givens = board.getGivenCount();
    out.guesses = board.getGuessCount();
    return out.solution.find('0') == std::string::npos && hasExactlyOneSolution(out.puzzle);
}

std::string label(const Level& level, int k)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s %03d", level.labelPrefix, k);
    return buf;
}

// Fills the drawn slots first, then the rest, keeping the order in which puzzles came.
bool collect(const Level& level, std::set<std::string>& seen, std::vector<Rated>& out)
{
    std::srand(level.seed);
    std::vector<Rated> drawn, rest;
    const int restWanted = kPuzzlesPerLibrary - kDrawnSlots;
    for (int attempt = 0; attempt < kMaxAttemptsPerLevel; ++attempt) {
        if (static_cast<int>(drawn.size()) == kDrawnSlots && static_cast<int>(rest.size()) == restWanted)
            break;
        Rated r;
        if (!generate(r) || !level.accepts(r) || seen.count(r.puzzle))
            continue;
        if (static_cast<int>(drawn.size()) < kDrawnSlots && level.acceptsForDrawnSlot(r)) {
            seen.insert(r.puzzle);
            drawn.push_back(std::move(r));
        } else if (static_cast<int>(rest.size()) < restWanted) {
            seen.insert(r.puzzle);
            rest.push_back(std::move(r));
        }
    }
    if (static_cast<int>(drawn.size()) != kDrawnSlots || static_cast<int>(rest.size()) != restWanted)
        return false;
    out = std::move(drawn);
    out.insert(out.end(), rest.begin(), rest.end());
    return true;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines)
        f << line << "\r\n";
    f.close();
    return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder, normally the repository's game folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    if (!std::filesystem::is_directory(outDir)) {
        std::fprintf(stderr, "%s: not a folder\n", argv[1]);
        return 2;
    }

    const auto any = [](const Rated&) { return true; };
    const std::vector<Level> levels = {
        {"facil.sdk", "sol_fac.sdk", "Cuadrix! - biblioteca de sudokus faciles", "Facil", 1101u,
         [](const Rated& r) { return r.difficulty == SudokuBoard::SIMPLE || r.difficulty == SudokuBoard::EASY; },
         any},
        {"medio.sdk", "sol_med.sdk", "Cuadrix! - biblioteca de sudokus medios", "Medio", 2202u,
         [](const Rated& r) { return r.difficulty == SudokuBoard::INTERMEDIATE; }, any},
        {"dificil.sdk", "sol_dif.sdk", "Cuadrix! - biblioteca de sudokus dificiles", "Dificil", 3303u,
         [](const Rated& r) { return r.difficulty == SudokuBoard::EXPERT; },
         [](const Rated& r) { return r.guesses == 1; }},
    };

    const auto start = std::chrono::steady_clock::now();
    std::set<std::string> seen;  // no puzzle appears twice, in one library or across them
    for (const auto& level : levels) {
        std::vector<Rated> puzzles;
        if (!collect(level, seen, puzzles)) {
            std::fprintf(stderr, "%s: could not find %d suitable puzzles\n", level.library, kPuzzlesPerLibrary);
            return 1;
        }
        std::vector<std::string> library{level.header}, solutions{level.header};
        for (int k = 1; k <= kPuzzlesPerLibrary; ++k) {
            const Rated& r = puzzles[k - 1];
            library.push_back(label(level, k));
            library.push_back(r.puzzle);
            solutions.push_back(label(level, k));
            solutions.push_back(r.solution);
            std::printf("%-12s %-11s %-12s givens %2d  guesses %d\n", level.library, label(level, k).c_str(),
                        difficultyName(r.difficulty), r.givens, r.guesses);
        }
        if (!writeFile(outDir / level.library, library) || !writeFile(outDir / level.solutions, solutions)) {
            std::fprintf(stderr, "%s: cannot write %s or %s\n", argv[1], level.library, level.solutions);
            return 1;
        }
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::fprintf(stderr, "wrote 6 files in %s (%.1f s)\n", argv[1], ms.count() / 1000.0);
    return 0;
}
