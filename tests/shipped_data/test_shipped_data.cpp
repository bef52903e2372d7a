// Checks the puzzle libraries and solution files shipped in game/: the layout the game
// reads, the labels it looks puzzles up by, and the puzzles themselves (one solution each,
// the stored solution right, the easy library really easy). The grid checks are written
// out here rather than borrowed from the generator, so a fault in one cannot hide the other.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kMinPuzzles = 20;
constexpr int kCells = 81;

// ---------------------------------------------------------------------------
// Reading the files

std::optional<std::string> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Lines {
    std::vector<std::string> lines;     // without their CR LF
    std::vector<std::string> problems;  // line ends that are not CR LF
};

// Splits at LF. Every line, the last one included, must end in CR LF, and no CR may
// stand anywhere else.
Lines splitCrLf(const std::string& bytes)
{
    Lines out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        const std::size_t number = out.lines.size() + 1;
        if (lf == std::string::npos) {
            out.problems.push_back("line " + std::to_string(number) + " has no line end");
            out.lines.push_back(bytes.substr(start));
            break;
        }
        std::string line = bytes.substr(start, lf - start);
        if (line.empty() || line.back() != '\r')
            out.problems.push_back("line " + std::to_string(number) + " ends in LF without CR");
        else
            line.pop_back();
        if (line.find('\r') != std::string::npos)
            out.problems.push_back("line " + std::to_string(number) + " holds a stray CR");
        out.lines.push_back(std::move(line));
        start = lf + 1;
    }
    return out;
}

// ---------------------------------------------------------------------------
// Grids: 81 cells in row order, 0 for empty, 1-9 for a digit.

using Grid = std::array<int, kCells>;

Grid toGrid(const std::string& line)
{
    Grid g{};
    for (int i = 0; i < kCells; ++i)
        g[i] = line[i] - '0';
    return g;
}

bool allCharsIn(const std::string& line, char lo, char hi)
{
    if (line.size() != static_cast<std::size_t>(kCells))
        return false;
    for (char c : line)
        if (c < lo || c > hi)
            return false;
    return true;
}

// The 27 rows, columns and boxes, as lists of cell indices.
const std::vector<std::array<int, 9>>& units()
{
    static const std::vector<std::array<int, 9>> all = [] {
        std::vector<std::array<int, 9>> u;
        for (int r = 0; r < 9; ++r) {
            std::array<int, 9> row{};
            for (int c = 0; c < 9; ++c)
                row[c] = r * 9 + c;
            u.push_back(row);
        }
        for (int c = 0; c < 9; ++c) {
            std::array<int, 9> col{};
            for (int r = 0; r < 9; ++r)
                col[r] = r * 9 + c;
            u.push_back(col);
        }
        for (int b = 0; b < 9; ++b) {
            std::array<int, 9> box{};
            for (int k = 0; k < 9; ++k)
                box[k] = (b / 3 * 3 + k / 3) * 9 + b % 3 * 3 + k % 3;
            u.push_back(box);
        }
        return u;
    }();
    return all;
}

// A complete grid with every digit exactly once in every row, column and box.
bool isCompleteValidGrid(const Grid& g)
{
    for (const auto& unit : units()) {
        unsigned seen = 0;
        for (int cell : unit) {
            if (g[cell] < 1 || g[cell] > 9)
                return false;
            seen |= 1u << g[cell];
        }
        if (seen != 0x3FEu)  // bits 1..9
            return false;
    }
    return true;
}

bool sameRowColOrBox(int a, int b)
{
    return a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3);
}

// Digits still possible in an empty cell, as bits 1..9.
unsigned candidates(const Grid& g, int cell)
{
    unsigned used = 0;
    for (int other = 0; other < kCells; ++other)
        if (other != cell && g[other] != 0 && sameRowColOrBox(cell, other))
            used |= 1u << g[other];
    return 0x3FEu & ~used;
}

int bitCount(unsigned bits)
{
    int n = 0;
    for (; bits; bits &= bits - 1)
        ++n;
    return n;
}

bool givensConsistent(const Grid& g)
{
    for (int cell = 0; cell < kCells; ++cell)
        if (g[cell] != 0 && !(candidates(g, cell) & (1u << g[cell])))
            return false;
    return true;
}

// Backtracking over the empty cell with the fewest candidates; stops counting at `limit`.
int countSolutionsFrom(Grid& g, int limit)
{
    int best = -1;
    unsigned bestCands = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (g[cell] != 0)
            continue;
        const unsigned c = candidates(g, cell);
        if (best < 0 || bitCount(c) < bitCount(bestCands)) {
            best = cell;
            bestCands = c;
            if (c == 0)
                return 0;
        }
    }
    if (best < 0)
        return 1;  // no empty cell left: one complete grid
    int found = 0;
    for (int d = 1; d <= 9 && found < limit; ++d) {
        if (!(bestCands & (1u << d)))
            continue;
        g[best] = d;
        found += countSolutionsFrom(g, limit - found);
        g[best] = 0;
    }
    return found;
}

// 0, 1, or 2 meaning "two or more".
int countSolutions(Grid g)
{
    if (!givensConsistent(g))
        return 0;
    return countSolutionsFrom(g, 2);
}

// Fills in naked singles (a cell with one candidate left) and hidden singles (a digit with
// one place left in a row, column or box) until neither is found. Returns whether that
// completed the grid; `g` holds what was reached.
bool solveBySingles(Grid& g)
{
    for (bool progress = true; progress;) {
        progress = false;
        for (int cell = 0; cell < kCells; ++cell) {
            if (g[cell] != 0)
                continue;
            const unsigned c = candidates(g, cell);
            if (c == 0)
                return false;  // contradiction
            if (bitCount(c) == 1) {
                for (int d = 1; d <= 9; ++d)
                    if (c == (1u << d))
                        g[cell] = d;
                progress = true;
            }
        }
        for (const auto& unit : units()) {
            for (int d = 1; d <= 9; ++d) {
                int places = 0, where = -1;
                bool present = false;
                for (int cell : unit) {
                    if (g[cell] == d)
                        present = true;
                    else if (g[cell] == 0 && (candidates(g, cell) & (1u << d))) {
                        ++places;
                        where = cell;
                    }
                }
                if (!present && places == 1) {
                    g[where] = d;
                    progress = true;
                }
            }
        }
    }
    for (int v : g)
        if (v == 0)
            return false;
    return true;
}

// ---------------------------------------------------------------------------
// The shipped files of one difficulty

struct Record {
    std::string label;
    std::string digits;
};

struct Level {
    const char* name;
    const char* library;
    const char* solutions;
    bool singlesSuffice;  // easy: singles alone finish every puzzle; the others need more
};

void PrintTo(const Level& level, std::ostream* os) { *os << level.name; }

class ShippedLevel : public ::testing::TestWithParam<Level> {
protected:
    void SetUp() override
    {
        const Level& level = GetParam();
        libraryPath_ = std::string(CUADRIX_GAME_DIR) + "/" + level.library;
        solutionsPath_ = std::string(CUADRIX_GAME_DIR) + "/" + level.solutions;
        const auto lib = readBytes(libraryPath_);
        const auto sol = readBytes(solutionsPath_);
        ASSERT_TRUE(lib) << "cannot open " << libraryPath_;
        ASSERT_TRUE(sol) << "cannot open " << solutionsPath_;
        library_ = splitCrLf(*lib);
        solutionFile_ = splitCrLf(*sol);
        ASSERT_FALSE(library_.lines.empty()) << libraryPath_ << " is empty";
        ASSERT_FALSE(solutionFile_.lines.empty()) << solutionsPath_ << " is empty";
        ASSERT_EQ(library_.lines.size() % 2, 1u)
            << libraryPath_ << ": expected a header and then label/puzzle line pairs";
        for (std::size_t i = 1; i < library_.lines.size(); i += 2)
            records_.push_back({library_.lines[i], library_.lines[i + 1]});
    }

    // The line after the first line equal to `label`, reading from the very first line,
    // as the game looks a solution up.
    std::optional<std::string> solutionFor(const std::string& label) const
    {
        const auto& lines = solutionFile_.lines;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == label)
                return i + 1 < lines.size() ? std::optional<std::string>(lines[i + 1]) : std::nullopt;
        return std::nullopt;
    }

    std::string libraryPath_, solutionsPath_;
    Lines library_, solutionFile_;
    std::vector<Record> records_;
};

TEST_P(ShippedLevel, EveryLineEndsInCrLf)
{
    for (const auto& p : library_.problems)
        ADD_FAILURE() << libraryPath_ << ": " << p;
    for (const auto& p : solutionFile_.problems)
        ADD_FAILURE() << solutionsPath_ << ": " << p;
}

TEST_P(ShippedLevel, HeaderAndLayoutMatchBetweenLibraryAndSolutions)
{
    EXPECT_EQ(solutionFile_.lines.front(), library_.lines.front()) << "headers differ";
    EXPECT_GE(records_.size(), static_cast<std::size_t>(kMinPuzzles));
    // The solution file repeats the library's labels in the same places.
    ASSERT_EQ(solutionFile_.lines.size(), library_.lines.size()) << solutionsPath_;
    for (std::size_t i = 1; i < library_.lines.size(); i += 2)
        EXPECT_EQ(solutionFile_.lines[i], library_.lines[i]) << solutionsPath_ << " line " << i + 1;
}

TEST_P(ShippedLevel, LabelsAreUniqueKeysInBothFiles)
{
    for (const auto& rec : records_) {
        EXPECT_FALSE(rec.label.empty());
        for (const Lines* file : {&library_, &solutionFile_}) {
            const auto& lines = file->lines;
            const auto n = std::count(lines.begin(), lines.end(), rec.label);
            EXPECT_EQ(n, 1)
                << "label \"" << rec.label << "\" is on " << n << " lines of "
                << (file == &library_ ? libraryPath_ : solutionsPath_);
        }
    }
}

TEST_P(ShippedLevel, PuzzleLinesAre81DigitsFrom0To9)
{
    for (const auto& rec : records_)
        EXPECT_TRUE(allCharsIn(rec.digits, '0', '9')) << rec.label << ": \"" << rec.digits << "\"";
}

TEST_P(ShippedLevel, SolutionFoundByLabelIsACompleteGridAgreeingWithTheGivens)
{
    for (const auto& rec : records_) {
        SCOPED_TRACE(rec.label);
        const auto solution = solutionFor(rec.label);
        ASSERT_TRUE(solution) << "no line after the label in " << solutionsPath_;
        ASSERT_TRUE(allCharsIn(*solution, '1', '9')) << "\"" << *solution << "\"";
        EXPECT_TRUE(isCompleteValidGrid(toGrid(*solution))) << *solution;
        ASSERT_TRUE(allCharsIn(rec.digits, '0', '9'));
        for (int i = 0; i < kCells; ++i) {
            if (rec.digits[i] != '0') {
                EXPECT_EQ((*solution)[i], rec.digits[i]) << "given at row " << i / 9 + 1 << ", column " << i % 9 + 1;
            }
        }
    }
}

TEST_P(ShippedLevel, EveryPuzzleHasExactlyOneSolution)
{
    for (const auto& rec : records_) {
        ASSERT_TRUE(allCharsIn(rec.digits, '0', '9')) << rec.label;
        EXPECT_EQ(countSolutions(toGrid(rec.digits)), 1) << rec.label << ": " << rec.digits;
    }
}

TEST_P(ShippedLevel, DifficultyMatchesTheLibrary)
{
    for (const auto& rec : records_) {
        ASSERT_TRUE(allCharsIn(rec.digits, '0', '9')) << rec.label;
        Grid g = toGrid(rec.digits);
        const bool solved = solveBySingles(g);
        if (GetParam().singlesSuffice) {
            EXPECT_TRUE(solved) << rec.label << " is not finished by naked and hidden singles alone";
            const auto solution = solutionFor(rec.label);
            if (solved && solution && allCharsIn(*solution, '1', '9')) {
                EXPECT_EQ(g, toGrid(*solution)) << rec.label;
            }
        } else {
            EXPECT_FALSE(solved) << rec.label << " is finished by singles alone: too easy for this library";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Game, ShippedLevel,
                         ::testing::Values(Level{"facil", "facil.sdk", "sol_fac.sdk", true},
                                           Level{"medio", "medio.sdk", "sol_med.sdk", false},
                                           Level{"dificil", "dificil.sdk", "sol_dif.sdk", false}),
                         [](const ::testing::TestParamInfo<Level>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The checkers above, on grids whose answer is known, so a broken checker cannot let
// broken data through.

// A valid complete grid: row r is 1..9 shifted by 3r + r/3.
Grid patternGrid()
{
    Grid g{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            g[r * 9 + c] = (r * 3 + r / 3 + c) % 9 + 1;
    return g;
}

TEST(GridCheckers, ValidityOfCompleteGrids)
{
    const Grid full = patternGrid();
    EXPECT_TRUE(isCompleteValidGrid(full));

    Grid swapped = full;  // two cells of a row exchanged: the row stays fine, columns break
    std::swap(swapped[0], swapped[1]);
    EXPECT_FALSE(isCompleteValidGrid(swapped));

    Grid withGap = full;
    withGap[40] = 0;
    EXPECT_FALSE(isCompleteValidGrid(withGap));
}

TEST(GridCheckers, SolutionCount)
{
    const Grid full = patternGrid();
    EXPECT_EQ(countSolutions(full), 1);

    Grid oneGap = full;
    oneGap[40] = 0;
    EXPECT_EQ(countSolutions(oneGap), 1);

    EXPECT_EQ(countSolutions(Grid{}), 2) << "an empty grid has many solutions";

    // Emptying every 1 and every 2 leaves the original and the grid with 1 and 2 exchanged.
    Grid twoWays = full;
    for (int& v : twoWays)
        if (v == 1 || v == 2)
            v = 0;
    EXPECT_EQ(countSolutions(twoWays), 2);

    Grid clash = Grid{};
    clash[0] = 5;
    clash[8] = 5;  // same row
    EXPECT_EQ(countSolutions(clash), 0);
}

TEST(GridCheckers, SinglesSolver)
{
    const Grid full = patternGrid();
    Grid gaps = full;
    for (int cell : {0, 10, 20, 30, 40, 50, 60, 70, 80})
        gaps[cell] = 0;
    EXPECT_TRUE(solveBySingles(gaps));
    EXPECT_EQ(gaps, full);

    Grid empty{};
    EXPECT_FALSE(solveBySingles(empty));
}

}  // namespace
