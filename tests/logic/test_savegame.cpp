// Save and load: the bytes of partida.sdk, the game they bring back, and files that do not fit.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, SaveWritesThreeCrLfLinesWithTheCellBeingTypedAndLoadBringsThemBack)
{
    type(81, vk::Digit0 + 3);
    ws.cells[5].back = fondoError;
    game.tablero[5][1] = 10;  // out of range: saved as an empty cell
    game.tablero[5][2] = -1;
    game.guardar_sudoku_Click();
    const std::string digits = with(puzzleLine(), {81}, '3');
    EXPECT_EQ(support::readBytes(folder.game("partida.sdk")), game.idSudoku + "\r\nf\r\n" + digits + "\r\n");
    EXPECT_EQ(ws.status + backs(), "Partida guardada" + std::string(81, 'w'));

    const std::string saved = ws.boardTexts();
    type(1, vk::Digit0 + 6, 81);
    type(81, 32, 1);
    game.dificil_Click();
    ws.cells[7].back = fondoError;
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.boardTexts() + "|" + tableroDigits(), saved + "|" + digits);
    EXPECT_EQ(ws.status + backs(), "SuDoku Cargado" + std::string(81, 'w'));
    EXPECT_EQ(marks() + game.dificultadElegida, "x--f");
    EXPECT_FALSE(ws.cells[81].locked || ws.cells[81].bold);
    EXPECT_TRUE(ws.cells[80].locked && ws.cells[80].bold);
}

TEST_F(GameTest, LoadTakesTheSavedDifficultyAndSolveAndRestartFollowIt)
{
    struct Saved { std::string label, code; int shift; std::string marks; };
    const Saved games[] = {{"Medio 3", "m", 5, "-x-"}, {"Dificil 2", "d", 2, "--x"}, {"Facil 3", "F", 4, "--x"}};
    for (const Saved& g : games) {
        const std::string digits = with(solutionLine(g.shift), {2}, '0');  // a given cell saved empty stays given
        writeFile("partida.sdk", {g.label, g.code, digits + "123"});
        game.cargar_sudoku_Click();
        EXPECT_EQ(tableroDigits(), digits) << g.label;
        EXPECT_TRUE(ws.cells[2].text.empty() && ws.cells[2].locked);
        EXPECT_EQ(marks() + game.dificultadActual + game.dificultadElegida, g.marks + g.code + g.code);
        game.solucionar_sudoku_Click();
        EXPECT_EQ(tableroDigits(), solutionLine(g.shift)) << g.label;
        game.reiniciar_sudoku_Click();
        EXPECT_EQ(tableroDigits(), puzzleLine(g.shift)) << g.label;
    }
}

TEST_F(GameTest, ALoadThatDoesNotFitIsReportedAndChangesNothing)
{
    type(1, vk::Digit0 + 4, 12);
    const std::string digits = puzzleLine();
    const std::vector<std::vector<std::string>> files = {
        {}, {"Facil 1", "f"}, {"Facil 1", "f", digits.substr(0, 80)}, {"Facil 1", "f", "x" + digits.substr(1)},
        {"Medio 1", "f", digits}, {"Nadie", "m", digits}, {"facil 1", "f", digits}, {"Facil 1 ", "f", digits},
        {"una carpeta"},
    };
    for (const auto& lines : files) {
        writeFile("partida.sdk", lines);
        if (lines.size() < 2)
            std::filesystem::remove(folder.game("partida.sdk"));
        if (lines.size() == 1)
            std::filesystem::create_directory(folder.game("partida.sdk"));
        const std::string before = snapshot();
        ws.boxes.clear();
        game.cargar_sudoku_Click();
        EXPECT_EQ(snapshot(), before) << lines.size();
        ASSERT_EQ(ws.boxes.size(), 1u) << lines.size();
        EXPECT_TRUE(!lines.empty() || ws.boxes[0].prompt == "No hay partida guardada.");
    }
    std::filesystem::remove(folder.game("partida.sdk"));
}

// A save that fails at its write, flush or rename keeps the earlier saved game whole and says why.
TEST_F(GameTest, AFailedSaveKeepsTheEarlierSavedGameWhole)
{
    game.guardar_sudoku_Click();
    const std::string earlier = support::readBytes(folder.game("partida.sdk"));
    struct Failing : SystemFileOps {
        int step = 0;
        int write(int fd, const char* data, std::size_t size) override
        {
            SystemFileOps::write(fd, data, step == 0 ? size / 2 : size);  // part of it reaches the disk
            return step == 0 ? ENOSPC : 0;
        }
        int sync(int fd) override { return step == 1 ? EIO : SystemFileOps::sync(fd); }
        int rename(const std::string& from, const std::string& to) override { return step == 2 ? EXDEV : SystemFileOps::rename(from, to); }
    } ops;
    Game saving(ws, ops);
    saving.idSudoku = "Otra";
    saving.puzzleOnBoard = true;
    for (ops.step = 0; ops.step < 3; ++ops.step) {
        ws.status = "antes";
        ws.boxes.clear();
        saving.guardar_sudoku_Click();
        EXPECT_EQ(support::readBytes(folder.game("partida.sdk")) + ws.status, earlier + "antes") << ops.step;
        ASSERT_EQ(ws.boxes.size(), 1u);
        EXPECT_EQ(ws.boxes[0].prompt.rfind("No se ha podido guardar la partida en " + folder.game("partida.sdk").string(), 0), 0u);
        EXPECT_NE(ws.boxes[0].prompt.find("La partida guardada anterior no se ha modificado."), std::string::npos);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.root / "game"), {}), 7) << "no file left behind";
    }
}
