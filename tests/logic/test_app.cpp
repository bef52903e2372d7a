// The exit question, the toolbar's buttons and the help pages.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about.h"
#include "tests/logic/game_fixture.h"

// The cell being typed and its text, the answer, the error of a save that fails, the digit saved for that cell (0: the
// earlier game kept), the box after the question. Cancel comes first, so that a cancel left over would show after it.
TEST_F(GameTest, EachAnswerToTheExitQuestion)
{
    const std::string refused = box("Introdueix un Nombre!", "OK", ""),
                      failed = said("No se ha podido guardar la partida en @/game/partida.sdk: el disco está lleno. La "
                                    "partida guardada anterior no se ha modificado.");
    const std::tuple<int, const char*, Answer, int, char, std::string> cases[] = {
        {7, "5", Answer::Cancel, 0, 0, ""},
        {81, "4", Answer::Yes, 0, '4', ""},  // the digit being typed is saved
        {7, "5", Answer::No, 0, 0, ""},
        {7, "x", Answer::Yes, 0, '5', refused},     // cell 7 keeps the 5 committed when the player left it for cell 81
        {7, "5", Answer::Yes, ENOSPC, 0, failed}};  // a save that fails keeps the game open rather than lost
    for (const auto& [cell, typed, answer, error, saved, after] : cases) {
        writeFile("partida.sdk", {"antes"});
        game.cellFocusedByPlayer(cell);
        std::tie(ops.failing, ops.error, ws.answers) = std::tuple(error ? 0 : -1, error, std::deque{answer});
        paste(cell, typed);
        int cancel = 0;
        EXPECT_EQ(shown([&](Game& g) { g.Form_QueryUnload(cancel); }),
                  box("Desea guardar la partida?", "Sí/No/Cancelar") + after);
        const bool stays = answer == Answer::Cancel || error;
        EXPECT_EQ(cancel, stays) << cell;
        EXPECT_EQ(ws.ended, !stays) << cell;
        ws.ended = false;
        const std::string bytes = readBytes(partida);
        EXPECT_EQ(bytes.size() > 9 ? bytes[bytes.size() - 84 + cell] : 0, saved) << cell;
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
    EXPECT_EQ(ws.asked, none + none);
    EXPECT_EQ(ws.help.at(0), "file://" + ws.folder + "/data/resolucion.htm");
}

// The system-information button starts the first program of its list that a folder of the PATH holds as an executable
// file, else, or when it cannot be started, says that there is none.
TEST_F(GameTest, SystemInformationStartsTheFirstProgramFoundElseSaysItIsNotAvailable)
{
    const fs::path a = folder.root / "a", b = folder.root / "b";
    ::setenv("PATH", (a.string() + ":" + b.string()).c_str(), 1);
    fs::create_directories(a / "hardinfo");
    fs::create_directories(b);
    writeBytes(a / "xfce4-about", "");  // not executable
    const std::string none = box("La información del sistema no está disponible en este momento", "OK", "");
    const auto click = [this](Game&) { FrmAbout(ws).cmdSysInfo_Click(); };
    EXPECT_EQ(shown(click), none);
    fs::permissions(writeBytes(a / "kinfocenter", ""), fs::perms::owner_all);
    fs::permissions(writeBytes(b / "hardinfo", ""), fs::perms::owner_all);
    EXPECT_EQ(shown(click), "");
    EXPECT_EQ(ws.started, std::vector{(b / "hardinfo").string()}) << "the list's order, not the PATH's";
    ws.startWorks = false;
    EXPECT_EQ(shown(click), none);
}
