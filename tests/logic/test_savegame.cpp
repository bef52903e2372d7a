// Save and load: the bytes of partida.sdk, the game they bring back, and a save that fails.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, SaveWritesThreeCrLfLinesWithTheCellBeingTypedAndLoadBringsThemBack)
{
    support::writeBytes(folder.game("part~a1B2c3"), "left by a save cut short");
    support::writeBytes(folder.game("part~a1B2c"), "not one of the game's");
    type(81, vk::Digit0 + 3);
    ws.cells[5].back = fondoError;
    digit(37, 10);  // out of range: saved as an empty cell
    digit(38, -1);
    game.guardar_sudoku_Click();
    const std::string saved = with(puzzleLine(), {81}, '3');
    EXPECT_EQ(support::readBytes(folder.game("partida.sdk")), game.idSudoku + "\r\nf\r\n" + saved + "\r\n");
    EXPECT_EQ(ws.status + backs(), "Partida guardada" + white());
    EXPECT_EQ(fs::exists(folder.game("part~a1B2c3")) * 10 + fs::exists(folder.game("part~a1B2c")), 1) << "leftovers of the game's own";

    type(1, vk::Digit0 + 6, 81);
    type(81, 32, 1);
    game.dificil_Click();
    ws.cells[7].back = fondoError;
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.status + "|" + board(), "SuDoku Cargado|" + saved + "|" + saved + "|" + white() + "|" + givens(puzzleLine()));
    EXPECT_EQ(ws.checked + game.dificultadElegida, "x--f") << "the saved game's level is checked again";
}

// Medium, hard, and a code of no level, which reads the easy files with no menu mark changed.
TEST_F(GameTest, LoadTakesTheSavedDifficultyAndSolveAndRestartFollowIt)
{
    const std::tuple<std::string, std::string, int, std::string> games[] = {
        {"Medio 3", "m", 5, "-x-"}, {"Dificil 2", "d", 2, "--x"}, {"Facil 3", "F", 4, "--x"}};
    for (const auto& [label, code, shift, marks] : games) {
        const std::string saved = with(solutionLine(shift), {2}, '0');  // a given cell saved empty stays given
        writeFile("partida.sdk", {label, code, saved + "123"});
        game.cargar_sudoku_Click();
        EXPECT_EQ(board(), saved + "|" + saved + "|" + white() + "|" + givens(puzzleLine(shift))) << label;
        EXPECT_EQ(ws.checked + game.dificultadActual + game.dificultadElegida, marks + code + code);
        game.solucionar_sudoku_Click();
        EXPECT_EQ(digits(), solutionLine(shift)) << label;
        game.reiniciar_sudoku_Click();
        EXPECT_EQ(digits(), puzzleLine(shift)) << label;
    }
}

// A save that fails at its write, flush or rename keeps the earlier saved game whole and says why.
TEST_F(GameTest, AFailedSaveKeepsTheEarlierSavedGameWhole)
{
    game.guardar_sudoku_Click();
    const std::string earlier = support::readBytes(folder.game("partida.sdk"));
    struct Failing : SystemFileOps {
        int step = 0, syncs = 0;
        int write(int fd, const char* data, std::size_t size) override  // part of it reaches the disk
        {
            return step == 0 ? (SystemFileOps::write(fd, data, size / 2), ENOSPC) : SystemFileOps::write(fd, data, size);
        }
        int sync(int fd) override { return ++syncs, step == 1 ? EIO : SystemFileOps::sync(fd); }
        int rename(const std::string& from, const std::string& to) override { return step == 2 ? EXDEV : SystemFileOps::rename(from, to); }
    } ops;
    Game saving(ws, ops);
    saving.idSudoku = "Otra";
    saving.puzzleOnBoard = true;
    const char* why[] = {"el disco está lleno", "error de lectura o escritura en el disco", "el fichero temporal quedó en otro disco"};
    for (ops.step = 0; ops.step < 3; ++ops.step) {
        ws.status = "antes";
        ws.boxes.clear();
        saving.guardar_sudoku_Click();
        EXPECT_EQ(support::readBytes(folder.game("partida.sdk")) + ws.status, earlier + "antes") << ops.step;
        EXPECT_EQ(ws.prompts(), "No se ha podido guardar la partida en " + folder.game("partida.sdk").string() + ": " + why[ops.step]
                                    + ". La partida guardada anterior no se ha modificado.\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.root / "game"), {}), 7) << "no file left behind";
    }
    ops.syncs = 0;
    saving.guardar_sudoku_Click();
    EXPECT_EQ(support::readBytes(folder.game("partida.sdk")) + std::to_string(ops.syncs), "Otra\r\n\r\n" + std::string(81, '0') + "\r\n2")
        << "written, then flushed with its folder";
}
