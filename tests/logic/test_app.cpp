// The exit question, the splash timer, the help pages and the About box.
#include "app/splash.h"
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, EachAnswerToTheExitQuestion)
{
    struct Case { std::string typed; Answer answer; bool ended; char saved; std::vector<std::string> boxes; };
    const Case cases[] = {
        {"5", Answer::Yes, true, '5', {"Desea guardar la partida?"}},  // the digit still being typed is saved
        {"x", Answer::Yes, true, '0', {"Desea guardar la partida?", "Introdueix un Nombre!"}},  // saved without it
        {"5", Answer::No, true, 0, {"Desea guardar la partida?"}},
        {"5", Answer::Cancel, false, 0, {"Desea guardar la partida?"}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder.game("partida.sdk"));
        ws.ended = false;
        ws.boxes.clear();
        game.cellFocusedByPlayer(7);
        game.tablero[1][7] = 0;
        ws.cells[7].text = c.typed;
        ws.answers = {c.answer};
        int cancel = 0;
        game.Form_QueryUnload(cancel);
        EXPECT_EQ(ws.ended, c.ended);
        EXPECT_EQ(cancel + game.salidaCancelada, c.ended ? 0 : 2);
        std::vector<std::string> prompts;
        for (const ShownBox& box : ws.boxes)
            prompts.push_back(box.prompt);
        EXPECT_EQ(prompts, c.boxes);
        EXPECT_EQ(ws.boxes[0].buttons, Buttons::YesNoCancel);
        const std::string saved = support::readBytes(folder.game("partida.sdk"));
        EXPECT_EQ(saved.empty() ? 0 : saved[saved.size() - 2 - 81 + 6], c.saved);
    }
    // Yes when the save fails: the game stays open rather than being lost.
    ws.folder += "/no-existe";
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_TRUE(cancel == 1 && !ws.ended);
}

TEST(Splash, TheSecondTickShowsTheMainWindowAndHidesTheSplashOnce)
{
    FakeWindowSystem ws;
    ws.splashShown = ws.splashTimerOn = true;
    Form4Timer timer(ws);
    timer.Timer1_Timer();
    EXPECT_TRUE(ws.splashShown && ws.splashTimerOn && !ws.mainShown);
    timer.Timer1_Timer();
    EXPECT_TRUE(!ws.splashShown && !ws.splashTimerOn && ws.mainShown);
    ws.splashShown = true;
    timer.Timer1_Timer();
    EXPECT_TRUE(ws.splashShown);
}

TEST_F(GameTest, HelpItemsOpenTheirPagesInTheDataFolderAndAboutShowsTheBox)
{
    ws.folder = "/juego\\de \xf1u";  // a folder's own characters are kept as they are
    for (auto command : {&Game::historia_Click, &Game::reglas_Click, &Game::metodos_Click, &Game::utilizacion_Click})
        (game.*command)();
    const std::string at = "file://" + ws.folder + "/data/";
    EXPECT_EQ(ws.helpAddresses, std::vector<std::string>({at + "historia.htm", at + "reglas.htm", at + "resolucion.htm",
                                                         at + "utilizacion.htm"}));
    game.acerca_Click();
    EXPECT_TRUE(ws.aboutShown);
}
