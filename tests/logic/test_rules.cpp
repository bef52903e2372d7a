// The error check, solve and restart.
#include "board/key_codes.h"
#include "tests/logic/game_fixture.h"

class RulesTest : public GameTest {
protected:
    std::string puzzle, solution;

    void SetUp() override
    {
        GameTest::SetUp();
        writeAllLibraries();
        start();
        const int k = game.idSudoku == "Facil 1" ? 1 : 2;
        puzzle = puzzleLine(k);
        solution = solutionLine(k);
    }
    // Open cells of the puzzle, in index order.
    std::vector<int> openCells() const
    {
        std::vector<int> cells;
        for (int i = 1; i <= 81; ++i)
            if (puzzle[i - 1] == '0')
                cells.push_back(i);
        return cells;
    }
    // Types a digit into cell i and moves on, as a player would.
    void type(int i, char digit)
    {
        ws.setFocusToCell(i);
        ws.key(vk::Digit0 + (digit - '0'));
        ws.setFocusToCell(i == 81 ? 80 : 81);
    }
    char wrongDigit(int i) const { return solution[i - 1] == '9' ? '1' : static_cast<char>(solution[i - 1] + 1); }
};

TEST_F(RulesTest, CheckWithoutClashesCongratulates)
{
    game.check_Click();
    EXPECT_EQ(ws.status, "Enhorabuena no tienes ningun error");
    EXPECT_TRUE(ws.boxes.empty());

    // A wrong digit that repeats nothing in its row, column or box is not an error here.
    const int cell = openCells()[0];
    for (char d = '1'; d <= '9'; ++d) {
        bool clashes = false;
        for (int j = 1; j <= 81; ++j) {
            const bool peer = j != cell && (rowOf(j) == rowOf(cell) || columnOf(j) == columnOf(cell)
                                            || ((rowOf(j) - 1) / 3 == (rowOf(cell) - 1) / 3
                                                && (columnOf(j) - 1) / 3 == (columnOf(cell) - 1) / 3));
            clashes = clashes || (peer && puzzle[j - 1] == d);
        }
        if (!clashes && d != solution[cell - 1]) {
            type(cell, d);
            game.check_Click();
            EXPECT_EQ(ws.status, "Enhorabuena no tienes ningun error");
            return;
        }
    }
}

TEST_F(RulesTest, ClashesAreMarkedOnOpenCellsOnly)
{
    // Two open cells of one row, in different boxes, given the same digit; and one open cell
    // given the digit of a given cell of its box.
    const auto open = openCells();
    int a = 0, b = 0;
    for (int x : open)
        for (int y : open)
            if (!a && rowOf(x) == rowOf(y) && (columnOf(x) - 1) / 3 != (columnOf(y) - 1) / 3)
                a = x, b = y;
    ASSERT_TRUE(a && b);
    type(a, '9');
    type(b, '9');

    ws.answers = {Answer::Yes};
    ws.status = "antes";
    game.check_Click();
    ASSERT_EQ(ws.boxes.size(), 1u);
    EXPECT_EQ(ws.boxes[0].prompt, "Cuidado tienes errores, ¿quieres dejar marcados los errores?");
    EXPECT_EQ(ws.boxes[0].title, "Cuadrix!");
    EXPECT_EQ(ws.boxes[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ws.cells[a].back, fondoError);
    EXPECT_EQ(ws.cells[b].back, fondoError);
    EXPECT_EQ(ws.status, "antes") << "Yes keeps the status line";
    for (int i = 1; i <= 81; ++i) {
        if (ws.cells[i].locked) {
            EXPECT_NE(ws.cells[i].back, fondoError) << "given cell " << i;
        }
    }

    // Correcting one cell: the next check finds nothing, the stale mark on the other stays.
    ws.setFocusToCell(a);
    ws.key(32);
    ws.setFocusToCell(a == 81 ? 80 : 81);
    ws.cells[b].back = fondoError;
    game.check_Click();
    EXPECT_EQ(ws.status, "Enhorabuena no tienes ningun error");
    EXPECT_EQ(ws.cells[b].back, fondoError);
}

TEST_F(RulesTest, AnsweringNoClearsEveryMark)
{
    const int open = openCells()[0];
    int given = 0;
    for (int i = 1; i <= 81; ++i)
        if (ws.cells[i].locked && (rowOf(i) - 1) / 3 == (rowOf(open) - 1) / 3
            && (columnOf(i) - 1) / 3 == (columnOf(open) - 1) / 3)
            given = i;
    ASSERT_TRUE(given);
    type(open, puzzle[given - 1]);
    ws.cells[5].back = fondoError;  // a mark left from an earlier check
    ws.answers = {Answer::No};
    game.check_Click();
    EXPECT_EQ(ws.boxes.size(), 1u);
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(ws.cells[i].back, fondoNormal) << i;
    EXPECT_EQ(ws.status, "Vigila, contiene errores");
}

TEST_F(RulesTest, CheckCountsTheFocusedCellAndClearsOutOfRangeValues)
{
    const auto open = openCells();
    int a = open[0], b = 0;
    for (int y : open)
        if (!b && y != a && rowOf(y) == rowOf(a))
            b = y;
    type(b, '9');
    ws.setFocusToCell(a);
    ws.key(vk::Digit0 + 9);  // still in the cell when the check is chosen
    game.tablero[9][9] = 12;
    game.tablero[9][8] = -3;
    ws.answers = {Answer::Yes};
    game.check_Click();
    EXPECT_EQ(ws.boxes.size(), 1u);
    EXPECT_EQ(game.tablero[9][9], 0);
    EXPECT_EQ(game.tablero[9][8], 0);
}

TEST_F(RulesTest, SolveColoursRightAndCorrectedCells)
{
    const auto open = openCells();
    const int right = open[0], wrong = open[1], cleared = open[2];
    type(right, solution[right - 1]);
    type(wrong, wrongDigit(wrong));
    ws.setFocusToCell(cleared);
    ws.key(32);
    game.solucionar_sudoku_Click();
    EXPECT_EQ(ws.status, "Sudoku Solucionado");
    EXPECT_EQ(ws.boardTexts(), solution);
    EXPECT_EQ(tableroDigits(), solution);
    for (int i = 1; i <= 81; ++i) {
        const Colour expected = ws.cells[i].locked ? fondoNormal : i == right ? fondoCorrecto : fondoError;
        EXPECT_EQ(ws.cells[i].back, expected) << i;
        EXPECT_EQ(ws.cells[i].locked, puzzle[i - 1] != '0');
    }
    // Twice in a row: every open cell is right now.
    game.solucionar_sudoku_Click();
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(ws.cells[i].back, ws.cells[i].locked ? fondoNormal : fondoCorrecto) << i;

    // Restart after solve puts the bare puzzle back.
    game.reiniciar_sudoku_Click();
    EXPECT_EQ(ws.status, "Vuelve a intentarlo");
    EXPECT_EQ(tableroDigits(), puzzle);
    for (int i = 1; i <= 81; ++i) {
        EXPECT_EQ(ws.cells[i].back, fondoNormal);
        EXPECT_EQ(ws.cells[i].text, puzzle[i - 1] == '0' ? "" : std::string(1, puzzle[i - 1]));
        EXPECT_EQ(ws.cells[i].locked, puzzle[i - 1] != '0');
        EXPECT_EQ(ws.cells[i].bold, puzzle[i - 1] != '0');
    }
    game.check_Click();
    EXPECT_EQ(ws.status, "Enhorabuena no tienes ningun error");
}

TEST_F(RulesTest, SolutionFileOddities)
{
    // The first of two equal key lines counts; characters after the 81st are ignored; "0" empties.
    std::string first = solution;
    first[4] = '0';
    writeFile("sol_fac.sdk", {"cabecera", game.idSudoku, first + "123456789", game.idSudoku, solutionLine(5)});
    game.solucionar_sudoku_Click();
    EXPECT_EQ(ws.cells[5].text, "");
    EXPECT_EQ(game.tablero[1][5], 0);
    EXPECT_EQ(ws.cells[6].text, std::string(1, solution[5]));
}

TEST_F(RulesTest, SolveAndRestartFailuresLeaveTheBoardAsItWas)
{
    type(openCells()[0], '5');
    ws.cells[30].back = fondoError;
    std::string bad = solution;
    bad[40] = 'x';
    const std::vector<std::vector<std::string>> files = {
        {},                                                // missing
        {"cabecera", "otro", solution},                    // no key line
        {"cabecera", game.idSudoku},                       // key line at the end of the file
        {"cabecera", game.idSudoku, solution.substr(0, 80)},
        {"cabecera", game.idSudoku, bad},
    };
    for (const std::string name : {"sol_fac.sdk", "facil.sdk"}) {
        for (std::size_t n = 0; n < files.size(); ++n) {
            fs::remove(folder / "game" / name);
            if (n > 0)
                writeFile(name, files[n]);
            const Snapshot before = snapshot();
            const std::size_t boxes = ws.boxes.size();
            if (std::string(name) == "facil.sdk")
                game.reiniciar_sudoku_Click();
            else
                game.solucionar_sudoku_Click();
            EXPECT_TRUE(snapshot() == before) << name << " case " << n;
            ASSERT_EQ(ws.boxes.size(), boxes + 1);
            EXPECT_EQ(ws.boxes.back().title, "Cuadrix!");
            EXPECT_NE(ws.boxes.back().prompt.find(name), std::string::npos) << ws.boxes.back().prompt;
        }
    }
}
