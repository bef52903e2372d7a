// The exit question, the toolbar's buttons, the help pages and the About box.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, EachAnswerToTheExitQuestion)
{
    const std::string ask = "Desea guardar la partida?\n", path = folder.game("partida.sdk").string();
    const std::tuple<const char*, Answer, std::vector<std::string>, char, std::string> cases[] = {
        {"x", Answer::Yes, {}, '0', ask + "Introdueix un Nombre!\n"},  // saved without what cannot be committed
        {"5", Answer::Yes, {}, '5', ask},                              // the digit still being typed is saved
        {"5", Answer::No, {}, 0, ask},
        {"5", Answer::Cancel, {}, 0, ask},
        // The save fails: the game stays open rather than being lost.
        {"5", Answer::Yes, {"<carpeta>"}, 0, ask + "No se ha podido guardar la partida en " + path + ": es una carpeta. La partida guardada anterior no se ha modificado.\n"},
    };
    game.cellFocusedByPlayer(7);
    for (const auto& [typed, answer, partida, saved, prompts] : cases) {
        writeFile("partida.sdk", partida);
        ws.ended = false;
        ws.boxes.clear();
        ws.cells[7].text = typed;
        ws.answers = {answer};
        int cancel = 0;
        game.Form_QueryUnload(cancel);
        const bool stays = answer == Answer::Cancel || !partida.empty();
        EXPECT_EQ(ws.ended * 10 + cancel + game.salidaCancelada, stays ? 2 : 10) << prompts;
        EXPECT_EQ(ws.prompts(), prompts);
        EXPECT_EQ(ws.boxes[0].buttons, Buttons::YesNoCancel);
        const std::string bytes = partida.empty() ? support::readBytes(path) : "";
        EXPECT_EQ(bytes.empty() ? 0 : bytes.at(bytes.size() - 2 - 81 + 6), saved);
    }
}

TEST_F(GameTest, ToolbarButtonsHelpItemsAndAbout)
{
    EXPECT_TRUE(Game::toolbarCommand(1) == &Game::nuevo_sudoku_Click && Game::toolbarCommand(6) == &Game::solucionar_sudoku_Click);
    for (int separatorOrNone : {-1, 0, 4, 7})
        EXPECT_FALSE(Game::toolbarCommand(separatorOrNone)) << separatorOrNone;
    ws.folder = "/juego\\de \xf1u";  // a folder's own characters are kept as they are
    for (auto command : {&Game::historia_Click, &Game::reglas_Click, &Game::metodos_Click, &Game::utilizacion_Click, &Game::acerca_Click})
        (game.*command)();
    const std::string at = "file://" + ws.folder + "/data/";
    EXPECT_EQ(ws.help, std::vector<std::string>({at + "historia.htm", at + "reglas.htm", at + "resolucion.htm", at + "utilizacion.htm"}));
    EXPECT_TRUE(ws.about);
}
