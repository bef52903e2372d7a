// cuadrix-biblioteca and the game on copies of the shipped game/ folder: damage found by comprobar at its line,
// hostile files named with their cause by both, imported and generated puzzles in the game's format.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <sstream>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"
#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/library_files.h"

using namespace support;

// A program folder holding a copy of the shipped game/ folder.
struct ShippedCopy : ProgramFolder {
    const fs::path game = root / "game";
    std::ostringstream out;  // all the tool has said, errors included

    ShippedCopy() : ProgramFolder("biblioteca") { fs::copy(CUADRIX_SHIPPED_GAME, game, fs::copy_options::recursive); }
};

// A damage to one file: it edits the file's lines or puts something hostile in its place (a FIFO, a symbolic link to
// itself, a line of 17 MB); comprobar's line, which names the file; and the box of a new game of the easy level ("@" the
// game folder).
const std::tuple<void (*)(std::vector<std::string>&, const char*), const char*, const char*> damages[] = {
    {[](auto& l, auto) { l[5] = "Facil 001"; }, "@/facil.sdk:6: la etiqueta «Facil 001» es igual a la línea 2", ""},
    {[](auto& l, auto) { l[4].pop_back(); }, "@/medio.sdk:5: la línea del sudoku «Medio 002» no empieza por 81", ""},
    {[](auto& l, auto) { l[59] = "Medio 031"; }, "@/medio.sdk:60: falta la solución de «Medio 031»", ""},
    {[](auto& l, auto) { std::swap(l[2][79], l[2][80]); },
     "@/sol_dif.sdk:3: la solución de «Dificil 001» no es válida: la columna 8 repite", ""},
    {[](auto& l, auto) { l[5] += "\n"; }, "@/sol_fac.sdk:6: la línea termina en LF sin CR", ""},
    {[](auto& l, auto) { l[8].assign(81, '0'); }, "@/medio.sdk:9: el sudoku «Medio 004» tiene más de una solución", ""},
    {[](auto&, auto p) { ::mkfifo(p, 0600); }, "@/facil.sdk:0: no es un fichero normal",
     "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.\n"},
    {[](auto&, auto p) { fs::create_symlink(p, p); }, "@/facil.sdk:0: hay demasiados enlaces simbólicos",
     "No se puede leer el fichero de sudokus @/facil.sdk: hay demasiados enlaces simbólicos en la ruta.\n"},
    {[](auto& l, auto) { l = {"x", std::string(17 << 20, '1')}; }, "@/facil.sdk:2: tiene una línea de más de 16 MB",
     "El fichero de sudokus @/facil.sdk está dañado o incompleto.\n"},
};

// Comprobar says where each damage is and what, and a new game either deals as ever or shows the cause in Spanish in
// its box; nothing hangs.
TEST(Biblioteca, DamageIsFoundAtItsLineAndHostileFilesAreNamedWithTheirCause)
{
    for (const auto& [damage, where, box] : damages) {
        ShippedCopy c;
        const fs::path file = c.game / std::string(where + 2, std::strchr(where, ':'));
        auto lines = biblioteca::readTextFile(file).lines;
        fs::remove(file);
        damage(lines, file.c_str());
        if (!fs::exists(fs::symlink_status(file)))  // the damage was to the lines
            writeBytes(file, crlf(lines));
        biblioteca::run({"comprobar", c.game.string()}, c.out, c.out, "");
        EXPECT_THAT(c.out.str(), testing::HasSubstr(inGame(where, c.game)));
        FakeWindowSystem ws;
        Game g(ws);
        ws.folder = c.root.string();
        g.nuevo_sudoku_Click();
        EXPECT_EQ(ws.asked(), (*box ? "Cuadrix!|OK|" : "") + inGame(box, c.game));
    }
}

// An import and a generation add puzzles that comprobar finds in order.
TEST(Biblioteca, ImportedAndGeneratedPuzzlesAreInTheGamesFormat)
{
    ShippedCopy c;
    // After a comment, the first easy puzzle with its rows 1 and 2 exchanged, which is new, and the puzzle itself.
    const std::string p = biblioteca::readTextFile(c.game / "facil.sdk").lines[2];
    writeBytes(c.root / "nuevos.txt", crlf({"# comentario", p.substr(9, 9) + p.substr(0, 9) + p.substr(18), p}));
    biblioteca::run({"importar", (c.root / "nuevos.txt").string(), "--dificultad=f"}, c.out, c.out, c.game);
    biblioteca::run({"generar", "--dificultad=d", "--cantidad", "2", "--semilla=7"}, c.out, c.out, c.game);
    biblioteca::run({"comprobar", c.game.string()}, c.out, c.out, "");
    for (const char* said : {"nuevos.txt:2: añadido como «Facil 031»",
                             "nuevos.txt:3: rechazado: ya está en la biblioteca (facil.sdk, «Facil 001»)",
                             "Importados 1 sudoku en facil.sdk y sol_fac.sdk; 1 rechazado.",
                             "Generados 2 sudokus en dificil.sdk", "ningún problema"})
        EXPECT_THAT(c.out.str(), testing::HasSubstr(said));
}
