// Saves killed at random moments, and hostile files where the data files should be, through the game and the tool.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <functional>
#include <regex>
#include <set>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

using namespace support;

// partida.sdk is a symbolic link here: the file it leads to is replaced and the link stays; the next save removes
// the temporary files the kills left. A kill loses nothing the disk cache holds, so the saves skip their flushes,
// which would only slow the loop down and leave most kills in the first save.
TEST(Reliability, ASaveKilledAtAnyMomentLeavesOneOfTheTwoGamesWhole)
{
    struct NoFlush : SystemFileOps {
        int sync(int) override { return 0; }
    } ops;
    ProgramFolder folder("kill");
    fs::create_directory(folder.root / "real");
    fs::create_symlink("../real/partida.sdk", folder.game("partida.sdk"));
    FakeWindowSystem ws;
    Game game(ws, ops);
    game.puzzleOnBoard = true;
    // A short game and a long one, so that no cut or mix passes for either.
    const std::string labels[] = {"Partida A", "Partida B \xE1\xF1 " + std::string(8000, 'b')};
    const std::set<std::string> whole = {crlf({labels[0], "", std::string(81, '0')}), crlf({labels[1], "", std::string(81, '0')})};
    std::set<std::string> seen;
    writeBytes(folder.root / "real/partida.sdk", *whole.begin());
    for (int round = 0; round < 300; ++round) {
        const pid_t child = ::fork();
        for (int k = 0; child == 0; k = 1 - k) {  // the child saves A, B, A, ... until it is killed
            game.idSudoku = labels[k];
            game.GuardarPartida(folder.root.string(), partidaNom);
        }
        ::usleep(static_cast<useconds_t>(std::rand() % 4000));
        ASSERT_TRUE(::kill(child, SIGKILL) == 0 && ::waitpid(child, nullptr, 0) == child);
        seen.insert(readBytes(folder.root / "real/partida.sdk"));
    }
    EXPECT_TRUE(seen == whole) << "each kill leaves one of the two games whole, and both turn up";
    EXPECT_TRUE(game.GuardarPartida(folder.root.string(), partidaNom) && fs::is_symlink(folder.game("partida.sdk")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "real"), fs::directory_iterator()), 1);
}

// Each case puts something hostile in place of a data file and runs a command that reads it on a game in progress,
// then the tool's check of the folder: the box and the check's line each say the cause in Spanish, and nothing hangs.
// "@" stands for the game folder.
TEST(Reliability, HostileFilesGetTheirCauseInSpanish)
{
    const std::tuple<const char*, std::function<void(const std::string&)>, void (Game::*)(), std::string, std::string> cases[] = {
        {"facil.sdk", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, &Game::nuevo_sudoku_Click,
         "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.", "@/facil.sdk:0: no es un fichero normal"},
        {"sol_fac.sdk", [](const std::string& p) { fs::create_symlink(p, p); }, &Game::solucionar_sudoku_Click,
         "No se puede leer el fichero @/sol_fac.sdk: hay demasiados enlaces simbólicos en la ruta.",
         "@/sol_fac.sdk:0: hay demasiados enlaces simbólicos en la ruta"},
        {"facil.sdk", [](const std::string& p) { writeBytes(p, crlf({"x", std::string(17 << 20, 'k')})); }, &Game::nuevo_sudoku_Click,
         "El fichero de sudokus @/facil.sdk está dañado o incompleto.", "@/facil.sdk:2: tiene una línea de más de 16 MB"},
    };
    for (const auto& [file, make, command, box, tool] : cases) {
        ProgramFolder folder("hostile");
        const std::string game = folder.root.string() + "/game";
        make(game + "/" + file);
        FakeWindowSystem ws;
        Game g(ws);
        ws.folder = folder.root.string();
        g.puzzleOnBoard = true;
        (g.*command)();
        EXPECT_EQ(ws.boxes.empty() ? "" : ws.boxes[0].prompt, std::regex_replace(box, std::regex("@"), game));
#ifdef CUADRIX_BIBLIOTECA
        std::system((CUADRIX_BIBLIOTECA " comprobar '" + game + "' >" + folder.root.string() + "/out 2>&1").c_str());
        const std::string out = readBytes(folder.root / "out");
        EXPECT_NE(out.find(std::regex_replace(tool, std::regex("@"), game)), std::string::npos) << out;
#endif
    }
}
