// Saves game A, then game B, then A again, ... into <program folder>/game/partida.sdk through
// GuardarPartida until it is killed. Writes one byte to standard output when it starts saving.
// Exits with 1 if a save fails, 2 on wrong arguments.
#include <unistd.h>

#include "tests/logic/fake_window_system.h"
#include "tests/reliability/two_saved_games.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    FakeWindowSystem ws;
    ws.folder = argv[1];
    Game a(ws), b(ws);
    holdSavedGame(a, savedGameA());
    holdSavedGame(b, savedGameB());

    const char ready = 'r';
    if (::write(STDOUT_FILENO, &ready, 1) != 1)
        return 2;
    for (;;) {
        if (!a.GuardarPartida(ws.folder, partidaNom) || !b.GuardarPartida(ws.folder, partidaNom))
            return 1;
    }
}
