// Saves killed at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <set>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

using namespace support;

// partida.sdk is a symbolic link here: the file it leads to is replaced and the link stays (else the file would never
// change), and the next save removes the temporary files the kills left. A kill loses nothing the disk cache holds, so
// the saves skip their flushes, which would only slow the loop down and leave most kills in the first save.
TEST(Reliability, ASaveKilledAtAnyMomentLeavesOneOfTheTwoGamesWhole)
{
    struct NoFlush : SystemFileOps { int sync(int) override { return 0; } } ops;
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
    // 300 kills at least, and on until both games were seen whole: in a slow build (sanitizers, a busy machine) the
    // child may need longer than 4 ms to finish a save of each, so the longest wait grows by 20 us a round.
    for (int round = 0; round < 300 || (seen.size() < 2 && round < 2000); ++round) {
        const pid_t child = ::fork();
        for (int k = 0; child == 0; ++k) {  // the child saves A, B, A, ... until it is killed
            game.idSudoku = labels[k % 2];
            game.GuardarPartida(folder.root.string(), partidaNom);
        }
        ::usleep(static_cast<useconds_t>(std::rand() % (4000 + 20 * round)));
        ASSERT_TRUE(::kill(child, SIGKILL) == 0 && ::waitpid(child, nullptr, 0) == child);
        seen.insert(readBytes(folder.root / "real/partida.sdk"));
    }
    EXPECT_EQ(seen, whole);
    EXPECT_TRUE(game.GuardarPartida(folder.root.string(), partidaNom));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "real"), fs::directory_iterator()), 1);
}

// Two games saving into one folder at the same moments: neither takes the other's temporary file for a leftover, so
// each save either is made or says why (here none fails), and the file is always one of the two games whole.
TEST(Reliability, TwoGamesSavingAtOnceEachSave)
{
    ProgramFolder folder("two");
    FakeWindowSystem ws;
    Game game(ws);
    game.puzzleOnBoard = true;
    pid_t children[2];
    for (int n = 0; n < 2; ++n) {
        game.idSudoku = "Partida " + std::string(1, "AB"[n]) + std::string(20000, 'x');
        if ((children[n] = ::fork()) == 0)
            for (;;)
                if (!game.GuardarPartida(folder.root.string(), partidaNom))
                    ::_exit(1);
    }
    std::set<std::string> seen;
    for (int k = 0; k < 200; ++k, ::usleep(2000))
        seen.insert(readBytes(folder.game("partida.sdk")).substr(0, 9));
    for (pid_t child : children) {
        int status = 0;
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "a save failed";
    }
    seen.erase("");
    EXPECT_EQ(seen, (std::set<std::string>{"Partida A", "Partida B"}));
}
