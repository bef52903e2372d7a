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
    {[](auto& l, auto) { l.resize(3); }, "@/facil.sdk:0: tiene 1 sudokus; una partida nueva elige entre los 2 primeros",
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

// Each line of an import file gets its verdict: a new puzzle written with '.' after a byte-order mark, a comment, one
// the library has, a stray character.
TEST(Biblioteca, ImportSaysWhatBecameOfEachLine)
{
    Tool t;
    const std::string p = Tool::lines(t.game / "facil.sdk")[2];
    const std::string dotted = std::regex_replace(p.substr(9, 9) + p.substr(0, 9) + p.substr(18), std::regex("0"), ".");
    writeBytes(t.root / "n.txt", crlf({"\xEF\xBB\xBF" + dotted, "# comentario", p, "1x" + p.substr(2)}));
    EXPECT_EQ(t.run({"importar", (t.root / "n.txt").string(), "--dificultad=f"}), 1);
    for (const char* said : {":1: añadido como «Facil 031» (qqwing lo califica EASY)\n",
                             ":3: rechazado: ya está en la biblioteca (facil.sdk, «Facil 001»)\n",
                             ":4: rechazado: carácter no válido en la posición 2",
                             "Importados 1 sudoku en facil.sdk y sol_fac.sdk; 2 rechazados.\n"})
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
        {"f", "-1", "cuadrix-biblioteca: --cantidad debe ser un número entero entre 1 y 10000, no \"-1\"\n"},
        {"f", "x", "cuadrix-biblioteca: --cantidad debe ser un número entero entre 1 y 10000, no \"x\"\n"},
        {"F", "1", "cuadrix-biblioteca: dificultad no válida: \"F\" (use f, m o d)\n"}};
    for (const auto& [level, count, said] : bad) {
        EXPECT_EQ(t.run({"generar", "--dificultad", level, "--cantidad", count}), 2) << said;
        EXPECT_THAT(t.out.str(), testing::StartsWith(said));
    }
}

// renovar moves the puzzles new games deal to the end and loses none.
TEST(Biblioteca, RenovarMovesTheDealtPuzzlesLast)
{
    Tool t;
    EXPECT_EQ(t.run({"renovar", "--dificultad=f"}), 0);
    EXPECT_EQ(t.out.str(), "Pasan al final de facil.sdk: «Facil 001» «Facil 002».\n");
    EXPECT_EQ(Tool::lines(t.game / "facil.sdk")[1], "Facil 003");
    EXPECT_EQ(t.run({"comprobar"}), 0);
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
    const auto with = [](Lines f, const std::string& p) {
        f.insert(f.end(), {"Facil 031", p.substr(9, 9) + p.substr(0, 9) + p.substr(18)});
        return f;
    };
    const auto without = [](Lines f) {  // «Facil 001» taken out
        f.erase(f.begin() + 1, f.begin() + 3);
        return f;
    };
    const Lines s1 = with(s, s[2]), none;
    const std::string added = "cuadrix-biblioteca: cambio en curso\r\nsudokus añadidos\r\nFacil 031\r\n";
    const std::tuple<Marker, std::string, Lines, Lines, Lines, int, const char*> rows[] = {
        {Left, "", l, s1, s1, 1, "@/sol_fac.sdk:62: la etiqueta «Facil 031» no está en facil.sdk"},
        {Left, added, l, s1, s, 0, "quitadas de @/sol_fac.sdk las soluciones sin sudoku «Facil 031», que dejó"},
        {Left, added, with(l, l[2]), s1, s1, 0, "ningún problema"},
        {Left, added, none, s1, s1, 1, "interrumpido que anota @/facil.sdk.cambio: no se puede leer @/facil.sdk"},
        {Left, "cuadrix-biblioteca: cambio en curso\r\nnivel nuevo\r\nFacil 031\r\n", none, with({s[0]}, s[2]), none, 1,
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
            std::this_thread::sleep_for(std::chrono::milliseconds(marker == Held ? 300 : 0));
            if (marker == Held)
                ::close(holder);
        });
        EXPECT_EQ(t.run({"comprobar"}), exit) << said;
        release.join();
        if (marker == Busy)
            ::close(holder);
        EXPECT_THAT(t.out.str(), HasSubstr(inGame(said, t.game)));
        EXPECT_EQ(readBytes(t.game / "sol_fac.sdk"), crlf(after)) << said;
    }
}

// A refresh of the player's own easy level (none at all when total is 0), labelled n + 1 to total then 1 to n, these
// n dealt before, a game saved on «Facil 001»: what it says of the level, a label of the library, the last one dealt.
TEST(Biblioteca, ARefreshDealsNeverDealtPuzzlesAndKeepsTheLibraryBounded)
{
    const auto label = [](int n) { return "Facil " + std::to_string(1000 + n).substr(1); };
    const std::tuple<int, int, const char*, std::size_t, const char*, const char*> rows[] = {
        {0, 0, "2 sudokus repartidos al final; 30 del juego.", 1, "Facil 003", "Facil 002"},  // copied from the shipped
        {30, 2, "2 sudokus repartidos al final.", 1, "Facil 005", "Facil 004"},
        {29, 0, "2 sudokus repartidos al final; 1 del juego.", 55, "Facil 030", "Facil 002"},  // a new shipped puzzle
        {30, 25, "2 sudokus repartidos al final; 10 generados.", 7, "Facil 20..-..-.. 001", "Facil 027"},
        {30, 24, "2 sudokus repartidos al final.", 9, "Facil 001", "Facil 026"},
        {303, 296, "2 sudokus repartidos al final; 3 quitados.", 11, "Facil 001", "Facil 298"},  // the saved game's
    };
    for (const auto& [total, n, said, index, at, dealt] : rows) {
        Tool t;
        const std::string grid = Tool::lines(t.game / "sol_fac.sdk")[2];  // for every puzzle and solution
        Lines lib = {"x"}, marks = {"x"};
        for (int k = 0; k < total; ++k) {
            lib.insert(lib.end(), {label((k + n) % total + 1), grid});
            if (k < n)
                marks.push_back(label(k + 1));
        }
        fs::create_directories(t.mine);
        writeBytes(t.mine.parent_path() / "partida.sdk", "Facil 001\r\n");
        for (const auto& [file, content] :
             {std::pair{"facil.sdk", lib}, {"sol_fac.sdk", lib}, {"facil.sdk.repartidos", marks}})
            if (total > 0)
                writeBytes(t.mine / file, crlf(content));
        EXPECT_EQ(t.run({"refrescar"}, true), 0);
        EXPECT_THAT(t.out.str(), HasSubstr(std::string("Refrescado facil.sdk: ") + said + "\n"));
        EXPECT_THAT(Tool::lines(t.mine / "facil.sdk").at(index), testing::MatchesRegex(at)) << said;
        EXPECT_EQ(Tool::lines(t.mine / "facil.sdk.repartidos").back(), dealt) << said;
    }
}
