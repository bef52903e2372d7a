// Start-up, the random draw, placing a named puzzle, new game and the difficulty commands.
#include <set>

#include "tests/logic/game_fixture.h"

TEST_F(GameTest, StartUpPlacesAnEasyPuzzleAndGreets)
{
    writeAllLibraries();
    start();
    EXPECT_EQ(game.dificultadActual, "f");
    EXPECT_EQ(game.dificultadElegida, "f");
    EXPECT_TRUE(ws.checked[MenuItem::facil]);
    EXPECT_TRUE(game.idSudoku == "Facil 1" || game.idSudoku == "Facil 2") << game.idSudoku;
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    EXPECT_EQ(ws.statusWidth, 30000);
    EXPECT_TRUE(ws.splashShown);
    EXPECT_TRUE(ws.splashTimerOn);
    EXPECT_EQ(ws.focused, 1);
    EXPECT_EQ(game.celdaActual, 1);
    EXPECT_EQ(game.celdaActualTxt, "1");
    EXPECT_EQ(ws.cells[1].back, fondoFoco);
    EXPECT_TRUE(ws.boxes.empty());
}

TEST_F(GameTest, PlacementWritesGivenAndOpenCells)
{
    writeAllLibraries();
    start();
    const std::string p = puzzleLine(game.idSudoku == "Facil 1" ? 1 : 2);
    EXPECT_EQ(tableroDigits(), p);
    for (int k = 1; k <= 81; ++k) {
        const FakeCell& cell = ws.cells[k];
        if (p[k - 1] == '0') {
            EXPECT_EQ(cell.text, "");
            EXPECT_FALSE(cell.bold);
            EXPECT_EQ(cell.fore, colorJugador);
            EXPECT_FALSE(cell.locked);
        } else {
            EXPECT_EQ(cell.text, std::string(1, p[k - 1]));
            EXPECT_TRUE(cell.bold);
            EXPECT_EQ(cell.fore, colorFijo);
            EXPECT_TRUE(cell.locked);
        }
    }
}

TEST_F(GameTest, DrawOnlyEverGivesPuzzleOneOrTwo)
{
    writeAllLibraries();
    start();
    std::set<std::string> seen;
    for (int n = 0; n < 200; ++n) {
        game.nuevo_sudoku_Click();
        seen.insert(game.idSudoku);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Facil 1", "Facil 2"}));
}

TEST_F(GameTest, LongPuzzleLineAndLfLineEndsAreRead)
{
    std::string longLine = puzzleLine(3) + "987654321";
    writeFile("facil.sdk", {"cabecera", "uno", longLine, "dos", longLine}, "\n");
    start();
    EXPECT_EQ(tableroDigits(), puzzleLine(3));
    EXPECT_TRUE(ws.boxes.empty());
}

TEST_F(GameTest, NewGameWhitensAndTakesTheChosenDifficulty)
{
    writeAllLibraries();
    start();
    ws.cells[30].back = fondoError;
    game.dificil_Click();
    EXPECT_EQ(game.dificultadActual, "f");
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.dificultadActual, "d");
    EXPECT_EQ(game.dificultadElegida, "d");
    EXPECT_EQ(game.idSudoku.rfind("Dificil ", 0), 0u);
    EXPECT_EQ(ws.status, "Nuevo SuDoku Cargado");
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(ws.cells[i].back, fondoNormal);
}

TEST_F(GameTest, DifficultyCommandsMoveOnlyTheMarkAndStatus)
{
    writeAllLibraries();
    start();
    const std::string board = ws.boardTexts();
    const std::string id = game.idSudoku;
    struct Case { void (Game::*command)(); std::string code, status; MenuItem item; };
    const Case cases[] = {
        {&Game::medio_Click, "m", "Dificultad: Media, nueva partida para cambiar", MenuItem::medio},
        {&Game::dificil_Click, "d", "Dificultad: Dificil, nueva partida para cambiar", MenuItem::dificil},
        {&Game::facil_Click, "f", "Dificultad: Facil, nueva partida para cambiar", MenuItem::facil},
    };
    for (const Case& c : cases) {
        (game.*c.command)();
        EXPECT_EQ(game.dificultadElegida, c.code);
        EXPECT_EQ(ws.status, c.status);
        for (MenuItem item : {MenuItem::facil, MenuItem::medio, MenuItem::dificil})
            EXPECT_EQ(ws.checked[item], item == c.item);
        EXPECT_EQ(game.dificultadActual, "f");
        EXPECT_EQ(game.idSudoku, id);
        EXPECT_EQ(ws.boardTexts(), board);
    }
}

TEST_F(GameTest, NamedPuzzleIsFoundByExactLabelOnly)
{
    writeAllLibraries();
    start();
    game.idSudoku = "Facil 7";
    ASSERT_TRUE(game.nuevoSudoku2());
    EXPECT_EQ(tableroDigits(), puzzleLine(7));

    const Snapshot before = snapshot();
    for (const std::string near : {"facil 7", "Facil 7 ", "Facil"}) {
        game.idSudoku = near;
        EXPECT_FALSE(game.nuevoSudoku2());
        game.idSudoku = "Facil 7";
        EXPECT_TRUE(snapshot() == before) << near;
    }
    EXPECT_EQ(ws.boxes.size(), 3u);
}

TEST_F(GameTest, UnknownDifficultyCodeReadsTheEasyLibrary)
{
    writeAllLibraries();
    start();
    game.dificultadActual = "F";
    game.idSudoku = "Facil 5";
    ASSERT_TRUE(game.nuevoSudoku2());
    EXPECT_EQ(tableroDigits(), puzzleLine(5));
}

TEST_F(GameTest, BadLibraryLeavesTheGameAsItWas)
{
    writeAllLibraries();
    start();
    game.medio_Click();
    const std::string bad = puzzleLine(1).substr(0, 40) + "x" + puzzleLine(1).substr(41);
    const std::vector<std::vector<std::string>> libraries = {
        {},                                                          // missing
        {"cabecera", "uno", puzzleLine(1)},                          // too short for puzzle 2
        {"cabecera", "uno", puzzleLine(1).substr(0, 80), "dos", puzzleLine(1).substr(0, 80)},
        {"cabecera", "uno", bad, "dos", bad},
    };
    for (std::size_t n = 0; n < libraries.size(); ++n) {
        fs::remove(folder / "game" / "medio.sdk");
        if (n > 0)
            writeFile("medio.sdk", libraries[n]);
        const Snapshot before = snapshot();
        const std::size_t boxes = ws.boxes.size();
        game.nuevo_sudoku_Click();
        EXPECT_TRUE(snapshot() == before) << "library " << n;
        ASSERT_EQ(ws.boxes.size(), boxes + 1);
        EXPECT_EQ(ws.boxes.back().title, "Cuadrix!");
        EXPECT_NE(ws.boxes.back().prompt.find("medio.sdk"), std::string::npos);
        EXPECT_EQ(game.dificultadActual, "f");
    }
}

TEST_F(GameTest, StartUpWithoutALibraryOpensAnEmptyBoard)
{
    start();
    ASSERT_EQ(ws.boxes.size(), 1u);
    EXPECT_NE(ws.boxes[0].prompt.find("facil.sdk"), std::string::npos);
    EXPECT_EQ(ws.boardTexts(), std::string(81, '.'));
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");

    // Commands that need a puzzle say so and change nothing.
    const Snapshot before = snapshot();
    game.reiniciar_sudoku_Click();
    game.solucionar_sudoku_Click();
    game.guardar_sudoku_Click();
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(ws.boxes.size(), 4u);
    EXPECT_FALSE(fs::exists(folder / "game" / "partida.sdk"));

    // Once a library is there, a new game works.
    writeAllLibraries();
    game.nuevo_sudoku_Click();
    EXPECT_EQ(ws.status, "Nuevo SuDoku Cargado");
}

TEST_F(GameTest, ToolbarButtonsRunTheirCommands)
{
    writeAllLibraries();
    start();
    game.toolbarButtonClick(4);
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    game.toolbarButtonClick(1);
    EXPECT_EQ(ws.status, "Nuevo SuDoku Cargado");
    game.toolbarButtonClick(2);
    EXPECT_EQ(ws.status, "Partida guardada");
    game.toolbarButtonClick(3);
    EXPECT_EQ(ws.status, "SuDoku Cargado");
    game.toolbarButtonClick(5);
    EXPECT_EQ(ws.status, "Enhorabuena no tienes ningun error");
    game.toolbarButtonClick(6);
    EXPECT_EQ(ws.status, "Sudoku Solucionado");
}
