// cuadrix-biblioteca on copies of the shipped game/: damage found, imports, generation, repair and refresh.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <sstream>
#include <thread>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"
#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/holding.h"

using namespace support;
using testing::HasSubstr;
using Lines = std::vector<std::string>;

// A program folder with a copy of the shipped game/, and a system-wide install (the player's own in XDG_DATA_HOME).
struct Tool : ProgramFolder {
    const fs::path game = root / "game", shipped = root / "usr/share/games/cuadrix/game",
                   mine = root / "d/cuadrix/game";
    std::ostringstream out;  // what the last run said, errors included

    Tool() : ProgramFolder("biblioteca")
    {
        fs::create_directories(shipped);
        fs::copy(CUADRIX_SHIPPED_GAME, game);
        fs::copy(CUADRIX_SHIPPED_GAME, shipped);
        ::setenv("XDG_DATA_HOME", (root / "d").c_str(), 1);
    }
    // The exit code of a run on game/, or on the player's own libraries of the install.
    int run(const Lines& args, bool installed = false)
    {
        out.str("");
        return biblioteca::run(args, out, out, (installed ? shipped : game).parent_path().string());
    }
    static Lines lines(const fs::path& file) { return biblioteca::readTextFile(file).lines; }
    static void edit(const fs::path& file, const char* from, const char* to)
    {
        writeBytes(file, std::regex_replace(readBytes(file), std::regex(from), to));
    }
};

// A damage to one file's lines, or something hostile in its place; comprobar's line ("@": game/); a new game's box.
const std::tuple<void (*)(Lines&, const char*), const char*, const char*> damages[] = {
    {[](auto& l, auto) { l[59] = "Medio 031"; }, "@/medio.sdk:60: falta la solución de «Medio 031»", ""},
    {[](auto& l, auto) { l[1] += "\n"; }, "@/medio.sdk:2: la línea termina en LF sin CR\n", ""},
    {[](auto& l, auto) { l[2] = l[4]; },
     "@/sol_fac.sdk:3: la solución de «Facil 001» no respeta el 2 dado en la fila 1, columna 1\n", ""},
    // Rows and columns each hold every digit, but the first box repeats the 2.
    {[](auto& l, auto) { l[2] = "123456789234567891345678912456789123567891234678912345789123456891234567912345678"; },
     "@/sol_fac.sdk:3: la solución de «Facil 001» no es válida: el bloque 1 repite el 2", ""},
    // A label as the header, an empty one, a row 9 that repeats a digit: each told in the order of the file.
    {[](auto& l, auto) { l[0] = "Facil 001", l[1] = "", l[4][80] = l[4][79]; },
     "@/sol_fac.sdk:1: la etiqueta «Facil 001» de facil.sdk es igual a la cabecera, y el juego tomaría la línea "
     "siguiente como su solución\n@/sol_fac.sdk:2: etiqueta vacía\n@/sol_fac.sdk:2: la etiqueta «» no está en "
     "facil.sdk\n@/sol_fac.sdk:5: la solución de «Facil 002» no es válida: la fila 9 repite el 7\n",
     ""},
    {[](auto& l, auto) { l.resize(3); },
     "@/facil.sdk:0: tiene 1 sudokus; una partida nueva elige entre los 2 primeros\n@/sol_fac.sdk:4: la etiqueta "
     "«Facil 002» no está en facil.sdk\n",
     "El fichero de sudokus @/facil.sdk está dañado o incompleto.\n"},
    {[](auto&, auto p) { ::mkfifo(p, 0600); }, "@/facil.sdk:0: no es un fichero normal",
     "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.\n"},
    {[](auto&, auto p) { fs::create_symlink(p, p); }, "@/facil.sdk:0: hay demasiados enlaces simbólicos",
     "No se puede leer el fichero de sudokus @/facil.sdk: hay demasiados enlaces simbólicos en la ruta.\n"},
    {[](auto& l, auto) { l[1] = std::string(17 << 20, '1'); }, "@/facil.sdk:2: tiene una línea de más de 16 MB",
     "El fichero de sudokus @/facil.sdk está dañado o incompleto.\n"},
};

// Comprobar says where each damage is and what; a new game deals as ever or says why not; nothing hangs.
TEST(Biblioteca, ComprobarFindsEachDamageAtItsLine)
{
    for (const auto& [damage, where, box] : damages) {
        Tool t;
        const fs::path file = t.game / std::string(where + 2, std::string_view(where).find(':') - 2);
        auto lines = Tool::lines(file);
        fs::remove(file);
        damage(lines, file.c_str());
        if (!fs::exists(fs::symlink_status(file)))  // the damage was to the lines
            writeBytes(file, crlf(lines));
        EXPECT_EQ(t.run({"comprobar"}), 1) << where;
        EXPECT_THAT(t.out.str(), HasSubstr(inGame(where, t.game)));
        FakeWindowSystem ws;
        ws.folder = t.root.string();
        Game(ws).nuevo_sudoku_Click();
        EXPECT_EQ(ws.asked, (*box ? "Cuadrix!|OK|" : "") + inGame(box, t.game));
    }
}

// Each line of an import file gets its verdict: a new puzzle («Facil 001» with rows 1, 2 exchanged) written with '.'
// after a byte-order mark, numbered on from the highest label («Facil 001» renamed «Facil 099»), a comment, one the
// library has.
TEST(Biblioteca, ImportSaysWhatBecameOfEachLine)
{
    Tool t;
    for (const char* file : {"facil.sdk", "sol_fac.sdk"})
        Tool::edit(t.game / file, "Facil 001", "Facil 099");
    writeBytes(
        t.root / "n.txt",
        crlf({"\xEF\xBB\xBF.....5..129.41......4.2...........2...5.8749..42.5..6..........7...4951....6728..",
              "# comentario", "290410000000005001004020000000000020005087490042050060000000000700049510000672800"}));
    EXPECT_EQ(t.run({"importar", (t.root / "n.txt").string(), "--dificultad=f"}), 1);
    for (const char* said : {":1: añadido como «Facil 100» (qqwing lo califica EASY)\n",
                             ":3: rechazado: ya está en la biblioteca (facil.sdk, «Facil 099»)\n",
                             "Importados 1 sudoku en facil.sdk y sol_fac.sdk; 1 rechazado.\n"})
        EXPECT_THAT(t.out.str(), HasSubstr(said));
    EXPECT_EQ(t.run({"comprobar"}), 0);
}

// A seed makes the shipped libraries again byte for byte; a bad --cantidad or --dificultad is a usage error.
TEST(Biblioteca, GenerarMakesTheShippedLibrariesAgainAndRefusesBadOptions)
{
    Tool t;
    for (const auto& [level, seed] : {std::pair{"--dificultad=f", "--semilla=1101"},
                                      {"--dificultad=m", "--semilla=2202"},
                                      {"--dificultad=d", "--semilla=3303"}}) {
        EXPECT_EQ(t.run({"generar", level, seed, "--cantidad=30", "--carpeta", t.root.string()}), 0);
        EXPECT_THAT(t.out.str(), testing::Not(HasSubstr("solo se encontraron")));
    }
    for (const auto& entry : fs::directory_iterator(CUADRIX_SHIPPED_GAME))
        EXPECT_EQ(readBytes(t.root / entry.path().filename()), readBytes(entry.path())) << entry.path();
    const char* const bad[][3] = {
        {"f", "0", "cuadrix-biblioteca: --cantidad debe ser un número entero entre 1 y 10000, no \"0\"\n"},
        {"f", "x", "cuadrix-biblioteca: --cantidad debe ser un número entero entre 1 y 10000, no \"x\"\n"},
        {"F", "1", "cuadrix-biblioteca: dificultad no válida: \"F\" (use f, m o d)\n"}};
    for (const auto& [level, count, said] : bad) {
        EXPECT_EQ(t.run({"generar", "--dificultad", level, "--cantidad", count}), 2);
        EXPECT_THAT(t.out.str(), testing::StartsWith(said));
    }
}

// A change cut short, as its marker records it and the easy files show it: comprobar waits while a run holds the
// marker, undoes what the marker proves and says so, and leaves anything else. «Facil 031»: «Facil 001» with rows 1, 2
// exchanged.
TEST(Biblioteca, ARepairUndoesWhatTheMarkerProvesAndNothingElse)
{
    biblioteca::waitLimit = std::chrono::seconds(1);
    // Left by a run cut short, a link in its place, held by a run cut short 0.3 s later, held by a run that goes on.
    enum Marker { Left, Link, Held, Busy };
    const Lines l = Tool::lines(CUADRIX_SHIPPED_GAME "/facil.sdk"),
                s = Tool::lines(CUADRIX_SHIPPED_GAME "/sol_fac.sdk");
    const auto with = [](Lines f, const char* p) {
        f.insert(f.end(), {"Facil 031", p});
        return f;
    };
    const auto without = [](Lines f) {  // «Facil 001» taken out
        f.erase(f.begin() + 1, f.begin() + 3);
        return f;
    };
    const char* const s31 = "683795241297418356514326987378964125165287493942153768829531674736849512451672839";
    const Lines s1 = with(s, s31), none;
    const std::string added = "cuadrix-biblioteca: cambio en curso\r\nsudokus añadidos\r\nFacil 031\r\n";
    const std::tuple<Marker, std::string, Lines, Lines, Lines, int, const char*> rows[] = {
        {Left, "", l, s1, s1, 1, "@/sol_fac.sdk:62: la etiqueta «Facil 031» no está en facil.sdk"},
        {Left, added, l, s1, s, 0, "quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 031», que dejó"},
        {Left, added, with(l, "000005001290410000004020000000000020005087490042050060000000000700049510000672800"), s1,
         s1, 0, "ningún problema"},
        {Left, added, none, s1, s1, 1, "interrumpido que anota @/facil.sdk.cambio: no se puede leer @/facil.sdk"},
        {Left, "cuadrix-biblioteca: cambio en curso\r\nnivel nuevo\r\nFacil 031\r\n", none, with({s[0]}, s31), none, 1,
         "quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 031»"},
        {Left, "cuadrix-biblioteca: cambio en curso\r\nsudokus repartidos quitados\r\nFacil 001\r\n", without(l), s,
         without(s), 0, "quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 001»"},
        {Left, "notas\r\n", l, s1, s1, 1, "@/facil.sdk.cambio no es un fichero de cuadrix-biblioteca"},
        {Link, "", l, s1, s1, 1, "no se puede comprobar el cambio que anota @/facil.sdk.cambio: hay demasiados"},
        {Held, added, l, s1, s, 0, "quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 031», que dejó"},
        {Busy, added, l, s1, s1, 1, "otro cuadrix-biblioteca sigue cambiando facil.sdk después de esperarlo"},
    };
    for (const auto& [marker, lines, library, solutions, after, exit, said] : rows) {
        Tool t;
        const fs::path change = t.game / "facil.sdk.cambio";
        fs::remove(t.game / "facil.sdk");
        if (!library.empty())
            writeBytes(t.game / "facil.sdk", crlf(library));
        writeBytes(t.game / "sol_fac.sdk", crlf(solutions));
        if (marker == Link)
            fs::create_symlink("facil.sdk", change);
        else if (!lines.empty())
            writeBytes(change, lines);
        const int holder = marker >= Held ? ::open(change.c_str(), O_RDONLY) : -1;
        ::flock(holder, LOCK_EX);
        std::thread release([holder, marker = marker] {
            if (marker == Held) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                ::close(holder);
            }
        });
        EXPECT_EQ(t.run({"comprobar"}), exit) << said;
        release.join();
        if (marker == Busy)
            ::close(holder);
        EXPECT_THAT(t.out.str(), HasSubstr(inGame(said, t.game)));
        EXPECT_EQ(readBytes(t.game / "sol_fac.sdk"), crlf(after)) << said;
    }
}

// A refresh of the player's own easy level (none at all when total is 0), labelled n + 1 to total then 1 to n (one
// more when total is odd: the shipped «Facil 001» is new to it), these n dealt before, a game saved on «Facil 001»,
// the shipped «Facil 002» without its solution: what it says of the level, a label of the library, the last one dealt.
TEST(Biblioteca, ARefreshDealsNeverDealtPuzzlesAndKeepsTheLibraryBounded)
{
    const auto label = [](int n) { return "Facil " + std::to_string(1000 + n).substr(1); };
    const std::tuple<int, int, const char*, std::size_t, const char*, const char*> rows[] = {
        {0, 0, "Refrescado facil.sdk: 2 sudokus repartidos al final; 29 del juego.\n", 1, "Facil 004",
         "Facil 003"},  // copied from the shipped
        {30, 2, "Refrescado facil.sdk: 2 sudokus repartidos al final.\n", 1, "Facil 005", "Facil 004"},
        {29, 0, "Refrescado facil.sdk: 2 sudokus repartidos al final; 1 del juego.\n", 55, "Facil 001",
         "Facil 003"},  // a new shipped puzzle
        {30, 25, "Refrescado facil.sdk: 2 sudokus repartidos al final; 10 generados.\n", 7, "Facil 20..-..-.. 001",
         "Facil 027"},
        {30, 24, "Refrescado facil.sdk: 2 sudokus repartidos al final.\n", 9, "Facil 001", "Facil 026"},
        {304, 297, "Refrescado facil.sdk: 2 sudokus repartidos al final; 4 quitados.\n", 11, "Facil 001",
         "Facil 299"},  // the saved game's
    };
    for (const auto& [total, n, said, index, at, dealt] : rows) {
        Tool t;
        Lines lib = {"x"}, marks = {"x"};
        for (int k = 0; k < total; ++k) {
            lib.insert(lib.end(),
                       {label((k + n) % total + 1 + total % 2),
                        "297418356683795241514326987378964125165287493942153768829531674736849512451672839"});
            if (k < n)
                marks.push_back(label(k + 1));
        }
        fs::create_directories(t.mine);
        Tool::edit(t.shipped / "sol_fac.sdk", "Facil 002", "x");  // a shipped puzzle without its solution
        writeBytes(t.mine.parent_path() / "partida.sdk", "Facil 001\r\n");
        for (const auto& [file, content] :
             {std::pair{"facil.sdk", lib}, {"sol_fac.sdk", lib}, {"facil.sdk.repartidos", marks}})
            if (total > 0)
                writeBytes(t.mine / file, crlf(content));
        EXPECT_EQ(t.run({"refrescar"}, true), 0);
        EXPECT_THAT(t.out.str(), HasSubstr(said));
        EXPECT_THAT(Tool::lines(t.mine / "facil.sdk").at(index), testing::MatchesRegex(at)) << said;
        EXPECT_EQ(Tool::lines(t.mine / "facil.sdk.repartidos").back(), dealt) << said;
    }
}
