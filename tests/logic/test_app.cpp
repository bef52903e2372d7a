// The exit question, the toolbar's buttons, the help pages and the About box.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, EachAnswerToTheExitQuestion)
{
    struct Case { std::string typed; Answer answer; char saved; std::string prompts; };
    const std::string ask = "Desea guardar la partida?\n";
    const Case cases[] = {
        {"x", Answer::Yes, '0', ask + "Introdueix un Nombre!\n"},  // saved without what cannot be committed
        {"5", Answer::Yes, '5', ask},                              // the digit still being typed is saved
        {"5", Answer::No, 0, ask},
        {"5", Answer::Cancel, 0, ask},
    };
    game.cellFocusedByPlayer(7);
    for (const Case& c : cases) {
        writeFile("partida.sdk", {});
        ws.ended = false;
        ws.boxes.clear();
        ws.cells[7].text = c.typed;
        ws.answers = {c.answer};
        int cancel = 0;
        game.Form_QueryUnload(cancel);
        EXPECT_EQ(ws.ended, c.answer != Answer::Cancel);
        EXPECT_EQ(cancel + game.salidaCancelada, c.answer == Answer::Cancel ? 2 : 0);
        EXPECT_EQ(ws.prompts(), c.prompts);
        EXPECT_EQ(ws.boxes[0].buttons, Buttons::YesNoCancel);
        const std::string saved = support::readBytes(folder.game("partida.sdk"));
        EXPECT_EQ(saved.empty() ? 0 : saved.at(saved.size() - 2 - 81 + 6), c.saved);
    }
    // Yes when the save fails: the game stays open rather than being lost.
    ws.folder += "/no-existe";
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_TRUE(cancel == 1 && !ws.ended);
}

TEST_F(GameTest, ToolbarButtonsHelpItemsAndAbout)
{
    EXPECT_TRUE(Game::toolbarCommand(1) == &Game::nuevo_sudoku_Click && Game::toolbarCommand(6) == &Game::solucionar_sudoku_Click);
    for (int separatorOrNone : {-1, 0, 4, 7})
        EXPECT_FALSE(Game::toolbarCommand(separatorOrNone)) << separatorOrNone;
    ws.folder = "/juego\\de \xf1u";  // a folder's own characters are kept as they are
    for (auto command : {&Game::historia_Click, &Game::reglas_Click, &Game::metodos_Click, &Game::utilizacion_Click})
        (game.*command)();
    const std::string at = "file://" + ws.folder + "/data/";
    EXPECT_EQ(ws.help, std::vector<std::string>({at + "historia.htm", at + "reglas.htm", at + "resolucion.htm", at + "utilizacion.htm"}));
    game.acerca_Click();
    EXPECT_TRUE(ws.about);
}
