// Start-up, the random draw, new game, the difficulty commands and damaged libraries.
#include <set>

#include "tests/logic/game_fixture.h"

TEST_F(GameTest, StartUpPlacesAnEasyPuzzleOverWhateverTheCellsHeld)
{
    for (FakeCell& cell : ws.cells)
        cell = {"x", true, colorFijo, fondoError, true};
    start();
    EXPECT_EQ(game.dificultadActual, "f");
    EXPECT_EQ(game.dificultadElegida, "f");
    EXPECT_TRUE(game.idSudoku == "Facil 1" || game.idSudoku == "Facil 2") << game.idSudoku;
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    EXPECT_TRUE(ws.splashShown && ws.splashTimerOn);
    EXPECT_EQ(ws.focused, 1);
    EXPECT_EQ(ws.cells[1].back, fondoFoco);
    EXPECT_EQ(ws.cells[2].back, fondoError) << "start-up sets no backgrounds";
    EXPECT_TRUE(ws.boxes.empty());
    const std::string p = puzzleLine();
    EXPECT_EQ(tableroDigits(), p);
    for (int k = 1; k <= 81; ++k) {
        const FakeCell& cell = ws.cells[k];
        const bool given = p[k - 1] != '0';
        EXPECT_EQ(cell.text, given ? p.substr(k - 1, 1) : "") << k;
        EXPECT_EQ(cell.bold, given) << k;
        EXPECT_EQ(cell.fore, given ? colorFijo : colorJugador) << k;
        EXPECT_EQ(cell.locked, given) << k;
    }
}

TEST_F(GameTest, TheDrawGivesPuzzleOneOrTwoOnly)
{
    std::set<std::string> seen;
    for (int n = 0; n < 200; ++n) {
        game.nuevo_sudoku_Click();
        seen.insert(game.idSudoku);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Facil 1", "Facil 2"}));
}

TEST_F(GameTest, DifficultyCommandsTakeEffectAtTheNextNewGame)
{
    start();
    struct Choice { void (Game::*command)(); MenuItem item; std::string code, status, library; };
    const Choice choices[] = {
        {&Game::dificil_Click, MenuItem::dificil, "d", "Dificultad: Dificil, nueva partida para cambiar", "Dificil"},
        {&Game::medio_Click, MenuItem::medio, "m", "Dificultad: Media, nueva partida para cambiar", "Medio"},
        {&Game::facil_Click, MenuItem::facil, "f", "Dificultad: Facil, nueva partida para cambiar", "Facil"},
    };
    for (const Choice& c : choices) {
        const std::string board = ws.boardTexts(), idSudoku = game.idSudoku, actual = game.dificultadActual;
        ws.cells[5].back = fondoError;
        (game.*c.command)();
        EXPECT_EQ(game.dificultadElegida, c.code);
        EXPECT_EQ(ws.status, c.status);
        for (MenuItem item : {MenuItem::facil, MenuItem::medio, MenuItem::dificil})
            EXPECT_EQ(ws.checked[item], item == c.item);
        EXPECT_EQ(ws.boardTexts(), board);
        EXPECT_EQ(game.idSudoku, idSudoku);
        EXPECT_EQ(game.dificultadActual, actual);

        game.nuevo_sudoku_Click();
        EXPECT_EQ(game.dificultadActual, c.code);
        EXPECT_EQ(game.idSudoku.substr(0, c.library.size()), c.library);
        EXPECT_EQ(ws.status, "Nuevo SuDoku Cargado");
        EXPECT_EQ(backs(), all(fondoNormal));
    }
}

TEST_F(GameTest, LibrariesWithLfEndsAndLongLinesAreRead)
{
    support::writeBytes(folder.game("facil.sdk"), "x\nUno\n" + puzzleLine(3) + "123456789\nDos\n" + puzzleLine(3));
    start();
    EXPECT_EQ(tableroDigits(), puzzleLine(3));
    EXPECT_TRUE(game.idSudoku == "Uno" || game.idSudoku == "Dos");
}

TEST_F(GameTest, ADamagedLibraryIsReportedAndChangesNothing)
{
    start();
    const std::string good = puzzleLine();
    const std::vector<std::vector<std::string>> libraries = {
        {"solo cabecera", "Facil 1", good},                 // the draw may need record 2
        {"cabecera", "Facil 1", good, "Facil 2", good.substr(0, 80)},
        {"cabecera", "Facil 1", "x" + good.substr(1), "Facil 2", good},
        {"cabecera"},
    };
    for (const auto& lines : libraries) {
        writeFile("facil.sdk", lines);
        ws.cells[5].text = "7";
        ws.cells[6].back = fondoError;
        const std::string before = snapshot();
        const std::size_t boxes = ws.boxes.size();
        game.nuevo_sudoku_Click();
        EXPECT_EQ(snapshot(), before) << lines.size();
        ASSERT_EQ(ws.boxes.size(), boxes + 1);
        EXPECT_NE(ws.boxes.back().prompt.find("facil.sdk"), std::string::npos);
    }
    std::filesystem::remove(folder.game("facil.sdk"));
    game.nuevo_sudoku_Click();
    EXPECT_NE(ws.boxes.back().prompt.find("facil.sdk"), std::string::npos);
}

TEST_F(GameTest, WithoutALibraryTheGameStartsOnAnEmptyBoardAndSaysSoWhenAPuzzleIsNeeded)
{
    std::filesystem::remove(folder.game("facil.sdk"));
    start();
    EXPECT_EQ(ws.boardTexts(), std::string(81, '.'));
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    for (auto command : {&Game::reiniciar_sudoku_Click, &Game::solucionar_sudoku_Click, &Game::guardar_sudoku_Click})
        (game.*command)();
    EXPECT_EQ(ws.boxes.size(), 4u) << "the library at start-up, then one box for each command";
    EXPECT_FALSE(std::filesystem::exists(folder.game("partida.sdk")));
}
