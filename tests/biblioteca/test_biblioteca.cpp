// cuadrix-biblioteca and the game on copies of the shipped game/ folder: damage found at its line; hostile files
// named with their cause; an append killed between its two writes undone by the next import; imported and generated
// puzzles in the game's format.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <regex>
#include <sstream>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"
#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/library_files.h"

using namespace support;
using Lines = std::vector<std::string>;

struct Biblioteca : ::testing::Test {
    ProgramFolder folder{"biblioteca"};
    const fs::path game = folder.root / "game";

    void SetUp() override { fs::copy(CUADRIX_SHIPPED_GAME, game, fs::copy_options::recursive | fs::copy_options::overwrite_existing); }
    Lines lines(const std::string& name) const { return biblioteca::readTextFile(game / name).lines; }
    // "@" stands for the game folder.
    std::string at(const std::string& text) const { return std::regex_replace(text, std::regex("@"), game.string()); }
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
    const std::tuple<const char*, std::function<void(Lines&)>, const char*> cases[] = {  // file, damage, where and what
        {"facil.sdk", [](Lines& l) { l[5] = "Facil 001"; }, "@/facil.sdk:6: la etiqueta «Facil 001» es igual a la línea 2"},
        {"medio.sdk", [](Lines& l) { l[4].pop_back(); }, "@/medio.sdk:5: la línea del sudoku «Medio 002» no empieza por 81 cifras"},
        {"sol_med.sdk", [](Lines& l) { l.resize(59); }, "@/medio.sdk:60: falta la solución de «Medio 030»"},
        {"sol_med.sdk", [](Lines& l) { l[0] = "Medio 002"; }, "@/sol_med.sdk:1: la etiqueta «Medio 002» de medio.sdk es igual a la cabecera"},
        {"sol_dif.sdk", [](Lines& l) { std::swap(l[2][79], l[2][80]); }, "@/sol_dif.sdk:3: la solución de «Dificil 001» no es válida: la columna 8 repite"},
        {"sol_fac.sdk", [](Lines& l) { l[2] = l[4]; }, "@/sol_fac.sdk:3: la solución de «Facil 001» no respeta"},
        {"sol_fac.sdk", [](Lines& l) { l[5] += "\n"; }, "@/sol_fac.sdk:6: la línea termina en LF sin CR"},
        {"dificil.sdk", [this](Lines& l) { l[4] = lines("facil.sdk")[2]; }, "@/dificil.sdk:5: el sudoku «Dificil 002» ya está en facil.sdk"},
        {"medio.sdk", [](Lines& l) { l[8] = std::string(81, '0'); }, "@/medio.sdk:9: el sudoku «Medio 004» tiene más de una solución"},
    };
    for (const auto& [file, damage, where] : cases) {
        SetUp();
        Lines damaged = lines(file);
        damage(damaged);
        writeBytes(game / file, crlf(damaged));
        EXPECT_NE(run({"comprobar", game.string()}).find(at(where)), std::string::npos) << where;
    }
}

// Something hostile in place of a data file, read by a command on a game in progress and by comprobar: the box and
// comprobar's line each say the cause in Spanish, and nothing hangs.
TEST_F(Biblioteca, HostileFilesGetTheirCauseInSpanish)
{
    const std::tuple<const char*, std::function<void(const std::string&)>, void (Game::*)(), const char*, const char*> cases[] = {
        {"facil.sdk", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, &Game::nuevo_sudoku_Click,
         "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.", "@/facil.sdk:0: no es un fichero normal"},
        {"sol_fac.sdk", [](const std::string& p) { fs::create_symlink(p, p); }, &Game::solucionar_sudoku_Click,
         "No se puede leer el fichero @/sol_fac.sdk: hay demasiados enlaces simbólicos en la ruta.",
         "@/sol_fac.sdk:0: hay demasiados enlaces simbólicos en la ruta"},
        {"facil.sdk", [](const std::string& p) { writeBytes(p, crlf({"x", std::string(17 << 20, 'k')})); }, &Game::nuevo_sudoku_Click,
         "El fichero de sudokus @/facil.sdk está dañado o incompleto.", "@/facil.sdk:2: tiene una línea de más de 16 MB"},
    };
    for (const auto& [file, make, command, box, where] : cases) {
        SetUp();
        fs::remove(game / file);
        make((game / file).string());
        FakeWindowSystem ws;
        Game g(ws);
        ws.folder = folder.root.string();
        g.puzzleOnBoard = true;
        (g.*command)();
        EXPECT_EQ(ws.boxes.empty() ? "" : ws.boxes[0].prompt, at(box));
        EXPECT_NE(run({"comprobar", game.string()}).find(at(where)), std::string::npos) << where;
        fs::remove(game / file);  // the copy of the shipped folder would not overwrite it
    }
}

// Stopped at the library's rename, as a kill there would stop it, an append leaves a solution without a puzzle (which
// the game never reads) and the library's temporary file. The next import undoes that and says so; it and a
// generation add their puzzles in the game's format.
TEST_F(Biblioteca, AnAppendKilledBetweenItsTwoWritesIsUndoneByTheNextImport)
{
    struct KillAtTheLibrary : SystemFileOps {
        int rename(const std::string& f, const std::string& t) override { return t.find("/sol_") < t.size() ? SystemFileOps::rename(f, t) : throw t; }
    } ops;
    // Rows 1 and 2 exchanged: a new puzzle, whose solution has them exchanged too.
    const auto swapped = [](const std::string& grid) { return grid.substr(9, 9) + grid.substr(0, 9) + grid.substr(18); };
    const std::string p = swapped(lines("facil.sdk")[2]);
    std::vector<biblioteca::NewPuzzle> puzzles{{p, swapped(lines("sol_fac.sdk")[2]), {}}};
    EXPECT_ANY_THROW(biblioteca::appendPuzzles(game, levels()[0], puzzles, ops));

    // The import file: a comment, the new puzzle with a dot for an empty cell and blanks around, a known puzzle.
    writeBytes(folder.root / "nuevos.txt",
               "# comentario\n \t" + std::string(p).replace(p.find('0'), 1, ".") + "\t\n" + lines("medio.sdk")[4] + "\n");
    const std::string out = run({"importar", (folder.root / "nuevos.txt").string(), "--dificultad=f", "--carpeta", game.string()})
                          + run({"generar", "--dificultad", "d", "--cantidad", "2", "--semilla", "7", "--carpeta", game.string()});
    for (const char* said : {"borrado @/fa~", "quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 031»",
                             "nuevos.txt:2: añadido como «Facil 031»", "Generados 2 sudokus en dificil.sdk",
                             "nuevos.txt:3: rechazado: ya está en la biblioteca (medio.sdk, «Medio 002»)",
                             "Importados 1 sudoku en facil.sdk y sol_fac.sdk; 1 rechazado."})
        EXPECT_NE(out.find(at(said)), std::string::npos) << said << "\n" << out;
    EXPECT_NE(run({"comprobar", game.string()}).find("ningún problema"), std::string::npos);
}
