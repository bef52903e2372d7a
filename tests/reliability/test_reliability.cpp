// Saves killed at random moments, two games saving at once.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <set>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

using namespace support;

// Two games save, each in a loop, into one saved game behind a symbolic link, and both are killed at a random moment:
// the file behind the link is always one of the two games whole (else the link stays and that file is replaced), no
// save ever fails (neither game takes the other's temporary file for a leftover), and the next save removes what the
// kills left. A kill loses nothing the disk cache holds, so the saves skip their flushes, which would only slow the
// loops down and leave most kills in the first save.
TEST(Reliability, TwoGamesSavingAtOnceAndKilledAtAnyMomentLeaveOneOfTheTwoWhole)
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
    std::set<std::string> whole, seen;
    for (const std::string& label : labels)
        whole.insert(crlf({label, "", std::string(81, '0')}));
    writeBytes(folder.root / "real/partida.sdk", *whole.begin());
    // 200 rounds at least, and on until both games were seen whole: in a slow build (sanitizers, a busy machine) the
    // children may need longer than 4 ms to finish a save, so the longest wait grows by 20 us a round.
    for (int round = 0; round < 200 || (seen.size() < 2 && round < 2000); ++round) {
        pid_t children[2];
        for (int n = 0; n < 2; ++n) {
            game.idSudoku = labels[n];
            // A save that fails ends the child, which then shows as not killed.
            if ((children[n] = ::fork()) == 0)
                while (game.GuardarPartida(folder.root.string(), partidaNom)) {}
        }
        ::usleep(static_cast<useconds_t>(std::rand() % (4000 + 20 * round)));
        for (pid_t child : children)
            ASSERT_TRUE(::kill(child, SIGKILL) == 0 && ::waitpid(child, nullptr, 0) == child);
        seen.insert(readBytes(folder.root / "real/partida.sdk"));
    }
    EXPECT_EQ(seen, whole);
    EXPECT_TRUE(game.GuardarPartida(folder.root.string(), partidaNom));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "real"), {}), 1);
}
