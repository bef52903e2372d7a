// cuadrix-biblioteca on copies of the shipped game/ folder: damage found at its line; an append killed between its
// two writes undone by the next import; imported and generated puzzles in the game's format.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <functional>
#include <regex>
#include <sstream>

#include "tests/support.h"
#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/library_files.h"

using namespace support;
using Lines = std::vector<std::string>;

// Rows 1 and 2 exchanged: a new puzzle, whose solution has them exchanged too.
std::string swapped(const std::string& grid) { return grid.substr(9, 9) + grid.substr(0, 9) + grid.substr(18); }

struct Biblioteca : ::testing::Test {
    ProgramFolder folder{"biblioteca"};
    const fs::path game = folder.root / "game";

    void SetUp() override { fs::copy(CUADRIX_SHIPPED_GAME, game, fs::copy_options::recursive | fs::copy_options::overwrite_existing); }
    Lines lines(const std::string& name) const { return biblioteca::readTextFile(game / name).lines; }
    // Runs the tool in-process: its output, with the error output after it.
    std::string run(const std::vector<std::string>& args) const
    {
        std::ostringstream out;
        biblioteca::run(args, out, out, "");
        return out.str();
    }
};

TEST_F(Biblioteca, ComprobarFindsEachDamageAtItsLine)
{
    const std::tuple<const char*, std::function<void(Lines&)>, std::string> cases[] = {  // file, damage, where and what
        {"facil.sdk", [](Lines& l) { l[5] = "Facil 001"; }, "facil.sdk:6: la etiqueta «Facil 001» es igual a la línea 2"},
        {"medio.sdk", [](Lines& l) { l[4].pop_back(); }, "medio.sdk:5: la línea del sudoku «Medio 002» no empieza por 81 cifras"},
        {"sol_med.sdk", [](Lines& l) { l.resize(59); }, "medio.sdk:60: falta la solución de «Medio 030»"},
        {"sol_med.sdk", [](Lines& l) { l[0] = "Medio 002"; }, "sol_med.sdk:1: la etiqueta «Medio 002» de medio.sdk es igual a la cabecera"},
        {"sol_dif.sdk", [](Lines& l) { std::swap(l[2][79], l[2][80]); }, "sol_dif.sdk:3: la solución de «Dificil 001» no es válida"},
        {"sol_fac.sdk", [](Lines& l) { l[2] = l[4]; }, "sol_fac.sdk:3: la solución de «Facil 001» no respeta"},
        {"sol_fac.sdk", [](Lines& l) { l[5] += "\n"; }, "sol_fac.sdk:6: la línea termina en LF sin CR"},
        {"dificil.sdk", [this](Lines& l) { l[4] = lines("facil.sdk")[2]; }, "dificil.sdk:5: el sudoku «Dificil 002» ya está en facil.sdk"},
        {"medio.sdk", [this](Lines& l) { l[8] = std::regex_replace(lines("sol_med.sdk")[8], std::regex("[12]"), "0"); },
         "medio.sdk:9: el sudoku «Medio 004» tiene más de una solución"},  // its 1s and 2s can change places
    };
    for (const auto& [file, damage, where] : cases) {
        SetUp();
        Lines damaged = lines(file);
        damage(damaged);
        writeBytes(game / file, crlf(damaged));
        EXPECT_NE(run({"comprobar", game.string()}).find((game / where).string()), std::string::npos) << where;
    }
}

// Killed between its two writes, an append leaves a solution without a puzzle (which the game never reads) and the
// library's temporary file. The next import undoes that and says so; it and a generation add their puzzles in the
// game's format.
TEST_F(Biblioteca, AnAppendKilledBetweenItsTwoWritesIsUndoneByTheNextImport)
{
    struct KillAtTheLibrary : SystemFileOps {
        int rename(const std::string& from, const std::string& to) override
        {
            return to.find("/facil.sdk") != std::string::npos ? ::raise(SIGKILL) : SystemFileOps::rename(from, to);
        }
    } ops;
    const std::string p = swapped(lines("facil.sdk")[2]);
    const std::string solution = swapped(lines("sol_fac.sdk")[2]);
    std::vector<biblioteca::NewPuzzle> puzzles{{p, solution, {}}};
    const pid_t child = ::fork();
    if (child == 0)  // killed before the append returns
        ::_exit(biblioteca::appendPuzzles(game, levels()[0], puzzles, ops).empty() ? 0 : 1);
    int status = 0;
    ASSERT_TRUE(::waitpid(child, &status, 0) == child && WIFSIGNALED(status));

    // The import file: a comment, the new puzzle with a dot for an empty cell and spaces around, a known puzzle.
    writeBytes(folder.root / "nuevos.txt",
               "# comentario\n " + std::string(p).replace(p.find('0'), 1, ".") + "\t\n" + lines("medio.sdk")[4] + "\n");
    const std::string out = run({"importar", (folder.root / "nuevos.txt").string(), "--dificultad=f", "--carpeta", game.string()})
                          + run({"generar", "--dificultad", "d", "--cantidad", "2", "--semilla", "7", "--carpeta", game.string()});
    const std::string said[] = {"borrado " + game.string() + "/fa~", "nuevos.txt:2: añadido como «Facil 031»",
                                "quitadas de " + game.string() + "/sol_fac.sdk las soluciones sin sudoku «Facil 031»",
                                "nuevos.txt:3: rechazado: ya está en la biblioteca (medio.sdk, «Medio 002»)",
                                "Generados 2 sudokus en dificil.sdk"};
    for (const std::string& expected : said)
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    EXPECT_EQ(readBytes(game / "facil.sdk"), readBytes(CUADRIX_SHIPPED_GAME "/facil.sdk") + crlf({"Facil 031", p}));
    EXPECT_EQ(readBytes(game / "sol_fac.sdk"), readBytes(CUADRIX_SHIPPED_GAME "/sol_fac.sdk") + crlf({"Facil 031", solution}));
    EXPECT_NE(run({"comprobar", game.string()}).find("ningún problema"), std::string::npos);
}
