// The exit question, the splash timer, the help pages and the About box.
#include "app/splash.h"
#include "tests/logic/game_fixture.h"

class ExitTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        start();
    }
};

TEST_F(ExitTest, EachAnswerToTheExitQuestion)
{
    struct Case { std::string typed; Answer answer; bool ended; char savedDigit; int boxes; };
    const Case cases[] = {
        {"5", Answer::Yes, true, '5', 1},  // the digit still being typed is saved
        {"x", Answer::Yes, true, '0', 2},  // its refusal comes first, then the game is saved without it
        {"5", Answer::No, true, 0, 1},
        {"5", Answer::Cancel, false, 0, 1},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder.game("partida.sdk"));
        ws = FakeWindowSystem();
        ws.folder = folder.root.string();
        game.cellFocusedByPlayer(7);
        game.tablero[1][7] = 0;
        ws.cells[7].text = c.typed;
        ws.answers = {c.answer};
        int cancel = 0;
        game.Form_QueryUnload(cancel);
        EXPECT_EQ(ws.ended, c.ended);
        EXPECT_EQ(cancel, c.ended ? 0 : 1);
        EXPECT_EQ(game.salidaCancelada, c.ended ? 0 : 1);
        ASSERT_EQ(ws.boxes.size(), static_cast<std::size_t>(c.boxes));
        EXPECT_EQ(ws.boxes[0].prompt, "Desea guardar la partida?");
        EXPECT_EQ(ws.boxes[0].buttons, Buttons::YesNoCancel);
        if (c.boxes == 2) {
            EXPECT_EQ(ws.boxes[1].prompt, "Introdueix un Nombre!");
        }
        const std::string saved = readFile("partida.sdk");
        EXPECT_EQ(saved.empty(), c.savedDigit == 0);
        if (c.savedDigit) {
            EXPECT_EQ(saved[saved.size() - 2 - 81 + 6], c.savedDigit);
        }
    }
}

TEST_F(ExitTest, YesWhenTheSaveFailsKeepsTheGameOpen)
{
    ws.folder = (folder.root / "no-existe").string();
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_FALSE(ws.ended);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(ws.boxes.size(), 2u);
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
    const char* pages[] = {"historia.htm", "reglas.htm", "resolucion.htm", "utilizacion.htm"};
    ASSERT_EQ(ws.helpAddresses.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(ws.helpAddresses[k], "file://" + ws.folder + "/data/" + pages[k]);
    game.acerca_Click();
    EXPECT_TRUE(ws.aboutShown);
}
