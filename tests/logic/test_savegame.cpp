// Save and load: the bytes of partida.sdk and the game they bring back.
#include "tests/logic/game_fixture.h"

TEST_F(GameTest, SaveWritesThreeCrLfLinesWithTheCellBeingTypedAndLoadBringsThemBackWithTheirLevel)
{
    support::writeBytes(folder.game("part~a1B2c3"), "left by a save cut short");
    support::writeBytes(folder.game("part~a1B2c"), "not one of the game's");
    type(81, vk::Digit0 + 3);
    ws.cells[5].back = fondoError;
    digit(37, 10);  // out of range: saved as an empty cell
    digit(38, -1);
    game.guardar_sudoku_Click();
    EXPECT_EQ(ops.syncs, 2) << "the new file flushed, then its folder";
    const std::string saved = with(puzzleLine(), {81}, '3');
    EXPECT_EQ(support::readBytes(folder.game("partida.sdk")), game.idSudoku + "\r\nf\r\n" + saved + "\r\n");
    EXPECT_EQ(ws.status + backs(), "Partida guardada" + white());
    // Its own leftovers only.
    EXPECT_TRUE(!fs::exists(folder.game("part~a1B2c3")) && fs::exists(folder.game("part~a1B2c")));

    type(1, vk::Digit0 + 6, 81);
    type(81, 32, 1);
    game.dificil_Click();
    ws.cells[7].back = fondoError;
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.status + "|" + board(),
              "SuDoku Cargado|" + saved + "|" + saved + "|" + white() + "|" + givens(puzzleLine()));
    EXPECT_EQ(ws.checked + game.dificultadElegida, "x--f") << "the saved game's level is checked again";

    // Medium, hard, and a code of no level, which reads the easy files with no menu mark changed:
    // solve and restart follow the level loaded.
    const std::tuple<std::string, std::string, int, std::string> games[] = {
        {"Medio 3", "m", 5, "-x-"}, {"Dificil 2", "d", 2, "--x"}, {"Facil 3", "F", 4, "--x"}};
    for (const auto& [label, code, shift, marks] : games) {
        const std::string line = with(solutionLine(shift), {2}, '0');  // a given cell saved empty stays given
        writeFile("partida.sdk", {label, code, line + "123"});
        game.cargar_sudoku_Click();
        EXPECT_EQ(board(), line + "|" + line + "|" + white() + "|" + givens(puzzleLine(shift))) << label;
        EXPECT_EQ(ws.checked + game.dificultadActual + game.dificultadElegida, marks + code + code);
        game.solucionar_sudoku_Click();
        EXPECT_EQ(digits(), solutionLine(shift)) << label;
        game.reiniciar_sudoku_Click();
        EXPECT_EQ(digits(), puzzleLine(shift)) << label;
    }
}
