// cuadrix-biblioteca on copies of the shipped game/ folder: damage is found at its file and line,
// imports and generated puzzles land in the game's format, and bad command lines change nothing.

#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/library_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Folder = const fs::path&;
using Args = std::vector<std::string>;

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
void writeBytes(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

void edit(Folder g, const char* name, const std::function<void(std::string&)>& change)
{
    std::string bytes = readBytes(g / name);
    change(bytes);
    writeBytes(g / name, bytes);
}
// Where line n (from 1) of a CR LF file starts; reading it, replacing it, keeping the lines before it.
std::size_t lineStart(const std::string& bytes, int n)
{
    std::size_t start = 0;
    while (--n > 0)
        start = bytes.find('\n', start) + 1;
    return start;
}
std::string at(Folder g, const char* name, int n)
{
    const std::string b = readBytes(g / name);
    return b.substr(lineStart(b, n), b.find('\r', lineStart(b, n)) - lineStart(b, n));
}
void set(Folder g, const char* name, int n, const std::string& text)
{
    edit(g, name, [&](std::string& b) {
        b.replace(lineStart(b, n), b.find('\r', lineStart(b, n)) - lineStart(b, n), text);
    });
}
void cutAt(Folder g, const char* name, int n) { edit(g, name, [&](std::string& b) { b.resize(lineStart(b, n)); }); }

// Exchanges digits d and 10 - d: a new puzzle whose solution is mirrored the same way.
std::string mirrored(std::string grid)
{
    for (char& c : grid)
        c = c == '0' ? c : static_cast<char>('0' + 10 - (c - '0'));
    return grid;
}
std::string replaced(std::string grid, const std::string& from, char to)
{
    for (char& c : grid)
        c = from.find(c) == std::string::npos ? c : to;
    return grid;
}

// Whether a line of text starts with `start` and contains `words`.
bool reported(const std::string& text, const std::string& start, const std::string& words = "")
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(start, 0) == 0 && line.find(words) != std::string::npos)
            return true;
    return false;
}

class GameCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "biblioteca-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::copy(CUADRIX_SHIPPED_GAME, game_ = root_ / "game");
    }
    void TearDown() override { fs::remove_all(root_); }

    struct Outcome {
        int code;
        std::string out;  // the error output after the rest
    };
    Outcome run(const Args& args) const  // in-process, where the default folder does not exist
    {
        std::ostringstream out, err;
        const int code = biblioteca::run(args, out, err, "/nonexistent/game");
        return {code, out.str() + err.str()};
    }
    Outcome tool(const Args& args, std::string program = CUADRIX_BIBLIOTECA) const
    {
        for (const auto& a : args)
            program += " '" + a + "'";  // no test path holds a quote
        const int status = std::system((program + " >" + input() + ".out 2>&1").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(input() + ".out")};
    }
    Outcome check() const { return run({"comprobar", dir()}); }
    Outcome import(const std::string& bytes, const std::string& level)
    {
        writeBytes(input(), bytes);
        return run({"importar", input(), "--dificultad", level, "--carpeta", dir()});
    }
    std::string dir() const { return game_.string(); }
    std::string path(const char* name) const { return (game_ / name).string(); }
    std::string input() const { return (root_ / "entrada.txt").string(); }

    fs::path root_, game_;
};

// Beside the program, its default folder, a level without files starts afresh.
TEST_F(GameCopy, ProgramPassesTheShippedFolderImportsBesideItAndFailsADamagedFolder)
{
    Outcome r = tool({"comprobar", dir()});
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_TRUE(reported(r.out, "Comprobados 6 ficheros con 90 sudokus en " + dir() + ": ningún problema")) << r.out;

    fs::remove(path("dificil.sdk"));
    fs::remove(path("sol_dif.sdk"));
    fs::copy_file(CUADRIX_BIBLIOTECA, root_ / "cuadrix-biblioteca");
    const std::string p = mirrored(at(game_, "medio.sdk", 3)), s = mirrored(at(game_, "sol_med.sdk", 3));
    writeBytes(input(), replaced(p, "0", '.') + "\r\n");
    EXPECT_EQ(tool({"importar", input(), "--dificultad", "d"}, (root_ / "cuadrix-biblioteca").string()).code, 0);
    const std::string header = biblioteca::levelFor("d")->header;
    EXPECT_EQ(readBytes(path("dificil.sdk")), header + "\r\nDificil 001\r\n" + p + "\r\n");
    EXPECT_EQ(readBytes(path("sol_dif.sdk")), header + "\r\nDificil 001\r\n" + s + "\r\n");

    set(game_, "medio.sdk", 4, "Medio 001");
    r = tool({"comprobar", dir()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(reported(r.out, path("medio.sdk") + ":4: ", "«Medio 001» es igual a la línea 2")) << r.out;
    EXPECT_TRUE(reported(r.out, path("dificil.sdk") + ":0: ", "tiene 1 sudokus")) << r.out;
}

struct Damage {
    const char* name;
    const char* file;  // where it is reported
    int line;
    const char* words;
    std::function<void(Folder)> apply;
};
void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

class Damaged : public GameCopy, public ::testing::WithParamInterface<Damage> {};

TEST_P(Damaged, IsReportedAtItsLine)
{
    const Damage& d = GetParam();
    d.apply(game_);
    const Outcome r = check();
    EXPECT_EQ(r.code, 1);
    const std::string where = path(d.file) + ":" + std::to_string(d.line) + ": ";
    EXPECT_TRUE(reported(r.out, where, d.words)) << "no " << where << "..." << d.words << " in:\n" << r.out;
}

const Damage kDamages[] = {
    {"label_twice", "facil.sdk", 6, "«Facil 001» es igual a la línea 2",
     [](Folder g) { set(g, "facil.sdk", 6, "Facil 001"); }},
    {"label_without_digit_line", "sol_med.sdk", 60, "«Medio 030» no tiene línea de cifras",
     [](Folder g) { cutAt(g, "sol_med.sdk", 61); }},
    {"missing_solution", "medio.sdk", 60, "falta la solución de «Medio 030»",
     [](Folder g) { cutAt(g, "sol_med.sdk", 60); }},
    // The game looks a label up from the first line of the solution file, digit lines included.
    {"game_would_find_the_label_at_the_header", "sol_med.sdk", 1, "es igual a la cabecera",
     [](Folder g) { set(g, "sol_med.sdk", 1, "Medio 002"); }},
    {"game_would_find_the_label_at_a_digit_line", "sol_fac.sdk", 3, "es igual a esta línea de cifras",
     [](Folder g) {
         set(g, "facil.sdk", 6, at(g, "sol_fac.sdk", 3));
         set(g, "sol_fac.sdk", 6, at(g, "sol_fac.sdk", 3));
     }},
    {"solution_repeats_in_a_column", "sol_dif.sdk", 3, "no es válida: la columna 1 repite",
     [](Folder g) {
         edit(g, "sol_dif.sdk", [](std::string& b) { std::swap(b[lineStart(b, 3)], b[lineStart(b, 3) + 1]); });
     }},
    {"solution_of_another_puzzle", "sol_fac.sdk", 3, "la solución de «Facil 001» no respeta",
     [](Folder g) { set(g, "sol_fac.sdk", 3, at(g, "sol_fac.sdk", 5)); }},
    {"puzzle_with_two_solutions", "medio.sdk", 9, "«Medio 004» tiene más de una solución",  // its 1s and 2s swap
     [](Folder g) { set(g, "medio.sdk", 9, replaced(at(g, "sol_med.sdk", 9), "12", '0')); }},
    {"puzzle_line_not_digits", "facil.sdk", 5, "no empieza por 81 cifras",
     [](Folder g) { set(g, "facil.sdk", 5, replaced(at(g, "facil.sdk", 5), "0", '.')); }},
    {"one_line_end_without_cr", "sol_fac.sdk", 7, "LF sin CR",
     [](Folder g) { edit(g, "sol_fac.sdk", [](std::string& b) { b.erase(b.find("\r\nFacil 004"), 1); }); }},
    {"last_line_unended", "medio.sdk", 61, "no termina en CR LF",
     [](Folder g) { edit(g, "medio.sdk", [](std::string& b) { b.resize(b.size() - 2); }); }},
    {"missing_solution_file", "sol_fac.sdk", 0, "no existe", [](Folder g) { fs::remove(g / "sol_fac.sdk"); }},
    {"headers_differ", "sol_fac.sdk", 1, "la cabecera no es la de facil.sdk",
     [](Folder g) { set(g, "sol_fac.sdk", 1, "x"); }},
    {"puzzle_in_two_libraries", "dificil.sdk", 3, "ya está en facil.sdk, «Facil 001»",
     [](Folder g) {
         set(g, "dificil.sdk", 3, at(g, "facil.sdk", 3));
         set(g, "sol_dif.sdk", 3, at(g, "sol_fac.sdk", 3));
     }},
};
INSTANTIATE_TEST_SUITE_P(Comprobar, Damaged, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

// New labels go on from the highest "Facil NNN" and skip any line of the two files.
TEST_F(GameCopy, ImportAppendsGoodLinesWithCrLfAndRefusesEachBadOneWithItsReason)
{
    for (const char* name : {"facil.sdk", "sol_fac.sdk"}) {
        set(game_, name, 1, "Facil 041");  // the header
        set(game_, name, 4, "Especial");
        set(game_, name, 6, "Facil 040");
    }
    ASSERT_EQ(check().code, 0) << check().out;
    const std::string lib = readBytes(path("facil.sdk")), sol = readBytes(path("sol_fac.sdk"));
    const std::string p1 = mirrored(at(game_, "facil.sdk", 3)), s1 = mirrored(at(game_, "sol_fac.sdk", 3));
    const std::string p2 = mirrored(at(game_, "facil.sdk", 5)), s2 = mirrored(at(game_, "sol_fac.sdk", 5));
    const std::string grid = at(game_, "sol_med.sdk", 3);
    const std::pair<std::string, const char*> lines[] = {  // from line 3, after a comment and a blank line
        {"  " + replaced(p1, "0", '.') + "  ", "añadido como «Facil 042»"},
        {p1.substr(0, 80), "rechazado: la línea tiene 80 caracteres"},
        {p1.substr(0, 80) + "x", "rechazado: carácter no válido en la posición 81"},
        {replaced(grid, "12", '0'), "rechazado: tiene más de una solución"},
        {"500000005" + std::string(72, '0'), "rechazado: no tiene solución"},
        {grid, "rechazado: no tiene casillas vacías"},
        {at(game_, "dificil.sdk", 3), "rechazado: ya está en la biblioteca (dificil.sdk, «Dificil 001»)"},
        {p1, "rechazado: repite el sudoku de la línea 3"},
        {p2, "añadido como «Facil 043»"},
    };
    std::string text = "# comentario\n\n";
    for (const auto& l : lines)
        text += l.first + "\n";
    const Outcome r = import(text, "f");
    EXPECT_EQ(r.code, 1);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(reported(r.out, input() + ":" + std::to_string(i + 3) + ": " + lines[i].second)) << r.out;
    EXPECT_TRUE(reported(r.out, "Importados 2 sudokus en facil.sdk y sol_fac.sdk; 7 rechazados.")) << r.out;
    EXPECT_EQ(readBytes(path("facil.sdk")), lib + "Facil 042\r\n" + p1 + "\r\nFacil 043\r\n" + p2 + "\r\n");
    EXPECT_EQ(readBytes(path("sol_fac.sdk")), sol + "Facil 042\r\n" + s1 + "\r\nFacil 043\r\n" + s2 + "\r\n");
    EXPECT_EQ(check().code, 0) << check().out;
    EXPECT_EQ(std::distance(fs::directory_iterator(game_), fs::directory_iterator()), 6);  // no temporaries left
}

TEST_F(GameCopy, ImportLeavesADamagedLibraryUntouched)
{
    edit(game_, "sol_dif.sdk", [](std::string& b) { b.erase(std::remove(b.begin(), b.end(), '\r'), b.end()); });
    const std::string lib = readBytes(path("dificil.sdk")), lf = readBytes(path("sol_dif.sdk"));
    const Outcome r = import(mirrored(at(game_, "dificil.sdk", 3)) + "\n", "d");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(reported(r.out, path("sol_dif.sdk") + ":1: ", "LF sin CR (y 60 líneas más)")) << r.out;
    EXPECT_EQ(readBytes(path("dificil.sdk")), lib);
    EXPECT_EQ(readBytes(path("sol_dif.sdk")), lf);
}

// The same seed on a copy gives the same puzzles; on a folder that has them already, others.
TEST_F(GameCopy, GeneratedPuzzlesCarryTheLevelsRatingAndASeedRepeatsThem)
{
    fs::copy(game_, root_ / "otra");
    for (const auto& level : levels()) {
        const std::string code = level.code;
        const std::string rated = code == "f" ? "SIMPLE EASY" : code == "m" ? "INTERMEDIATE" : "EXPERT";
        for (const std::string& folder : {dir(), (root_ / "otra").string(), dir()})
            ASSERT_EQ(run({"generar", "--dificultad=" + code, "--cantidad=2", "--semilla=7", "--carpeta=" + folder}).code,
                      0);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(at(game_, biblioteca::libraryFile(level).c_str(), 60 + 2 * k), level.labelPrefix + (" 03" + std::to_string(k)));
            const std::string rating = biblioteca::rating(at(game_, biblioteca::libraryFile(level).c_str(), 61 + 2 * k));
            EXPECT_NE(rated.find(rating), std::string::npos) << rating;
        }
        const std::string once = readBytes(root_ / "otra" / biblioteca::libraryFile(level));
        EXPECT_EQ(readBytes(path(biblioteca::libraryFile(level).c_str())).substr(0, once.size()), once);
    }
    EXPECT_TRUE(reported(check().out, "Comprobados 6 ficheros con 102 sudokus en " + dir() + ": ningún problema"));
}

TEST_F(GameCopy, UsageErrorsExitWith2AndChangeNothing)
{
    const Outcome bare = tool({});
    EXPECT_EQ(bare.code, 2);
    EXPECT_TRUE(reported(bare.out, "Uso:")) << bare.out;
    EXPECT_EQ(run({"comprobar", "--ayuda"}).out, biblioteca::kUsage);
    writeBytes(input(), mirrored(at(game_, "facil.sdk", 3)) + "\n");
    const std::string in = input(), before = readBytes(path("facil.sdk"));
    const auto F = [&](Args args) {  // with the rest of a valid importar or generar
        args.insert(args.end(), {"--dificultad", "f", "--carpeta", dir()});
        return args;
    };
    for (const Args& args : std::vector<Args>{
             {"ordenar"}, {"comprobar"}, {"comprobar", "/nonexistent"}, {"comprobar", dir(), dir()},
             {"importar", in, "--carpeta", dir()}, {"importar", in, "--dificultad", "x", "--carpeta", dir()},
             {"importar", in, "--carpeta", dir(), "--dificultad"}, {"importar", in, "--dificultad", "f"},
             F({"importar", dir()}), F({"importar", in, in}), F({"importar", in, "--semilla", "3"}),
             F({"importar", in, "--dificultad", "m"}), F({"generar"}), F({"generar", "--cantidad", "0"}),
             F({"generar", "--cantidad", "1x"}), F({"generar", "--cantidad", "1", "--semilla", "-1"})}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.code, 2) << ::testing::PrintToString(args) << r.out;
        EXPECT_TRUE(reported(r.out, "Uso:")) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(readBytes(path("facil.sdk")), before);
    EXPECT_EQ(run({"importar", in, "--dificultad=f", "--carpeta=" + dir()}).code, 0);
}

}  // namespace
