// cuadrix-biblioteca and the game on copies of the shipped game/ folder: damage found by comprobar at its line,
// hostile files named with their cause by both, imported and generated puzzles in the game's format, and only what
// a change's own marker proves undone.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"
#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/changes.h"
#include "tools/biblioteca/checking.h"

using namespace support;

// A program folder holding a copy of the shipped game/ folder.
struct ShippedCopy : ProgramFolder {
    const fs::path game = root / "game";
    std::ostringstream out;  // all the tool has said, errors included
    FakeWindowSystem ws;     // for a game played from the copy

    ShippedCopy() : ProgramFolder("biblioteca")
    {
        fs::copy(CUADRIX_SHIPPED_GAME, game, fs::copy_options::recursive);
        ws.folder = root.string();
    }
    // The tool's exit code, on the copy unless --carpeta or a folder to check says otherwise.
    int run(const std::vector<std::string>& args) { return biblioteca::run(args, out, out, root.string()); }
};

// A damage to one file: it edits the file's lines or puts something hostile in its place (a FIFO, a symbolic link to
// itself, a line of 17 MB); comprobar's line, which names the file; and the box of a new game of the easy level ("@"
// the game folder).
const std::tuple<void (*)(std::vector<std::string>&, const char*), const char*, const char*> damages[] = {
    {[](auto& l, auto) { l[5] = "Facil 001"; }, "@/facil.sdk:6: la etiqueta «Facil 001» es igual a la línea 2", ""},
    {[](auto& l, auto) { l[4].pop_back(); }, "@/medio.sdk:5: la línea del sudoku «Medio 002» no empieza por 81", ""},
    {[](auto& l, auto) { l[59] = "Medio 031"; }, "@/medio.sdk:60: falta la solución de «Medio 031»", ""},
    {[](auto& l, auto) { std::swap(l[2][79], l[2][80]); },
     "@/sol_dif.sdk:3: la solución de «Dificil 001» no es válida: la columna 8 repite", ""},
    {[](auto& l, auto) {
         l[5] += "\n" + l[6] + "\n" + l[7] + "\n" + l[8];
         l.erase(l.begin() + 6, l.begin() + 9);
     },
     "@/sol_fac.sdk:6: la línea termina en LF sin CR (y 2 líneas más)", ""},
    {[](auto& l, auto) {
         l[1] += "\n" + l[2];
         l.erase(l.begin() + 2);
     },
     "@/medio.sdk:2: la línea termina en LF sin CR\n", ""},
    {[](auto& l, auto) { l[59] = "Medio 099"; }, "@/sol_med.sdk:60: la etiqueta «Medio 099» no está en medio.sdk", ""},
    {[](auto& l, auto) { l[8].assign(81, '0'); }, "@/medio.sdk:9: el sudoku «Medio 004» tiene más de una solución", ""},
    {[](auto& l, auto) { l[4] = l[2]; },
     "@/medio.sdk:5: el sudoku «Medio 002» ya está en medio.sdk, «Medio 001»\n"
     "@/sol_med.sdk:5: la solución de «Medio 002» no respeta el 2 dado en la fila 1, columna 7",
     ""},
    {[](auto& l, auto) { l[0] = "Medio 001"; }, "@/sol_med.sdk:1: la cabecera no es la de medio.sdk", ""},
    {[](auto& l, auto) { l[0] = "Medio 001"; },
     "@/sol_med.sdk:1: la etiqueta «Medio 001» de medio.sdk es igual a la cabecera", ""},
    {[](auto& l, auto) { l.push_back("Dificil 031"); },
     "@/dificil.sdk:62: la etiqueta «Dificil 031» no tiene línea de cifras", ""},
    // Columns 8 and 9 exchanged: a valid grid, but not the one of the given 1 in row 2, column 9.
    {[](auto& l, auto) {
         for (int r = 0; r < 9; ++r)
             std::swap(l[2][9 * r + 7], l[2][9 * r + 8]);
     },
     "@/sol_fac.sdk:3: la solución de «Facil 001» no respeta el 1 dado en la fila 2, columna 9", ""},
    {[](auto& l, auto) { std::swap(l[2][0], l[2][9]); },
     "@/sol_med.sdk:3: la solución de «Medio 001» no es válida: la fila 1 repite el 8", ""},
    // Rows and columns each hold every digit, but the first box repeats the 2.
    {[](auto& l, auto) {
         l[2] = std::string("123456789234567891345678912456789123567891234678912345789123456891234567912345678");
     },
     "@/sol_fac.sdk:3: la solución de «Facil 001» no es válida: el bloque 1 repite el 2", ""},
    {[](auto& l, auto) { l[0] = "\xEF\xBB\xBF" + l[0]; }, "@/dificil.sdk:1: empieza por la marca BOM", ""},
    {[](auto& l, auto) { l[0] = "\xFF\xFE" + l[0]; }, "@/sol_dif.sdk:0: está en UTF-16", ""},
    {[](auto& l, auto) { l.resize(3); }, "@/facil.sdk:0: tiene 1 sudokus; una partida nueva elige entre los 2 primeros",
     "El fichero de sudokus @/facil.sdk está dañado o incompleto.\n"},
    {[](auto&, auto p) {
         sockaddr_un address{AF_UNIX, {}};
         std::strcpy(address.sun_path, p);
         ::bind(::socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr*>(&address), sizeof address);
     },
     "@/facil.sdk:0: no es un fichero normal",
     "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.\n"},
    {[](auto&, auto p) { ::mkfifo(p, 0600); }, "@/facil.sdk:0: no es un fichero normal",
     "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.\n"},
    {[](auto&, auto p) { fs::create_symlink(p, p); }, "@/facil.sdk:0: hay demasiados enlaces simbólicos",
     "No se puede leer el fichero de sudokus @/facil.sdk: hay demasiados enlaces simbólicos en la ruta.\n"},
    {[](auto& l, auto) {
         l = {"x", std::string(17 << 20, '1')};
     },
     "@/facil.sdk:2: tiene una línea de más de 16 MB", "El fichero de sudokus @/facil.sdk está dañado o incompleto.\n"},
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
        EXPECT_EQ(c.run({"comprobar", c.game.string()}), 1);
        EXPECT_THAT(c.out.str(), testing::HasSubstr(inGame(where, c.game)));
        Game g(c.ws);
        g.nuevo_sudoku_Click();
        EXPECT_EQ(c.ws.asked, (*box ? "Cuadrix!|OK|" : "") + inGame(box, c.game));
    }
}

// An import (an empty cell written '.' or '0', comments and repeats), a generation and the tool's exit codes.
TEST(Biblioteca, ImportedAndGeneratedPuzzlesAreInTheGamesFormat)
{
    ShippedCopy c;
    // After a byte-order mark, the first easy puzzle with rows 1 and 2 exchanged, then with rows 2 and 3: both new; and
    // the puzzle itself.
    const std::string p = biblioteca::readTextFile(c.game / "facil.sdk").lines[2];
    std::string dotted = p.substr(9, 9) + p.substr(0, 9) + p.substr(18);
    std::replace(dotted.begin(), dotted.end(), '0', '.');
    writeBytes(c.root / "nuevos.txt",
               crlf({"\xEF\xBB\xBF" + dotted, "# comentario",
                     p.substr(0, 9) + p.substr(18, 9) + p.substr(9, 9) + p.substr(27), p, "1x" + p.substr(2)}));
    EXPECT_EQ(c.run({"importar", (c.root / "nuevos.txt").string(), "--dificultad=f"}), 1);
    EXPECT_EQ(c.run({"comprobar", c.game.string()}), 0);
    // The shipped libraries are made again byte for byte in an empty folder.
    fs::create_directory(c.root / "nueva");
    for (const auto& [level, seed] : {std::pair{"f", "1101"}, {"m", "2202"}, {"d", "3303"}})
        EXPECT_EQ(c.run({"generar", "--dificultad", level, "--cantidad=30", "--semilla", seed, "--carpeta",
                         (c.root / "nueva").string()}),
                  0);
    for (const auto& entry : fs::directory_iterator(CUADRIX_SHIPPED_GAME))
        EXPECT_EQ(readBytes(c.root / "nueva" / entry.path().filename()), readBytes(entry.path())) << entry.path();
    EXPECT_THAT(c.out.str(), testing::Not(testing::HasSubstr("solo se encontraron"))) << "no shortfall told when none";
    EXPECT_EQ(c.run({"generar", "--dificultad=F", "--cantidad=1"}), 2);
    // renovar: new games deal the next puzzles, and a game saved on a puzzle moved to the end still loads.
    EXPECT_EQ(c.run({"renovar", "--dificultad=f"}), 0);
    writeBytes(c.game / "partida.sdk", crlf({"Facil 002", "f", std::string(81, '0')}));
    Game game(c.ws);
    game.random = [] { return 0.99; };
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku, "Facil 004");
    game.cargar_sudoku_Click();
    EXPECT_EQ(game.idSudoku + c.ws.asked, "Facil 002");
    const std::string medio = readBytes(c.game / "medio.sdk") + "Medio 031\r\n";  // a label with no puzzle after it
    writeBytes(c.game / "medio.sdk", medio);
    EXPECT_EQ(c.run({"renovar"}), 1);
    EXPECT_EQ(readBytes(c.game / "medio.sdk"), medio);
    for (const char* said :
         {"nuevos.txt:1: añadido como «Facil 031» (qqwing lo califica EASY)", "nuevos.txt:3: añadido como «Facil 032»",
          "nuevos.txt:4: rechazado: ya está en la biblioteca (facil.sdk, «Facil 001»)",
          "Importados 2 sudokus en facil.sdk y sol_fac.sdk; 2 rechazados.",
          "nuevos.txt:5: rechazado: carácter no válido en la posición 2", "ningún problema",
          "dificultad no válida: \"F\" (use f, m o d)", "2 error de uso",
          "Pasan al final de facil.sdk: «Facil 001» «Facil 002».",
          "Pasan al final de dificil.sdk: «Dificil 001» «Dificil 002»."})
        EXPECT_THAT(c.out.str(), testing::HasSubstr(said));
}

// A change cut short between its two writes (here held at the library's rename) leaves solutions the library lacks:
// while it runs, nothing is touched; once its run is gone, its marker proves them its own and they go. Without such
// a marker (a library moved aside or replaced, a level with no library) nothing is removed or shortened.
TEST(Biblioteca, OnlyWhatAChangesOwnMarkerProvesIsUndone)
{
    biblioteca::waitLimit = std::chrono::milliseconds(300);
    ShippedCopy c;
    const std::string library = readBytes(c.game / "facil.sdk"), solutions = readBytes(c.game / "sol_fac.sdk");
    const auto comprobar = [&c] { return c.run({"comprobar", c.game.string()}); };
    const auto unchanged = [&] {
        return readBytes(c.game / "facil.sdk") + readBytes(c.game / "sol_fac.sdk") == library + solutions;
    };
    for (const std::string& other : {std::string(), crlf({"otra", "Otro 1", std::string(81, '0')})}) {
        other.empty() ? (void)fs::remove(c.game / "facil.sdk") : (void)writeBytes(c.game / "facil.sdk", other);
        comprobar();
        EXPECT_EQ(c.run({"generar", "--dificultad=f", "--cantidad=1",
                         other.empty() ? "--semilla=0" : "--semilla=4294967295"}),
                  1);
        EXPECT_EQ(readBytes(c.game / "sol_fac.sdk"), solutions) << "the library moved aside, or another in its place";
    }
    writeBytes(c.game / "facil.sdk", library);

    std::vector<biblioteca::NewPuzzle> added(1);
    const std::string p = biblioteca::readTextFile(c.game / "facil.sdk").lines[2];
    added[0].puzzle = p.substr(9, 9) + p.substr(0, 9) + p.substr(18);
    biblioteca::countSolutions(added[0].puzzle, &added[0].solution);
    added.resize(400, added[0]);  // a change whose marker holds more than 4 KB of labels
    // The library's write fails, or is held: the solution file is written first.
    struct AtTheLibrary : SystemFileOps {
        bool held = false;
        int rename(const std::string& from, const std::string& to) override
        {
            return to.find("/facil.sdk") == std::string::npos ? SystemFileOps::rename(from, to)
                : held                                        ? ::pause()
                                                              : EIO;
        }
    } failing, held;
    held.held = true;
    const auto append = [&added](const fs::path& folder, FileOps& ops) {
        std::ostringstream said;
        const biblioteca::LevelHold hold(folder, levels()[0], said);
        return biblioteca::appendPuzzles(hold, added, biblioteca::numbered(levels()[0]), ops);
    };
    // An append held at the library's rename, once its solutions are written (until then the solution file is before).
    const auto holdAppend = [&](const fs::path& folder, const std::string& before) {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(append(folder, held).empty() ? 0 : 1);
        for (int k = 0; k < 500 && readBytes(folder / "sol_fac.sdk") == before; ++k)
            ::usleep(10000);
        return child;
    };
    const auto killed = [](pid_t child) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    };
    // A write of the library that fails puts the solution file back at once, or removes it in a level just started.
    EXPECT_EQ(append(c.game, failing),
              inGame("no se puede escribir @/facil.sdk: error de lectura o escritura en el disco", c.game));
    EXPECT_TRUE(unchanged());
    fs::create_directory(c.root / "vacia");
    append(c.root / "vacia", failing);
    EXPECT_TRUE(fs::is_empty(c.root / "vacia"));
    // A solution file without its library starts no level: it is left as it was.
    fs::copy_file(c.game / "sol_fac.sdk", c.root / "vacia" / "sol_fac.sdk");
    EXPECT_EQ(append(c.root / "vacia", failing), inGame("no se puede leer @/vacia/facil.sdk: no existe", c.root));
    EXPECT_EQ(readBytes(c.root / "vacia" / "sol_fac.sdk"), solutions);
    // A change that started the level, cut short before its library: its solution file goes.
    fs::remove(c.root / "vacia" / "sol_fac.sdk");
    killed(holdAppend(c.root / "vacia", ""));
    c.run({"comprobar", (c.root / "vacia").string()});
    EXPECT_TRUE(fs::is_empty(c.root / "vacia"));
    const pid_t child = holdAppend(c.game, solutions);
    const std::string during = readBytes(c.game / "sol_fac.sdk");
    EXPECT_THAT(during, testing::StartsWith(solutions + crlf({"Facil 031", added[0].solution})))
        << "the solutions are written first";
    EXPECT_EQ(comprobar(), 1);
    EXPECT_EQ(readBytes(c.game / "facil.sdk") + readBytes(c.game / "sol_fac.sdk"), library + during);
    killed(child);
    // While the library cannot be read (here moved aside), nothing is undone.
    fs::rename(c.game / "facil.sdk", c.root / "facil.sdk");
    comprobar();
    EXPECT_EQ(readBytes(c.game / "sol_fac.sdk"), during);
    fs::rename(c.root / "facil.sdk", c.game / "facil.sdk");
    comprobar();
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(std::distance(fs::directory_iterator(c.game), {}), 6) << "the marker and the temporary file are gone";
    // A marker that is not the tool's, or a link in a marker's place, is reported and left where it is.
    writeBytes(c.game / "medio.sdk.cambio", "notas\r\n");
    fs::create_symlink("facil.sdk", c.game / "dificil.sdk.cambio");
    EXPECT_EQ(comprobar(), 1);
    EXPECT_TRUE(fs::exists(c.game / "medio.sdk.cambio") && fs::is_symlink(c.game / "dificil.sdk.cambio"));
    for (const char* said :
         {"facil.sdk.cambio:0: otro cuadrix-biblioteca sigue cambiando facil.sdk después de esperarlo",
          "@/medio.sdk.cambio no es un fichero de cuadrix-biblioteca",
          "no se puede comprobar el cambio que anota @/dificil.sdk.cambio: hay demasiados enlaces",
          "no se puede deshacer el cambio interrumpido que anota @/facil.sdk.cambio: no se puede leer "
          "@/facil.sdk: no existe",
          "cuadrix-biblioteca: borrado @/fa~",
          "cuadrix-biblioteca: quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 031», «Facil 032»",
          "«Facil 430», que dejó un cambio interrumpido."})
        EXPECT_THAT(c.out.str(), testing::HasSubstr(inGame(said, c.game)));
}

// A system-wide install in a temporary folder: the shipped game/ in the shared data, the player's own folder in
// XDG_DATA_HOME, and the tool run from the install.
struct Installed : ProgramFolder {
    const fs::path shipped = root / "usr/share/games/cuadrix/game", mine = root / "datos/cuadrix/game";
    std::ostringstream out;

    Installed() : ProgramFolder("instalado")
    {
        fs::create_directories(shipped.parent_path());
        fs::copy(CUADRIX_SHIPPED_GAME, shipped);
        ::setenv("XDG_DATA_HOME", (root / "datos").c_str(), 1);
    }
    int run(const std::vector<std::string>& args)
    {
        out.str("");
        return biblioteca::run(args, out, out, shipped.parent_path().string());
    }
    std::vector<std::string> lines(const std::string& file) { return biblioteca::readTextFile(mine / file).lines; }
};

// The first refresh makes the player's libraries from the shipped ones, private to the player; each refresh after
// deals two puzzles never dealt, a new shipped one among them, then new ones made at the head once all were dealt.
// The package's files are never changed. The oldest dealt puzzles go beyond 300, but not a saved game's.
TEST(Biblioteca, EachRefreshDealsPuzzlesNeverDealtAndThePlayersLibraryStaysBounded)
{
    Installed i;
    EXPECT_EQ(i.run({"generar", "--dificultad=f", "--cantidad=1", "--carpeta", i.shipped.string()}), 1);
    EXPECT_THAT(i.out.str(),
                testing::HasSubstr("instaló el paquete, y no se cambian; los suyos están en " + i.mine.string()));
    EXPECT_EQ(i.run({"refrescar"}), 0);
    EXPECT_THAT(i.out.str(), testing::HasSubstr("Refrescado facil.sdk: 2 sudokus repartidos al final; 30 del juego."));
    EXPECT_EQ(i.lines("facil.sdk")[1], "Facil 003");
    EXPECT_TRUE(fs::status(i.mine).permissions() == fs::perms::owner_all
                && fs::status(i.mine / "sol_fac.sdk").permissions()
                    == (fs::perms::owner_read | fs::perms::owner_write));
    // A new version ships a puzzle more: the first one with its first two rows exchanged.
    auto lib = biblioteca::readTextFile(i.shipped / "facil.sdk").lines,
         sol = biblioteca::readTextFile(i.shipped / "sol_fac.sdk").lines;
    const auto swapped = [](const std::string& p) { return p.substr(9, 9) + p.substr(0, 9) + p.substr(18); };
    writeBytes(i.shipped / "facil.sdk", readBytes(i.shipped / "facil.sdk") + crlf({"Facil 031", swapped(lib[2])}));
    writeBytes(i.shipped / "sol_fac.sdk", readBytes(i.shipped / "sol_fac.sdk") + crlf({"Facil 031", swapped(sol[2])}));
    for (int k = 0; k < 20; ++k)
        i.run({"refrescar"});
    const auto dealt = i.lines("facil.sdk.repartidos");
    EXPECT_EQ(std::set(dealt.begin() + 1, dealt.end()).size(), 42u) << "never one dealt twice";
    EXPECT_THAT(dealt, testing::Contains("Facil 031"));
    EXPECT_THAT(i.lines("facil.sdk")[1], testing::MatchesRegex("Facil 20..-..-.. 0.."));
    EXPECT_EQ(i.run({"comprobar"}), 0);

    // 301 puzzles, «R 299» to «R 301» first and never dealt, the others dealt from «R 1» on, as were the shipped ones,
    // long gone; a removal was cut short after the library («R 0»); the saved game names the oldest dealt one. New
    // puzzles come after «R 301», and the oldest dealt ones beyond 300 go.
    const std::string grid = sol[2];
    std::vector<std::string> marks = {"repartidos"};
    lib = {"x"};
    sol = {"x", "R 0", grid};
    for (int n = 0; n < 301; ++n) {
        const std::string label = "R " + std::to_string((n + 298) % 301 + 1);
        lib.insert(lib.end(), {label, grid.substr(0, 80) + "0"});
        sol.insert(sol.end(), {label, grid});
        marks.resize(n < 3 ? 1 : marks.size() + 1, label);
    }
    for (int k = 1; k <= 31; ++k)
        marks.push_back((k < 10 ? "Facil 00" : "Facil 0") + std::to_string(k));
    writeBytes(i.mine / "facil.sdk", crlf(lib));
    writeBytes(i.mine / "sol_fac.sdk", crlf(sol));
    writeBytes(i.mine / "facil.sdk.repartidos", crlf(marks));
    writeBytes(i.mine / "facil.sdk.cambio",
               crlf({"cuadrix-biblioteca: cambio en curso", "sudokus repartidos quitados", "R 0"}));
    writeBytes(i.root / "datos/cuadrix/partida.sdk", crlf({"R 1", "f", lib[2]}));
    EXPECT_EQ(i.run({"refrescar"}), 0);
    EXPECT_THAT(i.out.str(), testing::HasSubstr("las soluciones sin sudoku «R 0», que dejó un cambio interrumpido."));
    lib = i.lines("facil.sdk");
    EXPECT_EQ(lib.size(), 601u);
    EXPECT_THAT(lib[1] + " " + lib[3], testing::MatchesRegex("R 301 Facil 20..-..-.. 001"));
    EXPECT_THAT(
        lib,
        testing::AllOf(testing::Contains("R 1"), testing::Not(testing::Contains("R 12")), testing::Contains("R 13")));
    EXPECT_EQ(i.lines("sol_fac.sdk").size(), 601u);
}

// A run that finds the level held waits for the run that holds it, and then does its work; refreshes killed at any
// moment leave libraries that comprobar finds whole, still holding the saved game's puzzle.
TEST(Biblioteca, ARunWaitsForTheOneHoldingTheLevelAndKilledRefreshesLeaveTheLibrariesWhole)
{
    biblioteca::waitLimit = std::chrono::seconds(20);
    Installed i;
    i.run({"refrescar"});
    writeBytes(i.root / "datos/cuadrix/partida.sdk", crlf({"Facil 009", "f", std::string(81, '0')}));
    const pid_t holder = ::fork();
    if (holder == 0) {
        const biblioteca::LevelHold held(i.mine, levels()[0], std::cout);
        ::usleep(300000);
        ::_exit(0);
    }
    while (!fs::exists(i.mine / "facil.sdk.cambio"))
        ::usleep(1000);
    EXPECT_EQ(i.run({"generar", "--dificultad=f", "--cantidad=1"}), 0);
    ::waitpid(holder, nullptr, 0);
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        if (child == 0)
            for (;;)
                i.run({"refrescar"});
        ::usleep(static_cast<useconds_t>(std::rand() % 100000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ASSERT_EQ(i.run({"comprobar"}), 0) << i.out.str();
        ASSERT_THAT(i.lines("facil.sdk"), testing::Contains("Facil 009"));
    }
}
