// Start-up, the random draw, new game, the difficulty commands and damaged libraries.
#include <set>

#include "tests/logic/game_fixture.h"

TEST_F(GameTest, StartUpPlacesAnEasyPuzzleAndANewGameRewritesEveryCell)
{
    EXPECT_EQ(game.dificultadActual + game.dificultadElegida + marks(), "ffx--");
    EXPECT_TRUE(game.idSudoku == "Facil 1" || game.idSudoku == "Facil 2") << game.idSudoku;
    EXPECT_EQ(ws.status, "Bienbenido a Cuadrix! Todo listo para jugar");
    EXPECT_TRUE(ws.splashShown && ws.splashTimerOn && ws.boxes.empty());
    EXPECT_EQ(backs(), "f" + std::string(80, 'w'));
    for (FakeCell& cell : ws.cells)
        cell = {"x", true, colorFijo, fondoError, true};
    game.nuevo_sudoku_Click();
    const std::string p = puzzleLine();
    EXPECT_EQ(tableroDigits(), p);
    for (int k = 1; k <= 81; ++k) {
        const FakeCell& cell = ws.cells[k];
        const bool given = p[k - 1] != '0';
        EXPECT_EQ(cell.text, given ? p.substr(k - 1, 1) : "") << k;
        EXPECT_TRUE(cell.bold == given && cell.locked == given && cell.fore == (given ? colorFijo : colorJugador)) << k;
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
    struct Choice { void (Game::*command)(); std::string code, status, marks; };
    const Choice choices[] = {
        {&Game::dificil_Click, "d", "Dificultad: Dificil, nueva partida para cambiar", "--x"},
        {&Game::medio_Click, "m", "Dificultad: Media, nueva partida para cambiar", "-x-"},
        {&Game::facil_Click, "f", "Dificultad: Facil, nueva partida para cambiar", "x--"},
    };
    for (const Choice& c : choices) {
        ws.cells[5].back = fondoError;
        const std::string before = board(), actual = game.dificultadActual;
        (game.*c.command)();
        EXPECT_EQ(board() + game.dificultadActual, before + actual);
        EXPECT_EQ(game.dificultadElegida + "|" + ws.status + "|" + marks(), c.code + "|" + c.status + "|" + c.marks);
        game.nuevo_sudoku_Click();
        EXPECT_EQ(game.dificultadActual + game.dificultadElegida, c.code + c.code);
        EXPECT_EQ(tableroDigits(), puzzleLine(c.code == "f" ? 0 : c.code == "m" ? 1 : 2));
        EXPECT_EQ(ws.status, "Nuevo SuDoku Cargado");
        EXPECT_EQ(backs(), std::string(81, 'w'));
    }
}

TEST_F(GameTest, ADamagedLibraryIsReportedAndChangesNothing)
{
    const std::string good = puzzleLine();
    const std::vector<std::vector<std::string>> libraries = {
        {"solo cabecera", "Facil 1", good},  // the draw may need record 2
        {"cabecera", "Facil 1", good, "Facil 2", good.substr(0, 80)},
        {"cabecera", "Facil 1", "x" + good.substr(1), "Facil 2", good},
        {"cabecera"},
        {},  // no file at all
    };
    for (const auto& lines : libraries) {
        writeFile("facil.sdk", lines);
        if (lines.empty())
            std::filesystem::remove(folder.game("facil.sdk"));
        ws.cells[5].text = "7";
        ws.cells[6].back = fondoError;
        const std::string before = snapshot();
        ws.boxes.clear();
        game.nuevo_sudoku_Click();
        EXPECT_EQ(snapshot(), before) << lines.size();
        ASSERT_EQ(ws.boxes.size(), 1u);
        EXPECT_NE(ws.boxes[0].prompt.find("facil.sdk"), std::string::npos);
    }
    // A library with LF line ends and a puzzle line longer than 81 characters reads well.
    support::writeBytes(folder.game("facil.sdk"), "x\nUno\n" + puzzleLine(3) + "123456789\nDos\n" + puzzleLine(3));
    game.nuevo_sudoku_Click();
    EXPECT_EQ(tableroDigits(), puzzleLine(3));
}

TEST_F(GameTest, WithoutALibraryTheGameStartsOnAnEmptyBoardAndSaysSoWhenAPuzzleIsNeeded)
{
    std::filesystem::remove(folder.game("facil.sdk"));
    FakeWindowSystem fresh;
    fresh.folder = ws.folder;
    Game other(fresh);
    other.Form_Load();
    EXPECT_EQ(fresh.boardTexts() + fresh.status, std::string(81, '.') + "Bienbenido a Cuadrix! Todo listo para jugar");
    for (auto command : {&Game::reiniciar_sudoku_Click, &Game::solucionar_sudoku_Click, &Game::guardar_sudoku_Click})
        (other.*command)();
    EXPECT_EQ(fresh.boxes.size(), 4u) << "the library at start-up, then one box for each command";
    EXPECT_FALSE(std::filesystem::exists(folder.game("partida.sdk")));
}
