// Save and load: the bytes of partida.sdk and the game they bring back.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <sys/wait.h>

#include <pwd.h>

#include <chrono>
#include <csignal>
#include <functional>

#include "tests/logic/game_fixture.h"

// What f returns, run in a child process as the user "nobody".
std::string asNobody(const std::function<std::string()>& f)
{
    int pipe[2];
    if (::pipe(pipe) != 0 || ::fork() == 0) {
        const std::string said = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? f() : "not nobody";
        ::_exit(::write(pipe[1], said.data(), said.size()) < 0);
    }
    ::close(pipe[1]);
    std::string said(1 << 16, '\0');
    said.resize(static_cast<std::size_t>(std::max(::read(pipe[0], said.data(), said.size()), ssize_t(0))));
    ::close(pipe[0]);
    ::wait(nullptr);
    return said;
}

TEST_F(GameTest, SaveWritesThreeCrLfLinesWithTheCellBeingTypedAndLoadBringsThemBackWithTheirLevel)
{
    for (const char* name : {"part~a1B2c3", "part~a1B2c"})  // named like the game's temporary files, but not made by it
        support::writeBytes(folder.game(name), name);
    type(81, vk::Digit0 + 3);
    ws.cells[5].back = fondoError;
    digit(37, 10);  // out of range: saved as an empty cell
    digit(38, -1);
    game.dificil_Click();  // for the next game: the save keeps the level played
    game.guardar_sudoku_Click();
    EXPECT_EQ(ops.syncs, 2) << "the new file flushed, then its folder";
    const std::string saved = with(puzzleLine(), {81}, '3');
    EXPECT_EQ(support::readBytes(folder.game("partida.sdk")), game.idSudoku + "\r\nf\r\n" + saved + "\r\n");
    EXPECT_EQ(ws.status + backs() + support::readBytes(folder.game("part~a1B2c3"))
                  + support::readBytes(folder.game("part~a1B2c")),
              "Partida guardada" + white() + "part~a1B2c3part~a1B2c");

    type(1, vk::Digit0 + 6, 81);
    type(81, 32, 1);
    ws.cells[7].back = fondoError;
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.status + "|" + board(),
              "SuDoku Cargado|" + saved + "|" + saved + "|" + white() + "|" + givens(puzzleLine()));
    EXPECT_EQ(ws.checked + game.dificultadElegida, "x--f") << "the saved game's level is checked again";

    // Medium, hard, and a code of no level, which reads the easy files with no menu mark changed (medium stays ticked):
    // solve, restart and save follow the level loaded, whatever level is ticked for the next game.
    const std::tuple<std::string, std::string, int, std::string> games[] = {
        {"Medio 3", "m", 7, "-x-"}, {"Dificil 2", "d", 5, "--x"}, {"Facil 3", "F", 6, "-x-"}};
    for (const auto& [label, code, shift, marks] : games) {
        const std::string line = with(solutionLine(shift), {2}, '0');  // a given cell saved empty stays given
        writeFile("partida.sdk", {label, code, line + "123"});
        game.cargar_sudoku_Click();
        EXPECT_EQ(board(), line + "|" + line + "|" + white() + "|" + givens(puzzleLine(shift))) << label;
        EXPECT_EQ(ws.checked + game.dificultadActual + game.dificultadElegida, marks + code + code);
        code == "m" ? game.facil_Click() : game.medio_Click();
        game.solucionar_sudoku_Click();
        EXPECT_EQ(digits(), solutionLine(shift)) << label;
        game.reiniciar_sudoku_Click();
        EXPECT_EQ(digits(), puzzleLine(shift)) << label;
        game.guardar_sudoku_Click();
        EXPECT_EQ(support::readBytes(folder.game("partida.sdk")), support::crlf({label, code, puzzleLine(shift)}));
    }
}

// In a system-wide install the player's own library of a level is read once it is there; and a load reads the saved
// game written last, of game/ beside a program (never in the shared data) and the player's own.
TEST_F(GameTest, ThePlayersOwnLibrariesAreReadOnceThereAndALoadReadsTheSavedGameWrittenLast)
{
    const fs::path shared = folder.root / "usr/share/games/cuadrix", own = folder.root / "datos/cuadrix";
    fs::create_directories(own / "game");
    fs::create_directories(shared);
    fs::copy(folder.root / "game", shared / "game");
    writeFile("partida.sdk", {"Facil 2", "f", puzzleLine(3)});
    fs::copy(folder.game("partida.sdk"), shared / "game/partida.sdk");
    support::writeBytes(own / "game/facil.sdk", support::crlf({"x", "Propio", puzzleLine(8), "Otro", puzzleLine(8)}));
    support::writeBytes(own / "partida.sdk", support::crlf({"Propio", "f", puzzleLine(8)}));
    EXPECT_EQ(dataFolderOf((folder.root / "usr/games").string()), shared.string());
    ws.folder = shared.string();
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku, "Propio");
    game.medio_Click();
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku, "Medio 1") << "a level the player has no library of is read as shipped";
    // When the saved game beside the program and the player's own were written (0: not there), and which is loaded.
    const std::tuple<fs::path, int, int, fs::path> cases[] = {
        {folder.root, 0, 5, own},
        {folder.root, 6, 5, folder.root / "game"},
        {folder.root, 5, 5, folder.root / "game"},
        {folder.root, 5, 6, own},
        {shared, 9, 5, own},
        {folder.root, 0, 0, folder.root / "game"},
        {shared, 5, 5, own},
    };
    for (const auto& [data, beside, mine, loaded] : cases) {
        for (const auto& [file, at] : {std::pair{data / "game/partida.sdk", beside}, {own / "partida.sdk", mine}}) {
            support::writeBytes(
                file, support::crlf({file == own / "partida.sdk" ? "Propio" : "Facil 2", "f", puzzleLine(8)}));
            at ? fs::last_write_time(file, fs::file_time_type(std::chrono::seconds(at))) : (void)fs::remove(file);
        }
        const SavePlace place = savedGameToLoad(data.string());
        EXPECT_EQ(dataPath(place.Ruta, place.Nom), (loaded / "partida.sdk").string()) << beside << " " << mine;
    }
    ws.asked.clear();
    game.cargar_sudoku_Click();
    EXPECT_EQ(game.idSudoku + ws.asked, "Propio");
}

// Run as root: the player is "nobody", and "daemon" another user who made a folder in a folder shared by all (sticky,
// tmp/), where the player's XDG_DATA_HOME may point. The player's own folder is made for the player alone (also in
// ~/.local/share when XDG_DATA_HOME is relative); nothing of the other user's is read or written, and a folder of the
// player's that others could write is closed. A program folder the player cannot write still gives its saved game.
TEST_F(GameTest, ThePlayersOwnFolderIsPrivateAndNothingOfAnotherUsersIsUsed)
{
    const passwd* other = ::getpwnam("daemon");
    if (::geteuid() != 0 || !other)
        GTEST_SKIP() << "needs root and the user daemon";
    const fs::path shared = folder.root / "usr/share/games/cuadrix", sticky = folder.root / "tmp";
    const fs::path notes = sticky / "notas.txt", theirs = sticky / "cuadrix", mine = sticky / "mia/cuadrix";
    for (const fs::path& made : {shared, mine, theirs / "game"})
        fs::create_directories(made);
    fs::copy(folder.root / "game", shared / "game");
    fs::permissions(sticky, fs::perms::all | fs::perms::sticky_bit);
    support::writeBytes(theirs / "game/facil.sdk", support::crlf({"x", "Ajeno", puzzleLine(8), "Ajeno 2", "1"}));
    fs::create_symlink(notes, theirs / "partida.sdk");
    fs::create_symlink(notes, mine / "partida.sdk");
    support::writeBytes(notes, "notas");
    for (const fs::path& made : {theirs, theirs / "game", theirs / "partida.sdk", mine / "partida.sdk"})
        ASSERT_EQ(::lchown(made.c_str(), other->pw_uid, other->pw_gid), 0);
    for (const fs::path& made : {sticky / "mia", mine, notes})
        ASSERT_EQ(::lchown(made.c_str(), 65534, 65534), 0);
    fs::permissions(theirs, fs::perms::all);
    fs::permissions(mine, fs::perms::all);
    fs::permissions(folder.root / "game", fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    writeFile("partida.sdk", {"Facil 2", "f", puzzleLine(3)});
    ::setenv("HOME", sticky.c_str(), 1);
    // The player's XDG_DATA_HOME, data folder and command, and what the game then shows.
    const auto play = [&](const fs::path& dataHome, const fs::path& data, Game::Command command) {
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        ws.folder = data.string();
        return asNobody([&] {
            ws.asked.clear();
            (game.*command)();
            return game.idSudoku + "|" + ws.asked;
        });
    };
    const std::string refused = ": la carpeta @/cuadrix es del usuario daemon.";
    const std::pair<std::string, std::string> said[] = {
        {play("datos", folder.root, &Game::guardar_sudoku_Click), "Facil 1|"},
        {play(sticky / "nada", folder.root, &Game::cargar_sudoku_Click), "Facil 2|"},
        {play(sticky, shared, &Game::nuevo_sudoku_Click), "Facil 1|"},
        {play(sticky, shared, &Game::guardar_sudoku_Click),
         "Facil 1|" + box("No se ha podido guardar la partida en @/cuadrix/partida.sdk" + refused)},
        {play(sticky, shared, &Game::cargar_sudoku_Click),
         "Facil 1|" + box("No se puede leer la partida guardada @/cuadrix/partida.sdk" + refused)},
        {play(sticky / "mia", shared, &Game::guardar_sudoku_Click),
         "Facil 1|"
             + box("No se ha podido guardar la partida en @/mia/cuadrix/partida.sdk: el enlace simbólico "
                   "@/mia/cuadrix/partida.sdk es del usuario daemon.")},
    };
    for (const auto& [shown, expected] : said)
        EXPECT_EQ(shown, support::inGame(expected, sticky));
    for (const fs::path& closed : {sticky / ".local", sticky / ".local/share/cuadrix", mine})
        EXPECT_EQ(fs::status(closed).permissions(), fs::perms::owner_all) << closed;
    EXPECT_EQ(fs::status(sticky / ".local/share/cuadrix/partida.sdk").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(support::readBytes(notes) + support::readBytes(sticky / ".local/share/cuadrix/partida.sdk").substr(0, 7),
              "notasFacil 1");
}

// A save that cannot be made where it goes says the true cause and changes nothing there: a link to a FIFO (a save
// through a link writes only to a regular file), a link into a missing folder, a folder in the file's place, game/ a
// file, a link to a name too long.
TEST_F(GameTest, ASaveThatCannotBeMadeSaysWhyAndChangesNothing)
{
    fs::create_directory(folder.root / "otro");
    ::mkfifo((folder.root / "otro/tubo").c_str(), 0600);
    support::writeBytes(folder.root / "otro/game", "");
    // What partida.sdk is: a link to it, or a folder (""); game/ is a file in the program folder otro.
    const std::pair<std::string, std::string> places[] = {
        {"otro", "@/otro/game/partida.sdk: una parte de la ruta no es una carpeta."},
        {"../otro/tubo", "@/game/partida.sdk: no es un fichero normal."},
        {"../nada/partida.sdk", "@/game/partida.sdk: la carpeta @/nada no existe."},
        {"", "@/game/partida.sdk: es una carpeta."},
        {"../otro/" + std::string(300, 'x') + "/p", "@/game/partida.sdk: el nombre es demasiado largo."},
    };
    for (const auto& [link, cause] : places) {
        link.empty() ? (void)fs::create_directory(folder.game("partida.sdk"))
                     : fs::create_symlink(link, folder.game("partida.sdk"));
        ws.folder = (link == "otro" ? folder.root / "otro" : folder.root).string();
        ws.asked.clear();
        game.guardar_sudoku_Click();
        EXPECT_EQ(ws.asked + ws.status,
                  box("No se ha podido guardar la partida en " + support::inGame(cause, folder.root))
                      + "Bienbenido a Cuadrix! Todo listo para jugar");
        EXPECT_TRUE(fs::is_fifo(folder.root / "otro/tubo"));
        fs::remove_all(folder.game("partida.sdk"));
    }
    // A folder is no saved game to load; saves hold no descriptor; a save beyond the file-size limit fails with its
    // cause, and the game goes on.
    fs::create_directory(folder.game("partida.sdk"));
    ws.asked.clear();
    game.cargar_sudoku_Click();
    EXPECT_EQ(
        ws.asked + ws.status,
        box(support::inGame("No se puede leer la partida guardada @/game/partida.sdk: es una carpeta.", folder.root))
            + "Bienbenido a Cuadrix! Todo listo para jugar");
    fs::remove(folder.game("partida.sdk"));
    const pid_t child = ::fork();
    if (child == 0) {  // a hundred saves under a limit of 64 open files, then one under a limit of 64 bytes
        const rlimit small{64, 64};
        ws.asked.clear();
        ::setrlimit(RLIMIT_NOFILE, &small);
        for (int n = 0; n < 100; ++n)  // no save leaves a descriptor open
            game.guardar_sudoku_Click();
        ::signal(SIGXFSZ, SIG_IGN);  // as the game does
        ::setrlimit(RLIMIT_FSIZE, &small);
        game.guardar_sudoku_Click();
        ::_exit(
            ws.asked
                    == box(support::inGame("No se ha podido guardar la partida en @/game/partida.sdk: supera el tamaño "
                                           "de fichero que este sistema permite. La partida guardada anterior no se ha "
                                           "modificado.",
                                           folder.root))
                ? 0
                : 1);
    }
    int status = -1;
    EXPECT_TRUE(::waitpid(child, &status, 0) == child && status == 0);
}
