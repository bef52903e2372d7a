// cuadrix-biblioteca on copies of the shipped game/ folder: the checks find each kind of
// damage at the right line, imports and generated puzzles land in the game's format with
// fresh labels, and bad command lines are refused with exit code 2. Some cases run the real
// executable; the rest call the same code in-process.

#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/library_files.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using biblioteca::kCells;

// ---------------------------------------------------------------------------
// Files and runs

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The lines of a CR LF file, without their line ends.
std::vector<std::string> readLines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::istringstream in(readBytes(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void writeLines(const fs::path& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    writeBytes(path, bytes);
}

// Replaces line `number` (1-based) of a CR LF file.
void setLine(const fs::path& path, int number, const std::string& text)
{
    auto lines = readLines(path);
    lines.at(number - 1) = text;
    writeLines(path, lines);
}

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a program as a separate process and collects its exit code and output.
Outcome runProgram(const std::string& program, const std::vector<std::string>& args, const fs::path& scratch)
{
    std::string command = shellQuoted(program);
    for (const auto& a : args)
        command += " " + shellQuoted(a);
    const fs::path out = scratch / "stdout.txt", err = scratch / "stderr.txt";
    command += " >" + shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
    const int status = std::system(command.c_str());
    Outcome r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = readBytes(out);
    r.err = readBytes(err);
    fs::remove(out);
    fs::remove(err);
    return r;
}

Outcome runTool(const std::vector<std::string>& args, const fs::path& scratch)
{
    return runProgram(CUADRIX_BIBLIOTECA, args, scratch);
}

// The same command line, in-process; the default folder is one that does not exist.
Outcome runHere(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    Outcome r;
    r.code = biblioteca::run(args, out, err, "/nonexistent/game");
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> outputLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool hasLineStartingWith(const std::string& text, const std::string& start, const std::string& containing = "")
{
    for (const auto& line : outputLines(text))
        if (line.rfind(start, 0) == 0 && line.find(containing) != std::string::npos)
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// Puzzles derived from the shipped ones

// A complete valid grid: row r is 1..9 shifted by 3r + r/3.
std::string patternGrid()
{
    std::string g(kCells, '0');
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            g[r * 9 + c] = static_cast<char>('1' + (r * 3 + r / 3 + c) % 9);
    return g;
}

// Exchanges digits d and 10 - d: a different puzzle with the mirrored solution.
std::string mirrored(std::string grid)
{
    for (char& c : grid)
        if (c != '0')
            c = static_cast<char>('0' + 10 - (c - '0'));
    return grid;
}

std::string dotted(std::string puzzle)
{
    std::replace(puzzle.begin(), puzzle.end(), '0', '.');
    return puzzle;
}

// A temporary folder holding a copy of the shipped game/ folder, removed afterwards.
class GameCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "biblioteca-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        game_ = root_ / "game";
        fs::copy(CUADRIX_SHIPPED_GAME, game_, fs::copy_options::recursive);
        fs::remove(game_ / "partida.sdk");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path file(const std::string& name) const { return game_ / name; }
    std::string line(const std::string& name, int number) const { return readLines(file(name)).at(number - 1); }

    Outcome check() const { return runHere({"comprobar", game_.string()}); }

    // Writes lines to an import file and imports it into the game folder.
    Outcome import(const std::vector<std::string>& lines, const std::string& level = "f")
    {
        std::string bytes;
        for (const auto& l : lines)
            bytes += l + "\n";
        writeBytes(root_ / "entrada.txt", bytes);
        return runHere({"importar", (root_ / "entrada.txt").string(), "--dificultad", level, "--carpeta",
                        game_.string()});
    }

    fs::path root_;
    fs::path game_;
};

// ---------------------------------------------------------------------------
// comprobar

TEST_F(GameCopy, ShippedFolderPassesTheCheckThroughTheProgram)
{
    const Outcome r = runTool({"comprobar", game_.string()}, root_);
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("6 ficheros con 90 sudokus"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ningún problema"), std::string::npos) << r.out;
}

TEST_F(GameCopy, DamagedFolderFailsThroughTheProgramWithFileAndLine)
{
    setLine(file("medio.sdk"), 4, "Medio 001");
    const Outcome r = runTool({"comprobar", game_.string()}, root_);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(hasLineStartingWith(r.out, (game_ / "medio.sdk").string() + ":4: ", "«Medio 001»")) << r.out;
    EXPECT_NE(r.out.find("problema"), std::string::npos);
}

struct Damage {
    const char* name;
    std::function<void(const fs::path& game)> apply;
    const char* file;   // where the problem is reported
    int line;
    const char* words;  // part of the description
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

class DamagedCopy : public GameCopy, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedCopy, IsReportedAtItsLine)
{
    GetParam().apply(game_);
    const Outcome r = check();
    EXPECT_EQ(r.code, 1);
    const std::string where = (game_ / GetParam().file).string() + ":" + std::to_string(GetParam().line) + ": ";
    EXPECT_TRUE(hasLineStartingWith(r.out, where, GetParam().words))
        << "expected \"" << where << "..." << GetParam().words << "...\" in:\n" << r.out;
    // Each damage is in the files of one level; the other levels stay quiet.
    const biblioteca::Level* damaged = nullptr;
    for (const auto& level : biblioteca::levels())
        if (GetParam().file == std::string(level.library) || GetParam().file == std::string(level.solutions))
            damaged = &level;
    ASSERT_NE(damaged, nullptr);
    for (const auto& problem : outputLines(r.out)) {
        if (problem.rfind("Comprobados ", 0) == 0)
            continue;
        EXPECT_TRUE(problem.rfind((game_ / damaged->library).string() + ":", 0) == 0
                    || problem.rfind((game_ / damaged->solutions).string() + ":", 0) == 0)
            << problem;
    }
}

std::string lineOf(const fs::path& path, int number) { return readLines(path).at(number - 1); }

const Damage kDamages[] = {
    {"duplicate_label", [](const fs::path& g) { setLine(g / "facil.sdk", 6, "Facil 001"); },
     "facil.sdk", 6, "«Facil 001» es igual a la línea 2"},
    {"label_equal_to_library_header",
     [](const fs::path& g) {
         setLine(g / "facil.sdk", 1, "Facil 005");
         setLine(g / "sol_fac.sdk", 1, "Facil 005");
     },
     "facil.sdk", 10, "«Facil 005» es igual a la línea 1 (la cabecera)"},
    {"label_equal_to_solution_header_only_game_reads_wrong_line",
     [](const fs::path& g) { setLine(g / "sol_med.sdk", 1, "Medio 002"); },
     "sol_med.sdk", 1, "es igual a la cabecera"},
    {"label_equal_to_an_earlier_solution_line",
     [](const fs::path& g) {
         // The game would find the label at the solution of "Facil 001" and read the next label.
         const std::string digits = lineOf(g / "sol_fac.sdk", 3);
         setLine(g / "facil.sdk", 6, digits);
         setLine(g / "sol_fac.sdk", 6, digits);
     },
     "sol_fac.sdk", 3, "es igual a esta línea de cifras"},
    {"solution_label_repeats_a_line",
     [](const fs::path& g) { setLine(g / "sol_fac.sdk", 6, "Facil 001"); },
     "sol_fac.sdk", 6, "«Facil 001» es igual a la línea 2"},
    {"missing_solution",
     [](const fs::path& g) {
         auto lines = readLines(g / "sol_med.sdk");
         lines.erase(lines.begin() + 5, lines.begin() + 7);  // "Medio 003" and its solution
         writeLines(g / "sol_med.sdk", lines);
     },
     "medio.sdk", 6, "falta la solución de «Medio 003»"},
    {"label_without_digit_line",
     [](const fs::path& g) {
         auto lines = readLines(g / "sol_med.sdk");
         lines.pop_back();
         writeLines(g / "sol_med.sdk", lines);
     },
     "sol_med.sdk", 60, "«Medio 030» no tiene línea de cifras"},
    {"solution_breaks_a_column",
     [](const fs::path& g) {
         std::string s = lineOf(g / "sol_dif.sdk", 3);
         std::swap(s[0], s[1]);
         setLine(g / "sol_dif.sdk", 3, s);
     },
     "sol_dif.sdk", 3, "no es válida: la columna 1 repite"},
    {"solution_of_another_puzzle",
     [](const fs::path& g) { setLine(g / "sol_fac.sdk", 3, lineOf(g / "sol_fac.sdk", 5)); },
     "sol_fac.sdk", 3, "la solución de «Facil 001» no respeta"},
    {"solution_with_an_empty_cell",
     [](const fs::path& g) {
         std::string s = lineOf(g / "sol_fac.sdk", 7);
         s[80] = '0';
         setLine(g / "sol_fac.sdk", 7, s);
     },
     "sol_fac.sdk", 7, "81 cifras del 1 al 9"},
    {"puzzle_with_two_solutions",
     [](const fs::path& g) {
         // Emptying every 1 and 2 of the solution leaves it and its 1/2 swap.
         std::string p = lineOf(g / "sol_med.sdk", 9);
         for (char& c : p)
             if (c == '1' || c == '2')
                 c = '0';
         setLine(g / "medio.sdk", 9, p);
     },
     "medio.sdk", 9, "«Medio 004» tiene más de una solución"},
    {"puzzle_without_solution",
     [](const fs::path& g) {
         std::string p = lineOf(g / "facil.sdk", 3);
         const auto given = p.find_first_not_of('0');
         p[given + 9 < 81 ? given + 9 : given - 9] = p[given];  // the same digit again in its column
         setLine(g / "facil.sdk", 3, p);
     },
     "facil.sdk", 3, "«Facil 001» no tiene solución"},
    {"puzzle_line_not_digits",
     [](const fs::path& g) { setLine(g / "facil.sdk", 5, dotted(lineOf(g / "facil.sdk", 5))); },
     "facil.sdk", 5, "no empieza por 81 cifras"},
    {"lf_only_line_ends",
     [](const fs::path& g) {
         std::string b = readBytes(g / "facil.sdk");
         b.erase(std::remove(b.begin(), b.end(), '\r'), b.end());
         writeBytes(g / "facil.sdk", b);
     },
     "facil.sdk", 1, "LF sin CR (y 60 líneas más)"},
    {"one_line_end_missing_its_cr",
     [](const fs::path& g) {
         std::string b = readBytes(g / "sol_fac.sdk");
         b.erase(b.find("\r\nFacil 004"), 1);
         writeBytes(g / "sol_fac.sdk", b);
     },
     "sol_fac.sdk", 7, "LF sin CR"},
    {"last_line_without_line_end",
     [](const fs::path& g) {
         std::string b = readBytes(g / "medio.sdk");
         b.resize(b.size() - 2);
         writeBytes(g / "medio.sdk", b);
     },
     "medio.sdk", 61, "no termina en CR LF"},
    {"missing_solution_file", [](const fs::path& g) { fs::remove(g / "sol_fac.sdk"); },
     "sol_fac.sdk", 0, "no existe"},
    {"missing_library", [](const fs::path& g) { fs::remove(g / "medio.sdk"); }, "medio.sdk", 0, "no existe"},
    {"solution_headers_differ", [](const fs::path& g) { setLine(g / "sol_fac.sdk", 1, "otra cabecera"); },
     "sol_fac.sdk", 1, "la cabecera no es la de facil.sdk"},
    {"library_too_short_for_the_draw",
     [](const fs::path& g) {
         for (const char* name : {"facil.sdk", "sol_fac.sdk"}) {
             auto lines = readLines(g / name);
             lines.resize(3);
             writeLines(g / name, lines);
         }
     },
     "facil.sdk", 0, "tiene 1 sudokus"},
    {"puzzle_in_two_libraries",
     [](const fs::path& g) {
         setLine(g / "dificil.sdk", 3, lineOf(g / "facil.sdk", 3));
         setLine(g / "sol_dif.sdk", 3, lineOf(g / "sol_fac.sdk", 3));
     },
     "dificil.sdk", 3, "ya está en facil.sdk, «Facil 001»"},
};

INSTANTIATE_TEST_SUITE_P(Comprobar, DamagedCopy, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// importar

TEST_F(GameCopy, ImportAppendsLabelPuzzleAndSolutionWithCrLfAndContinuesTheNumbering)
{
    const std::string libBefore = readBytes(file("facil.sdk"));
    const std::string solBefore = readBytes(file("sol_fac.sdk"));
    const std::string p1 = mirrored(line("facil.sdk", 3)), s1 = mirrored(line("sol_fac.sdk", 3));
    const std::string p2 = mirrored(line("facil.sdk", 5)), s2 = mirrored(line("sol_fac.sdk", 5));

    const Outcome r = import({"# dos sudokus", "", "  " + dotted(p1) + "  ", p2});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    EXPECT_TRUE(hasLineStartingWith(r.out, (root_ / "entrada.txt").string() + ":3: ", "«Facil 031»")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, (root_ / "entrada.txt").string() + ":4: ", "«Facil 032»")) << r.out;

    EXPECT_EQ(readBytes(file("facil.sdk")), libBefore + "Facil 031\r\n" + p1 + "\r\nFacil 032\r\n" + p2 + "\r\n");
    EXPECT_EQ(readBytes(file("sol_fac.sdk")), solBefore + "Facil 031\r\n" + s1 + "\r\nFacil 032\r\n" + s2 + "\r\n");
    EXPECT_EQ(check().code, 0) << check().out;
    // Nothing is left behind from the temporary files.
    EXPECT_EQ(std::distance(fs::directory_iterator(game_), fs::directory_iterator()), 6);
}

TEST_F(GameCopy, ImportRefusesBadLinesOneLineEachAndKeepsTheGoodOnes)
{
    const std::string good = mirrored(line("medio.sdk", 3));
    std::string twoWays = patternGrid();
    for (char& c : twoWays)
        if (c == '1' || c == '2')
            c = '0';
    std::string clash(kCells, '0');
    clash[0] = clash[8] = '5';
    const std::vector<std::string> input = {
        good.substr(0, 80),                  // 2: too short
        good.substr(0, 80) + "x",            // 3: bad character
        twoWays,                             // 4: two solutions
        clash,                               // 5: none
        patternGrid(),                       // 6: nothing left to fill
        line("medio.sdk", 5),                // 7: already in this library
        line("dificil.sdk", 3),              // 8: already in another library
        good,                                // 9: accepted
        dotted(good),                        // 10: the same again
    };
    std::vector<std::string> withComment = {"# cabecera"};
    withComment.insert(withComment.end(), input.begin(), input.end());
    const Outcome r = import(withComment, "m");
    EXPECT_EQ(r.code, 1) << r.out << r.err;

    const std::string in = (root_ / "entrada.txt").string() + ":";
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "2: rechazado: ", "80 caracteres")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "3: rechazado: ", "posición 81")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "4: rechazado: ", "más de una solución")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "5: rechazado: ", "no tiene solución")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "6: rechazado: ", "no tiene casillas vacías")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "7: rechazado: ", "medio.sdk, «Medio 002»")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "8: rechazado: ", "dificil.sdk, «Dificil 001»")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "9: añadido como «Medio 031»")) << r.out;
    EXPECT_TRUE(hasLineStartingWith(r.out, in + "10: rechazado: ", "línea 9")) << r.out;
    EXPECT_NE(r.out.find("Importados 1 sudoku en medio.sdk y sol_med.sdk; 8 rechazados."), std::string::npos);

    const auto lines = readLines(file("medio.sdk"));
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(lines[61], "Medio 031");
    EXPECT_EQ(lines[62], good);
    EXPECT_EQ(check().code, 0) << check().out;
}

TEST_F(GameCopy, ImportedLabelsSkipNumbersAlreadyUsedByAnyLine)
{
    // Both headers read "Facil 031", so the next free label is "Facil 032".
    setLine(file("facil.sdk"), 1, "Facil 031");
    setLine(file("sol_fac.sdk"), 1, "Facil 031");
    // A label out of the numbering does not disturb it; a higher number moves it on.
    setLine(file("facil.sdk"), 4, "Especial");
    setLine(file("sol_fac.sdk"), 4, "Especial");
    setLine(file("facil.sdk"), 6, "Facil 040");
    setLine(file("sol_fac.sdk"), 6, "Facil 040");
    ASSERT_EQ(check().code, 0) << check().out;

    EXPECT_EQ(import({mirrored(line("facil.sdk", 3))}).code, 0);
    EXPECT_EQ(readLines(file("facil.sdk")).at(61), "Facil 041");

    setLine(file("facil.sdk"), 6, "Facil 003");
    setLine(file("sol_fac.sdk"), 6, "Facil 003");
    setLine(file("facil.sdk"), 62, "Extra");  // "Facil 041" renamed: 030 is the highest, 031 the header
    setLine(file("sol_fac.sdk"), 62, "Extra");
    ASSERT_EQ(check().code, 0) << check().out;
    EXPECT_EQ(import({mirrored(line("facil.sdk", 5))}).code, 0);
    EXPECT_EQ(readLines(file("facil.sdk")).at(63), "Facil 032");
    EXPECT_EQ(check().code, 0) << check().out;
}

TEST_F(GameCopy, ImportLeavesADamagedLibraryUntouched)
{
    std::string lf = readBytes(file("sol_dif.sdk"));
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    writeBytes(file("sol_dif.sdk"), lf);
    const std::string libBefore = readBytes(file("dificil.sdk"));

    const Outcome r = import({mirrored(line("dificil.sdk", 3))}, "d");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(hasLineStartingWith(r.out, file("sol_dif.sdk").string() + ":1: ", "LF sin CR")) << r.out;
    EXPECT_EQ(readBytes(file("dificil.sdk")), libBefore);
    EXPECT_EQ(readBytes(file("sol_dif.sdk")), lf);
}

TEST_F(GameCopy, ImportIntoAFolderWithoutTheLevelStartsBothFiles)
{
    fs::remove(file("facil.sdk"));
    fs::remove(file("sol_fac.sdk"));
    ASSERT_EQ(import({mirrored(line("medio.sdk", 3)), mirrored(line("medio.sdk", 5))}).code, 0);
    const auto lib = readLines(file("facil.sdk"));
    ASSERT_EQ(lib.size(), 5u);
    EXPECT_EQ(lib[1], "Facil 001");
    EXPECT_EQ(lib[3], "Facil 002");
    EXPECT_EQ(readLines(file("sol_fac.sdk"))[0], lib[0]);
    EXPECT_EQ(check().code, 0) << check().out;
}

TEST_F(GameCopy, ImportThroughTheProgramUsesTheGameFolderBesideIt)
{
    // A copy of the program beside the game folder, as the game is laid out.
    const fs::path program = root_ / "cuadrix-biblioteca";
    fs::copy_file(CUADRIX_BIBLIOTECA, program);
    const std::string puzzle = mirrored(line("dificil.sdk", 5));
    writeBytes(root_ / "nuevos.txt", dotted(puzzle) + "\r\n");

    const Outcome r = runProgram(program.string(), {"importar", (root_ / "nuevos.txt").string(), "--dificultad", "d"}, root_);
    EXPECT_EQ(r.code, 0) << r.out << r.err;
    const auto lines = readLines(file("dificil.sdk"));
    ASSERT_EQ(lines.size(), 63u);
    EXPECT_EQ(lines[61], "Dificil 031");
    EXPECT_EQ(lines[62], puzzle);
    EXPECT_EQ(runTool({"comprobar", game_.string()}, root_).code, 0);
}

// ---------------------------------------------------------------------------
// generar

class Generated : public GameCopy, public ::testing::WithParamInterface<const char*> {};

TEST_P(Generated, PuzzlesOfTheRightRatingPassTheCheck)
{
    const std::string code = GetParam();
    const biblioteca::Level& level = *biblioteca::levelFor(code);
    const Outcome r = runTool({"generar", "--dificultad", code, "--cantidad", "3", "--carpeta", game_.string(),
                           "--semilla", "42"},
                          root_);
    ASSERT_EQ(r.code, 0) << r.out << r.err;

    const auto lines = readLines(file(level.library));
    ASSERT_EQ(lines.size(), 67u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(lines[61 + 2 * k], std::string(level.labelPrefix) + " 03" + std::to_string(k + 1));
        const std::string rating = biblioteca::rating(lines[62 + 2 * k]);
        if (code == "f")
            EXPECT_TRUE(rating == "SIMPLE" || rating == "EASY") << rating;
        else
            EXPECT_EQ(rating, code == "m" ? "INTERMEDIATE" : "EXPERT");
    }
    const Outcome checked = runTool({"comprobar", game_.string()}, root_);
    EXPECT_EQ(checked.code, 0) << checked.out;
    EXPECT_NE(checked.out.find("93 sudokus"), std::string::npos) << checked.out;
}

INSTANTIATE_TEST_SUITE_P(Generar, Generated, ::testing::Values("f", "m", "d"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(GameCopy, GenerationWithASeedRepeatsAndNeverAddsAPuzzleTwice)
{
    const fs::path other = root_ / "otra";
    fs::copy(game_, other);
    const std::vector<std::string> args = {"generar", "--dificultad", "m", "--cantidad", "2", "--semilla", "7"};
    auto withFolder = [&](const fs::path& folder) {
        auto a = args;
        a.insert(a.end(), {"--carpeta", folder.string()});
        return a;
    };
    ASSERT_EQ(runHere(withFolder(game_)).code, 0);
    ASSERT_EQ(runHere(withFolder(other)).code, 0);
    EXPECT_EQ(readBytes(file("medio.sdk")), readBytes(other / "medio.sdk"));

    // The same seed again on the same folder: the puzzles it would repeat are skipped.
    ASSERT_EQ(runHere(withFolder(game_)).code, 0);
    const auto lines = readLines(file("medio.sdk"));
    ASSERT_EQ(lines.size(), 69u);
    EXPECT_EQ(lines[67], "Medio 034");
    EXPECT_EQ(check().code, 0) << check().out;
}

// ---------------------------------------------------------------------------
// Command line

TEST_F(GameCopy, UsageErrorsThroughTheProgramExitWith2AndShowTheUsage)
{
    const fs::path scratch = root_;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"ordenar"},
             {"comprobar"},
             {"comprobar", "/nonexistent-folder"},
         }) {
        const Outcome r = runTool(args, scratch);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("Uso:"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    const Outcome help = runTool({"--ayuda"}, scratch);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out, biblioteca::kUsage);
}

TEST_F(GameCopy, UsageErrorsExitWith2AndChangeNothing)
{
    writeBytes(root_ / "entrada.txt", mirrored(line("facil.sdk", 3)) + "\n");
    const std::string in = (root_ / "entrada.txt").string(), dir = game_.string();
    const std::string before = readBytes(file("facil.sdk"));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"comprobar", dir, dir},
             {"comprobar", dir, "--carpeta", dir},
             {"importar", in, "--carpeta", dir},
             {"importar", in, "--dificultad", "x", "--carpeta", dir},
             {"importar", in, "--dificultad", "facil", "--carpeta", dir},
             {"importar", "--dificultad", "f", "--carpeta", dir},
             {"importar", in, in, "--dificultad", "f", "--carpeta", dir},
             {"importar", (root_ / "no-existe.txt").string(), "--dificultad", "f", "--carpeta", dir},
             {"importar", in, "--dificultad", "f"},  // the default folder does not exist here
             {"importar", in, "--dificultad", "f", "--carpeta", dir, "--semilla", "3"},
             {"importar", in, "--dificultad", "f", "--dificultad", "m", "--carpeta", dir},
             {"importar", in, "--carpeta", dir, "--dificultad"},
             {"generar", "--dificultad", "f", "--carpeta", dir},
             {"generar", "--dificultad", "f", "--cantidad", "0", "--carpeta", dir},
             {"generar", "--dificultad", "f", "--cantidad", "dos", "--carpeta", dir},
             {"generar", "--dificultad", "f", "--cantidad", "-1", "--carpeta", dir},
             {"generar", "--dificultad", "f", "--cantidad", "1", "--carpeta", dir, "--semilla", "x"},
             {"generar", "--cantidad", "1", "--carpeta", dir},
             {"generar", "extra", "--dificultad", "f", "--cantidad", "1", "--carpeta", dir},
         }) {
        const Outcome r = runHere(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args) << "\n" << r.out << r.err;
        EXPECT_NE(r.err.find("Uso:"), std::string::npos) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(readBytes(file("facil.sdk")), before);

    // "--name=value" is the same as "--name value".
    const Outcome r = runHere({"importar", in, "--dificultad=f", "--carpeta=" + dir});
    EXPECT_EQ(r.code, 0) << r.out << r.err;
}

// ---------------------------------------------------------------------------
// Writing files

TEST_F(GameCopy, ReplacingAFileKeepsItsPermissionsAndFailsCleanly)
{
    fs::permissions(file("facil.sdk"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(biblioteca::replaceFile(file("facil.sdk"), "nuevo\r\n"), "");
    EXPECT_EQ(readBytes(file("facil.sdk")), "nuevo\r\n");
    EXPECT_EQ(fs::status(file("facil.sdk")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const std::string error = biblioteca::replaceFile(root_ / "no-existe" / "facil.sdk", "x");
    EXPECT_NE(error.find("no se puede"), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(root_ / "no-existe"));
}

}  // namespace
