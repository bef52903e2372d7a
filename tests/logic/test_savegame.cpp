// Save and load: the bytes of partida.sdk, the game they bring back, and files that do not fit.
#include "tests/logic/game_fixture.h"

class SavedGameTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        start();
    }
};

TEST_F(SavedGameTest, SaveWritesThreeCrLfLinesWithTheCellBeingTypedAndLoadBringsThemBack)
{
    typeDigit(81, 3);
    ws.cells[5].back = fondoError;
    game.tablero[5][1] = 10;  // out of range: saved as an empty cell
    game.tablero[5][2] = -1;
    game.guardar_sudoku_Click();
    std::string digits = puzzleLine();
    digits[80] = '3';
    EXPECT_EQ(readFile("partida.sdk"), game.idSudoku + "\r\nf\r\n" + digits + "\r\n");
    EXPECT_EQ(ws.status, "Partida guardada");
    EXPECT_EQ(backs(), all(fondoNormal));

    const std::string saved = ws.boardTexts();
    typeDigit(1, 6, 81);
    type(81, 32, 1);
    game.dificil_Click();
    ws.cells[7].back = fondoError;
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.boardTexts(), saved);
    EXPECT_EQ(tableroDigits(), digits);
    EXPECT_EQ(ws.status, "SuDoku Cargado");
    EXPECT_EQ(backs(), all(fondoNormal));
    EXPECT_TRUE(ws.checked[MenuItem::facil] && !ws.checked[MenuItem::dificil]);
    EXPECT_EQ(game.dificultadElegida, "f");
    EXPECT_FALSE(ws.cells[81].locked || ws.cells[81].bold);
    EXPECT_TRUE(ws.cells[80].locked && ws.cells[80].bold);
}

TEST_F(SavedGameTest, LoadTakesTheSavedDifficultyAndSolveAndRestartFollowIt)
{
    struct Saved { std::string label, code; int shift; std::map<MenuItem, bool> checked; };
    const Saved games[] = {
        {"Medio 3", "m", 5, {{MenuItem::facil, false}, {MenuItem::medio, true}, {MenuItem::dificil, false}}},
        {"Dificil 2", "d", 2, {{MenuItem::facil, false}, {MenuItem::medio, false}, {MenuItem::dificil, true}}},
        {"Facil 3", "F", 4, {{MenuItem::facil, false}, {MenuItem::medio, false}, {MenuItem::dificil, true}}},
    };
    for (const Saved& g : games) {
        std::string digits = solutionLine(g.shift);
        digits[1] = '0';  // a given cell saved empty stays given
        writeFile("partida.sdk", {g.label, g.code, digits + "123"});
        game.cargar_sudoku_Click();
        EXPECT_EQ(tableroDigits(), digits) << g.label;
        EXPECT_EQ(ws.cells[2].text, "");
        EXPECT_TRUE(ws.cells[2].locked);
        EXPECT_EQ(ws.checked, g.checked) << g.label;
        EXPECT_EQ(game.dificultadActual, g.code);
        EXPECT_EQ(game.dificultadElegida, g.code);
        game.solucionar_sudoku_Click();
        EXPECT_EQ(tableroDigits(), solutionLine(g.shift)) << g.label;
        game.reiniciar_sudoku_Click();
        EXPECT_EQ(tableroDigits(), puzzleLine(g.shift)) << g.label;
    }
}

TEST_F(SavedGameTest, ALoadThatDoesNotFitIsReportedAndChangesNothing)
{
    typeDigit(1, 4, 12);
    const std::string digits = puzzleLine();
    const std::vector<std::vector<std::string>> files = {
        {}, {"Facil 1", "f"}, {"Facil 1", "f", digits.substr(0, 80)}, {"Facil 1", "f", "x" + digits.substr(1)},
        {"Medio 1", "f", digits}, {"Nadie", "m", digits}, {"facil 1", "f", digits}, {"Facil 1 ", "f", digits},
    };
    for (const auto& lines : files) {
        if (lines.empty())
            std::filesystem::remove(folder.game("partida.sdk"));
        else
            writeFile("partida.sdk", lines);
        const std::string before = snapshot();
        const std::size_t boxes = ws.boxes.size();
        game.cargar_sudoku_Click();
        EXPECT_EQ(snapshot(), before) << lines.size();
        ASSERT_EQ(ws.boxes.size(), boxes + 1) << lines.size();
        if (lines.empty()) {
            EXPECT_EQ(ws.boxes.back().prompt, "No hay partida guardada.");
        }
    }
}
