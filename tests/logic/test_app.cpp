// The exit question, the toolbar's buttons and the help pages.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, EachAnswerToTheExitQuestion)
{
    const std::string ask = "Desea guardar la partida?\n";
    const std::string failed = ask + "No se ha podido guardar la partida en " + ws.folder + "/game/partida.sdk: ";
    const std::string kept = ". La partida guardada anterior no se ha modificado.\n";
    // The text in cell 7, the answer, the step of the save that fails, the digit saved for cell 7
    // (0: the earlier game kept). Cancel comes first, so that a cancel left over would show in the rows after it.
    const std::tuple<const char*, Answer, int, char, std::string> cases[] = {
        {"5", Answer::Cancel, -1, 0, ask},
        {"x", Answer::Yes, -1, '0', ask + "Introdueix un Nombre!\n"},  // saved without what cannot be committed
        {"5", Answer::Yes, -1, '5', ask},                              // the digit still being typed is saved
        {"5", Answer::No, -1, 0, ask},
        // A save that fails keeps the earlier saved game whole, and the game stays open rather than being lost.
        {"5", Answer::Yes, 0, 0, failed + "el disco está lleno" + kept},
        {"5", Answer::Yes, 1, 0, failed + "error de lectura o escritura en el disco" + kept},
        {"5", Answer::Yes, 2, 0, failed + "el fichero temporal quedó en otro disco" + kept},
    };
    game.cellFocusedByPlayer(7);
    for (const auto& [typed, answer, failing, saved, prompts] : cases) {
        writeFile("partida.sdk", {"antes"});
        ops.failing = failing;
        ws.ended = false;
        ws.boxes.clear();
        ws.cells[7].text = typed;
        ws.answers = {answer};
        int cancel = 0;
        game.Form_QueryUnload(cancel);
        // Staying open: cancel and salidaCancelada 1; else the program ends.
        EXPECT_EQ(ws.ended * 10 + cancel + game.salidaCancelada, answer == Answer::Cancel || failing >= 0 ? 2 : 10);
        EXPECT_EQ(ws.prompts(), prompts);
        const std::string bytes = support::readBytes(folder.game("partida.sdk"));
        EXPECT_EQ(bytes == "antes\r\n" ? 0 : bytes.at(bytes.size() - 2 - 81 + 6), saved);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "game"), {}), 7) << "no file left behind";
    }
}

// Buttons 1 to 6 with the separator at 4; the help pages are read from the program's own folder as it is named;
// a game with no puzzle on its board (no library at start-up) only says so when asked to solve.
TEST_F(GameTest, ToolbarButtonsHelpPagesAndNoPuzzleToSolve)
{
    Game empty(ws);
    empty.solucionar_sudoku_Click();
    EXPECT_EQ(ws.prompts(), "No hay ningún sudoku en el tablero. Elige \"Nuevo Sudoku\" o \"Cargar Partida\".\n");
    EXPECT_TRUE(Game::toolbarCommand(6) == &Game::solucionar_sudoku_Click);
    for (int separatorOrNone : {-1, 0, 4, 7})
        EXPECT_FALSE(Game::toolbarCommand(separatorOrNone)) << separatorOrNone;
    ws.folder = "/juego\\de \xf1u";
    game.metodos_Click();
    EXPECT_EQ(ws.help, std::vector<std::string>{"file://" + ws.folder + "/data/resolucion.htm"});
}
