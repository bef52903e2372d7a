// The exit question, the splash timer, the help addresses and the About command.
#include "app/splash.h"
#include "board/key_codes.h"
#include "tests/logic/game_fixture.h"

class ExitTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeAllLibraries();
        start();
        game.guardar_sudoku_Click();
        earlier = readBytes("partida.sdk");
        for (int i = 1; i <= 81 && !open; ++i)
            if (!ws.cells[i].locked)
                open = i;
        ws.setFocusToCell(open);
        ws.key(vk::Digit0 + 5);  // still in the cell when the question comes
    }
    std::string earlier;
    int open = 0;
};

TEST_F(ExitTest, YesSavesTheCellBeingTypedAndEnds)
{
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_EQ(ws.boxes.back().prompt, "Desea guardar la partida?");
    EXPECT_EQ(ws.boxes.back().title, "Cuadrix!");
    EXPECT_EQ(ws.boxes.back().buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(cancel, 0);
    const std::string saved = readBytes("partida.sdk");
    EXPECT_NE(saved, earlier);
    EXPECT_EQ(saved.substr(saved.size() - 83)[open - 1], '5');
}

TEST_F(ExitTest, NoEndsWithoutTouchingTheSavedGame)
{
    ws.answers = {Answer::No};
    game.salir_Click();
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(readBytes("partida.sdk"), earlier);
}

TEST_F(ExitTest, CancelKeepsPlayingAndTheNextCloseAsksAgain)
{
    const Snapshot before = snapshot();
    ws.answers = {Answer::Cancel, Answer::Cancel};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(game.salidaCancelada, 1);
    EXPECT_FALSE(ws.ended);
    EXPECT_TRUE(snapshot() == before);
    cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(ws.boxes.size(), 2u);
    EXPECT_EQ(readBytes("partida.sdk"), earlier);
}

TEST_F(ExitTest, YesWithABadEntryShowsItsMessageThenSavesWithoutIt)
{
    ws.cells[open].text = "x";
    ws.answers = {Answer::Yes};
    game.salir_Click();
    ASSERT_EQ(ws.boxes.size(), 2u);
    EXPECT_EQ(ws.boxes[1].prompt, "Introdueix un Nombre!");
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(readBytes("partida.sdk"), earlier);
}

TEST_F(ExitTest, YesWhenTheSaveFailsKeepsTheGameOpen)
{
    fs::remove_all(folder / "game");
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_FALSE(ws.ended);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(ws.boxes.back().prompt.rfind("No se ha podido guardar la partida", 0), 0u);
}

TEST_F(GameTest, YesWithNoPuzzleOnTheBoardEndsWithoutSaving)
{
    start();  // no library: the board stays empty
    ws.answers = {Answer::Yes};
    game.salir_Click();
    EXPECT_TRUE(ws.ended);
    EXPECT_FALSE(fs::exists(folder / "game" / "partida.sdk"));
}

TEST(Splash, SecondTickShowsTheMainWindowAndHidesTheSplashOnce)
{
    FakeWindowSystem ws;
    ws.splashShown = ws.splashTimerOn = true;
    Form4Timer timer(ws);
    timer.Timer1_Timer();
    EXPECT_TRUE(ws.splashShown);
    EXPECT_FALSE(ws.mainShown);
    timer.Timer1_Timer();
    EXPECT_FALSE(ws.splashShown);
    EXPECT_FALSE(ws.splashTimerOn);
    EXPECT_TRUE(ws.mainShown);
    ws.mainShown = false;
    timer.Timer1_Timer();
    EXPECT_FALSE(ws.mainShown) << "the splash ends once per run";
}

TEST(HelpPages, EachItemOpensItsPageUnderTheProgramFolder)
{
    FakeWindowSystem ws;
    ws.folder = "/opt/mi carpeta#1";
    Game game(ws);
    game.historia_Click();
    game.reglas_Click();
    game.metodos_Click();
    game.utilizacion_Click();
    EXPECT_EQ(ws.helpAddresses, (std::vector<std::string>{
        "file:///opt/mi carpeta#1\\data\\historia.htm", "file:///opt/mi carpeta#1\\data\\reglas.htm",
        "file:///opt/mi carpeta#1\\data\\resolucion.htm", "file:///opt/mi carpeta#1\\data\\utilizacion.htm"}));
    game.acerca_Click();
    EXPECT_TRUE(ws.aboutShown);
}
