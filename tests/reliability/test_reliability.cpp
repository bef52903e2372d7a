// Saves killed at random moments, and hostile files where the data files should be, through the game and the tool.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <functional>
#include <random>
#include <regex>

#include "app/game.h"
#include "tests/logic/fake_window_system.h"
#include "tests/support.h"

using namespace support;

// The path of a data file of the program folder, with the file removed to make way for something else.
fs::path gone(const fs::path& root, const char* name) { return fs::remove(root / "game" / name), root / "game" / name; }

// An easy library of two empty puzzles whose labels are size bytes long.
std::string longLabels(const fs::path& root, std::size_t size)
{
    const std::string label(size, 'k'), puzzle(81, '0');
    return writeBytes(root / "game/facil.sdk", crlf({"x", label + "1", puzzle, label + "2", puzzle})), root.string();
}

// partida.sdk is a symbolic link here: the file it leads to is replaced and the link stays. The next save
// removes the temporary files the kills left.
TEST(Reliability, ASaveInterruptedAtAnyMomentLeavesOneOfTheTwoGamesWhole)
{
    ProgramFolder folder("kill");
    fs::create_directory(folder.root / "real");
    fs::create_symlink("../real/partida.sdk", folder.game("partida.sdk"));
    struct FailingFlush : SystemFileOps { bool fail = false; int sync(int fd) override { return fail ? EIO : SystemFileOps::sync(fd); } } ops;
    FakeWindowSystem ws;
    Game a(ws, ops), b(ws);  // a short game and a long one, so that no cut or mix passes for either
    ws.folder = folder.root.string(), a.idSudoku = "Partida A", a.dificultadActual = "f", a.puzzleOnBoard = true;
    b.idSudoku = "Partida B \xE1\xF1 " + std::string(8000, 'b'), b.dificultadActual = "m", b.puzzleOnBoard = true;
    std::string bytes[2];
    for (Game* g : {&a, &b})
        g->GuardarPartida(ws.folder, partidaNom), bytes[g == &b] = readBytes(folder.root / "real" / "partida.sdk");
    int seen[2] = {0, 0};
    for (int round = 0; round < 300; ++round) {
        const pid_t child = ::fork();
        while (child == 0)
            a.GuardarPartida(ws.folder, partidaNom), b.GuardarPartida(ws.folder, partidaNom);
        ::usleep(static_cast<useconds_t>(std::rand() % 4000));
        ASSERT_TRUE(::kill(child, SIGKILL) == 0 && ::waitpid(child, nullptr, 0) == child);
        const std::string now = readBytes(folder.root / "real" / "partida.sdk");
        ASSERT_TRUE(now == bytes[0] || now == bytes[1]) << "round " << round << ": " << now.size() << " bytes";
        ++seen[now == bytes[1]];
    }
    EXPECT_GT(seen[0] * seen[1], 0) << "both games turn up, so saves were really killed in the middle";
    EXPECT_TRUE(a.GuardarPartida(ws.folder, partidaNom) && fs::is_symlink(folder.game("partida.sdk")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "real"), fs::directory_iterator()), 1);
    ops.fail = true, a.idSudoku = "C", a.guardar_sudoku_Click();  // a save that fails says why and keeps the earlier one
    EXPECT_EQ(ws.boxes.back().prompt, "No se ha podido guardar la partida en " + folder.root.string() + "/game/partida.sdk: error de "
              "lectura o escritura en el disco. La partida guardada anterior no se ha modificado.");
    EXPECT_EQ(readBytes(folder.root / "real" / "partida.sdk"), bytes[0]);
}

// Each case puts something hostile in place and runs a command on a game in progress (the easy puzzle "Facil 001"),
// then the tool's check of the folder: each says the cause in Spanish, and nothing hangs. "@" stands for the game folder.
TEST(Reliability, HostileFilesGetTheirCauseInSpanish)
{
    EXPECT_EQ(executableFolder(), std::optional<std::string>(TEST_FOLDER));  // where the data files are looked for
    // What, how it is made (returning the program folder, "" to leave the case out), the command, the box it shows
    // ("" for none) and a line of the tool's check ("" when the tool is not concerned).
    using Make = std::function<std::string(const fs::path& root)>;
    const std::tuple<const char*, Make, void (Game::*)(), std::string, std::string> cases[] = {
        {"FIFO as the library", [](const fs::path& r) { ::mkfifo(gone(r, "facil.sdk").c_str(), 0600); return r.string(); },
         &Game::nuevo_sudoku_Click, "No se puede leer el fichero de sudokus @/facil.sdk: no es un fichero normal.",
         "@/facil.sdk:0: no es un fichero normal"},
        {"device as the solution file", [](const fs::path& r) { fs::create_symlink("/dev/zero", gone(r, "sol_fac.sdk")); return r.string(); },
         &Game::solucionar_sudoku_Click, "No se puede leer el fichero @/sol_fac.sdk: no es un fichero normal.",
         "@/sol_fac.sdk:0: no es un fichero normal"},
        {"folder as the saved game", [](const fs::path& r) { fs::create_directory(gone(r, "partida.sdk")); return r.string(); },
         &Game::cargar_sudoku_Click, "No se puede leer la partida guardada @/partida.sdk: es una carpeta.", ""},
        {"unreadable library", [](const fs::path& r) { ::chmod((r / "game/facil.sdk").c_str(), 0); return ::geteuid() ? r.string() : ""; },
         &Game::nuevo_sudoku_Click, "No se puede leer el fichero de sudokus @/facil.sdk: no hay permiso.", "@/facil.sdk:0: no hay permiso"},
        {"line of 17 MB", [](const fs::path& r) { return longLabels(r, 17 << 20); }, &Game::nuevo_sudoku_Click,
         "El fichero de sudokus @/facil.sdk está dañado o incompleto.", "@/facil.sdk:2: tiene una línea de más de 16 MB"},
        {"labels of a megabyte", [](const fs::path& r) { return longLabels(r, 1 << 20); }, &Game::nuevo_sudoku_Click, "", ""},
        {"folder name too long", [](const fs::path& r) { return (r / std::string(300, 'x')).string(); },
         &Game::guardar_sudoku_Click, "No se ha podido guardar la partida en @/partida.sdk: el nombre es demasiado largo.",
         "@: el nombre es demasiado largo"},
        {"folder path at the length limit", [](const fs::path& r) {
             std::string folder = r.string();
             for (std::size_t left; (left = 4095 - 17 - folder.size()) > 0;)  // 17: "/game/partida.sdk"
                 folder += "/" + std::string(left > 201 ? std::min<std::size_t>(200, left - 3) : left - 1, 'd');
             fs::create_directories(folder + "/game");
             return folder;
         }, &Game::guardar_sudoku_Click, "", ""},
    };
    for (const auto& [what, make, command, box, tool] : cases) {
        SCOPED_TRACE(what);
        ProgramFolder root("hostile");
        fs::copy(CUADRIX_SOURCE_DIR "/game", root.root / "game", fs::copy_options::recursive);
        const std::string folder = make(root.root), game = folder + "/game";
        const auto expand = [&game](const std::string& text) { return std::regex_replace(text, std::regex("@"), game); };
        if (folder.empty())
            continue;
        FakeWindowSystem ws;
        Game g(ws);
        ws.folder = folder, g.idSudoku = "Facil 001", g.dificultadActual = "f", g.dificultadElegida = "f", g.puzzleOnBoard = true;
        (g.*command)();
        EXPECT_EQ(ws.boxes.empty() ? "" : ws.boxes[0].prompt, expand(box));
#ifdef CUADRIX_BIBLIOTECA
        if (tool.empty())
            continue;
        const int status = std::system((CUADRIX_BIBLIOTECA " comprobar '" + game + "' >" + root.root.string() + "/out 2>&1").c_str());
        const std::string out = readBytes(root.root / "out");
        EXPECT_NE(out.find(expand(tool)), std::string::npos) << status << out;
#endif
    }
}
