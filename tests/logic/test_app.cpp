// The exit question, the toolbar's buttons and the help pages.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about.h"
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, EachAnswerToTheExitQuestion)
{
    const std::string ask = box("Desea guardar la partida?", "Sí/No/Cancelar");
    const std::string failed = "No se ha podido guardar la partida en " + ws.folder + "/game/partida.sdk: ";
    const std::string kept = ". La partida guardada anterior no se ha modificado.";
    // The cell being typed and its text, the answer, the step of the save that fails and its error, the digit saved
    // for that cell (0: the earlier game kept), the boxes. Cancel comes first, so that a cancel left over would show in
    // the rows after it.
    const std::tuple<int, const char*, Answer, int, int, char, std::string> cases[] = {
        {7, "5", Answer::Cancel, -1, 0, 0, ask},
        {1, "5", Answer::Yes, -1, 0, '5', ask},   // the digit still being typed is saved, in the first cell
        {81, "4", Answer::Yes, -1, 0, '4', ask},  // and in the last
        // Saved without what cannot be committed: cell 7 keeps the 5 committed when the player left it for cell 1.
        {7, "x", Answer::Yes, -1, 0, '5', ask + box("Introdueix un Nombre!", "OK", "")},
        {7, "5", Answer::No, -1, 0, 0, ask},
        // A save that fails keeps the earlier saved game whole, and the game stays open rather than being lost.
        {7, "5", Answer::Yes, 0, ENOSPC, 0, ask + box(failed + "el disco está lleno" + kept)},
        {7, "5", Answer::Yes, 1, EIO, 0, ask + box(failed + "error de lectura o escritura en el disco" + kept)},
        {7, "5", Answer::Yes, 2, EXDEV, 0, ask + box(failed + "el fichero temporal quedó en otro disco" + kept)},
        {7, "5", Answer::Yes, 2, EACCES, 0, ask + box(failed + "no hay permiso" + kept)},
        {7, "5", Answer::Yes, 0, EPERM, 0, ask + box(failed + "no hay permiso" + kept)},
    };
    for (const auto& [cell, typed, answer, failing, error, saved, asked] : cases) {
        writeFile("partida.sdk", {"antes"});
        game.cellFocusedByPlayer(cell);
        std::tie(ops.failing, ops.error, ws.ended, ws.asked, ws.answers) =
            std::tuple(failing, error, false, "", std::deque{answer});
        paste(cell, typed);
        int cancel = 0;
        game.Form_QueryUnload(cancel);
        // Staying open: cancel and salidaCancelada 1; else the program ends.
        EXPECT_EQ(ws.ended * 10 + cancel + game.salidaCancelada, answer == Answer::Cancel || failing >= 0 ? 2 : 10);
        EXPECT_EQ(ws.asked, asked);
        const std::string bytes = support::readBytes(folder.game("partida.sdk"));
        EXPECT_EQ(bytes == "antes\r\n" ? 0 : bytes.at(bytes.size() - 2 - 81 + cell - 1), saved) << cell;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "game"), {}), 7) << "no file left behind";
    }
}

// The help pages are read from the program's own folder as it is named; a game with no puzzle on its board (no library
// at start-up) only says so when asked to solve or restart.
TEST_F(GameTest, HelpPagesAndNoPuzzleToSolveOrRestart)
{
    Game(ws).solucionar_sudoku_Click();
    Game(ws).reiniciar_sudoku_Click();
    ws.folder = "/juego\\de \xf1u";
    game.metodos_Click();
    const std::string none = box("No hay ningún sudoku en el tablero. Elige \"Nuevo Sudoku\" o \"Cargar Partida\".");
    EXPECT_EQ(ws.asked + ws.help.at(0), none + none + "file://" + ws.folder + "/data/resolucion.htm");
}

// The system-information button starts the first program of its list that a folder of the PATH holds as an executable
// file, else, or when it cannot be started, says that there is none.
TEST_F(GameTest, SystemInformationStartsTheFirstProgramFoundElseSaysItIsNotAvailable)
{
    const fs::path a = folder.root / "a", b = folder.root / "b";
    ::setenv("PATH", (a.string() + ":" + b.string()).c_str(), 1);
    const auto click = [this] {  // the program started, from the folder on, and the boxes
        ws.started.clear(), ws.asked.clear();
        FrmAbout(ws).cmdSysInfo_Click();
        return (ws.started.empty() ? "" : ws.started[0].substr(ws.folder.size())) + ws.asked;
    };
    const std::string none = box("La información del sistema no está disponible en este momento", "OK", "");
    fs::create_directories(a / "hardinfo"), fs::create_directories(b);
    support::writeBytes(a / "xfce4-about", "");  // not executable
    EXPECT_EQ(click(), none);
    fs::permissions(support::writeBytes(a / "kinfocenter", ""), fs::perms::owner_all);
    EXPECT_EQ(click(), "/a/kinfocenter");
    fs::permissions(support::writeBytes(b / "hardinfo", ""), fs::perms::owner_all);
    EXPECT_EQ(click(), "/b/hardinfo");  // the list's order, not the PATH's
    ws.startWorks = false;
    EXPECT_EQ(click(), "/b/hardinfo" + none);
}
