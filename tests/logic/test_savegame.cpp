// Save and load: the bytes of partida.sdk, the game they bring back, where they go and why a save or load fails.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>

#include "app/files/reading.h"
#include "tests/logic/game_fixture.h"

// The save keeps the saved game's mode and changes no folder's; a file named like the game's temporaries but not made
// by it stays.
TEST_F(GameTest, SaveWritesThreeCrLfLinesWithTheCellBeingTypedAndLoadBringsThemBackWithTheirLevel)
{
    writeBytes(folder.game("part~a1B2c3"), "x");
    fs::permissions(writeBytes(partida, ""), fs::perms(0640));
    const int modes[] = {mode(folder.root), mode(folder.root / "game")};
    type(1, vk::Digit0 + 4);  // the first and last cells
    type(81, vk::Digit0 + 3);
    ws.cells[5].back = fondoError;
    digit(37, 10);         // out of range: saved as an empty cell
    game.dificil_Click();  // for the next game: the save keeps the level played
    game.guardar_sudoku_Click();
    const std::string saved = with(with(puzzleLine(), {1}, '4'), {81}, '3');
    EXPECT_EQ(readBytes(partida), crlf({"Facil 1", "f", saved}));
    EXPECT_EQ(ws.status, "Partida guardada");
    EXPECT_EQ(backs(), white());
    EXPECT_EQ(ops.syncs, 2) << "the new file flushed, then its folder";
    EXPECT_EQ(mode(partida), 0640);
    EXPECT_EQ(mode(folder.root), modes[0]);
    EXPECT_EQ(mode(folder.root / "game"), modes[1]);
    EXPECT_EQ(readBytes(folder.game("part~a1B2c3")), "x");

    type(1, vk::Digit0 + 6, 81);
    type(81, vk::Digit0 + 7, 1);
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.status, "SuDoku Cargado");
    EXPECT_EQ(board(), saved + "|" + saved + "|" + white() + "|" + givens(puzzleLine()));
    EXPECT_EQ(ws.cells[37].text, "");
    EXPECT_EQ(ws.checked, "x--");
    EXPECT_EQ(game.dificultadElegida, "f");

    // A code of no level leaves the tick where it was.
    game.medio_Click();
    writeBytes(partida, crlf({"Facil 3", "F", puzzleLine(6)}));
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.checked, "-x-");
}

// In a system-wide install the player's own library of a level is read once it is there; and a load reads the saved
// game written last, of game/ beside a program (never in the shared data) and the player's own.
TEST_F(GameTest, ThePlayersOwnLibrariesAreReadOnceThereAndALoadReadsTheSavedGameWrittenLast)
{
    const fs::path shared = folder.root / "usr/share/games/cuadrix", own = folder.root / "datos/cuadrix";
    fs::create_directories(own / "game");
    fs::create_directories(shared);
    fs::copy(folder.root / "game", shared / "game");
    writeBytes(own / "game/facil.sdk", crlf({"x", "Propio", puzzleLine(8), "Otro", puzzleLine(8)}));
    ws.folder = shared;
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku, "Propio");
    game.medio_Click();
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.idSudoku, "Medio 1") << "a level the player has no library of is read as shipped";
    // When the saved game beside the program and the player's own were written (0: not there), and which is loaded.
    const std::tuple<fs::path, int, int, fs::path> cases[] = {{folder.root, 0, 5, own},
                                                              {folder.root, 6, 5, folder.root / "game"},
                                                              {folder.root, 5, 5, folder.root / "game"},
                                                              {folder.root, 5, 6, own},
                                                              {shared, 9, 5, own}};
    for (const auto& [data, beside, mine, loaded] : cases) {
        for (const auto& [file, at] : {std::pair{data / "game/partida.sdk", beside}, {own / "partida.sdk", mine}})
            at ? fs::last_write_time(writeBytes(file, ""), fs::file_time_type(std::chrono::seconds(at)))
               : (void)fs::remove(file);
        const SavePlace place = savedGameToLoad(data);
        EXPECT_EQ(dataPath(place.Ruta, place.Nom), loaded / "partida.sdk") << beside << " " << mine;
    }
}

// Run as root: the player is "nobody", and "daemon" (1) another user who made a folder in a folder shared by all
// (sticky, tmp/), where the player's XDG_DATA_HOME may point. The player's own folder is made for the player alone
// (also in ~/.local/share when XDG_DATA_HOME is relative); nothing of the other user's is read or written, and a folder
// of the player's that others could write is closed. A program folder the player cannot write still gives its saved
// game.
TEST_F(GameTest, ThePlayersOwnFolderIsPrivateAndNothingOfAnotherUsersIsUsed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const fs::path sticky = folder.root / "tmp", notes = sticky / "notas", mine = sticky / "mia/cuadrix";
    fs::create_directories(sticky / "cuadrix");
    fs::create_directories(mine);
    fs::permissions(sticky, fs::perms(01777));
    fs::permissions(mine, fs::perms(0777));
    fs::create_symlink(writeBytes(notes, "notas"), mine / "partida.sdk");
    for (const auto& [made, user] : {std::pair{sticky / "cuadrix", 1},
                                     {mine / "partida.sdk", 1},
                                     {sticky / "mia", 65534},
                                     {mine, 65534},
                                     {notes, 65534}})
        ASSERT_EQ(::lchown(made.c_str(), user, user), 0);
    writeFile("partida.sdk", {"Facil 2", "f", puzzleLine(3)});
    ::setenv("HOME", sticky.c_str(), 1);
    const auto save = &Game::guardar_sudoku_Click, load = &Game::cargar_sudoku_Click;
    const std::string shared = folder.root / "usr/share/games/cuadrix", program = ws.folder,
                      refused = ": la carpeta @/tmp/cuadrix es del usuario daemon.";
    // The player's XDG_DATA_HOME, data folder and command, and the box the game then shows.
    const std::tuple<fs::path, std::string, Game::Command, std::string> cases[] = {
        {"datos", program, save, ""},
        {sticky / "nada", program, load, ""},
        {sticky, shared, save, "No se ha podido guardar la partida en @/tmp/cuadrix/partida.sdk" + refused},
        {sticky, shared, load, "No se puede leer la partida guardada @/tmp/cuadrix/partida.sdk" + refused},
        {sticky / "mia", shared, save,
         "No se ha podido guardar la partida en @/tmp/mia/cuadrix/partida.sdk: el enlace simbólico "
         "@/tmp/mia/cuadrix/partida.sdk es del usuario daemon."},
    };
    for (const auto& [dataHome, data, command, prompt] : cases) {
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        ws.folder = data;
        const auto step = command;
        EXPECT_EQ(inChild([&] { return ::setgid(65534) || ::setuid(65534) ? "not nobody" : shown(step); }),
                  prompt.empty() ? "" : said(prompt))
            << dataHome;
    }
    EXPECT_EQ(mode(sticky / ".local"), 0700) << "each folder made on the way is the player's alone";
    EXPECT_EQ(mode(sticky / ".local/share/cuadrix"), 0700);
    EXPECT_EQ(mode(sticky / ".local/share/cuadrix/partida.sdk"), 0600);
    EXPECT_EQ(mode(mine), 0700);
    EXPECT_EQ(readBytes(notes), "notas");
}

// A save says why it fails and changes nothing: the saved game is a link, to ro/partida.sdk which stays whole, or to
// what no save can replace. Each cause is met in a child process of its own, through the real system calls where a
// test can (also a file-size limit and a read-only mount), else through the file operations. No save holds a
// descriptor.
TEST_F(GameTest, ASaveThatFailsSaysWhyAndChangesNothing)
{
    const fs::path ro = folder.root / "ro";
    fs::create_directory(ro);
    fs::create_directory(folder.root / "carpeta");
    ::mkfifo((folder.root / "tubo").c_str(), 0600);
    const std::string kept = "../ro/partida.sdk";
    // The link, the failing step (-1: none) and its error, and the cause the player reads.
    const std::tuple<std::string, int, int, std::string> cases[] = {
        {"../tubo", -1, 0, "no es un fichero normal"},  // a save through a link writes only to a regular file
        {"../nada/partida.sdk", -1, 0, "la carpeta @/nada no existe"},
        {"../carpeta", -1, 0, "es una carpeta"},
        {"../" + std::string(300, 'x') + "/p", -1, 0, "el nombre es demasiado largo"},
        {kept, -1, EFBIG,
         "supera el tamaño de fichero que este sistema permite. La partida guardada anterior no se ha modificado"},
        {kept, 0, ENOSPC, "el disco está lleno. La partida guardada anterior no se ha modificado"},
        {kept, 0, EDQUOT, "el disco está lleno. La partida guardada anterior no se ha modificado"},
        {kept, 1, EIO, "error de lectura o escritura en el disco. La partida guardada anterior no se ha modificado"},
        {kept, 2, EXDEV, "el fichero temporal quedó en otro disco. La partida guardada anterior no se ha modificado"},
        {kept, 0, EPERM, "no hay permiso. La partida guardada anterior no se ha modificado"},
        {kept, 1, ENOTCONN,
         "la carpeta no responde: el disco de red o la unidad se ha desconectado. La partida guardada anterior no se "
         "ha modificado"},
        {kept, 2, 4000, "error del sistema número 4000. La partida guardada anterior no se ha modificado"},
        {kept, -1, EROFS,
         "el disco es de solo lectura. La partida guardada anterior no se ha modificado"},  // last: may be skipped
    };
    const rlimit few{32, 32}, tiny{8, 8};
    EXPECT_EQ(inChild([&] {
                  ::setrlimit(RLIMIT_NOFILE, &few);
                  for (int n = 0; n < 100; ++n)
                      game.guardar_sudoku_Click();
                  return ws.asked;
              }),
              "");
    fs::remove(partida);
    for (const auto& [link, step, error, cause] : cases) {
        writeBytes(ro / "partida.sdk", "antes");
        fs::create_symlink(link, partida);
        std::tie(ops.failing, ops.error) = std::pair(step, error);
        const std::string shows = inChild([&] {
            ::signal(SIGXFSZ, SIG_IGN);  // as the game does
            if (ops.error == EFBIG)
                ::setrlimit(RLIMIT_FSIZE, &tiny);
            if (ops.error == EROFS
                && (::unshare(CLONE_NEWNS) || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr)
                    || ::mount(ro.c_str(), ro.c_str(), nullptr, MS_BIND, nullptr)
                    || ::mount(nullptr, ro.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)))
                return "mount: " + std::to_string(errno);
            return shown(&Game::guardar_sudoku_Click);
        });
        if (shows.rfind("mount", 0) == 0)
            GTEST_SKIP() << "a read-only mount is refused here: errno " << shows;
        EXPECT_EQ(shows, said("No se ha podido guardar la partida en @/game/partida.sdk: " + cause + "."));
        EXPECT_EQ(readBytes(ro / "partida.sdk"), "antes") << error;
        EXPECT_EQ(std::distance(fs::directory_iterator(ro), {}), 1) << error;  // no temporary file left behind
        fs::remove(partida);
    }
}

// A folder, a FIFO a writer holds open (a read of it would wait for ever) or a device as the saved game: the load
// says why at once.
TEST_F(GameTest, ALoadOfAFolderAFifoOrADeviceSaysWhyWithoutWaiting)
{
    const fs::path tube = folder.root / "tubo";
    ::mkfifo(tube.c_str(), 0600);
    const int writer = ::open(tube.c_str(), O_RDWR);
    fs::create_directory(folder.root / "carpeta");
    ::alarm(10);  // a load that waits ends the test
    for (const auto& [to, cause] : {std::pair<fs::path, std::string>{folder.root / "carpeta", "es una carpeta"},
                                    {tube, "no es un fichero normal"},
                                    {"/dev/zero", "no es un fichero normal"},
                                    {"/dev/null", "no es un fichero normal"}}) {
        fs::create_symlink(to, partida);
        EXPECT_EQ(shown(&Game::cargar_sudoku_Click),
                  said("No se puede leer la partida guardada @/game/partida.sdk: " + cause + "."));
        fs::remove(partida);
    }
    ::alarm(0);
    ::close(writer);
}

// A game started with no standard input gets descriptor 0 for the first file it opens; it is a file like any other.
TEST_F(GameTest, AFileOpenedAsDescriptorZeroIsRead)
{
    ASSERT_EQ(::fcntl(0, F_GETFD), -1);
    EXPECT_EQ(readDataFile(writeBytes(folder.root / "pagina.htm", "<p>")).bytes, "<p>");
}
