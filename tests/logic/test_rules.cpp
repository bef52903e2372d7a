// The error check, solve and restart, on the puzzle whose only given cells are 2 ("2"), 41 and 80.
#include <algorithm>

#include "tests/logic/game_fixture.h"

class RulesTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        start();
    }
};

TEST_F(RulesTest, TheCheckMarksOpenCellsThatClashInARowAColumnOrABox)
{
    struct Case { std::vector<std::pair<int, int>> digits; Answer answer; std::vector<int> marked; std::string status; };
    const Case cases[] = {
        {{{1, 1}, {11, 5}, {81, 9}}, Answer::OK, {}, "Enhorabuena no tienes ningun error"},
        {{{1, 5}, {11, 5}}, Answer::Yes, {1, 11}, "antes"},  // the box only
        {{{1, 5}, {9, 5}}, Answer::Yes, {1, 9}, "antes"},    // the row only
        {{{1, 5}, {73, 5}}, Answer::Yes, {1, 73}, "antes"},  // the column only
        {{{3, 2}}, Answer::Yes, {3}, "antes"},               // the given "2" in cell 2 stays unmarked
        {{{1, 5}, {11, 5}}, Answer::No, {}, "Vigila, contiene errores"},
        {{{1, 12}, {10, 12}}, Answer::OK, {}, "Enhorabuena no tienes ningun error"},  // out of range: empty
    };
    game.cellFocusedByPlayer(30);  // the check commits this cell, which the cases leave empty
    for (const Case& c : cases) {
        game.reiniciar_sudoku_Click();
        ws.cells[50].back = fondoError;  // a mark left by an earlier check stays, unless answered No
        for (auto [cell, digit] : c.digits)
            game.tablero[rowOf(cell)][columnOf(cell)] = static_cast<std::int16_t>(digit);
        ws.status = "antes";
        ws.answers = {c.answer};
        game.check_Click();
        EXPECT_EQ(ws.status, c.status);
        EXPECT_EQ(ws.answers.empty(), c.answer != Answer::OK) << "the question is asked only for a clash";
        for (int i = 1; i <= 81; ++i) {
            const bool marked = std::find(c.marked.begin(), c.marked.end(), i) != c.marked.end();
            const Colour expected = marked || (i == 50 && c.answer != Answer::No) ? fondoError : fondoNormal;
            EXPECT_EQ(ws.cells[i].back, expected) << "cell " << i << ", case " << c.status;
        }
        if (!ws.boxes.empty() && c.answer != Answer::OK) {
            EXPECT_EQ(ws.boxes.back().buttons, Buttons::YesNo);
        }
    }
    EXPECT_EQ(value(1), 0) << "out-of-range values become empty";
}

TEST_F(RulesTest, TheCheckCountsTheDigitJustTypedInTheFocusedCell)
{
    typeDigit(11, 5, 1);
    game.Text1_KeyDown(1, vk::Digit0 + 5);
    ws.answers = {Answer::Yes};
    game.check_Click();
    EXPECT_EQ(ws.cells[1].back, fondoError);
    EXPECT_EQ(ws.cells[11].back, fondoError);
}

TEST_F(RulesTest, SolveColoursRightAndCorrectedDigitsAndRestartPutsThePuzzleBack)
{
    const std::string solution = solutionLine();
    typeDigit(1, 1);
    typeDigit(3, 9);
    type(5, 32, 6);
    game.solucionar_sudoku_Click();
    EXPECT_EQ(ws.status, "Sudoku Solucionado");
    EXPECT_EQ(tableroDigits(), solution);
    EXPECT_EQ(ws.boardTexts(), solution);
    for (int i = 1; i <= 81; ++i) {
        const Colour expected = ws.cells[i].locked ? fondoNormal : i == 1 ? fondoCorrecto : fondoError;
        EXPECT_EQ(ws.cells[i].back, expected) << i;
    }
    game.solucionar_sudoku_Click();
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(ws.cells[i].back, ws.cells[i].locked ? fondoNormal : fondoCorrecto) << i;

    game.reiniciar_sudoku_Click();
    EXPECT_EQ(ws.status, "Vuelve a intentarlo");
    EXPECT_EQ(tableroDigits(), puzzleLine());
    std::string puzzle = puzzleLine();
    std::replace(puzzle.begin(), puzzle.end(), '0', '.');
    EXPECT_EQ(ws.boardTexts(), puzzle);
    EXPECT_EQ(backs(), all(fondoNormal));
    EXPECT_TRUE(ws.cells[41].locked && ws.cells[41].bold);
}

TEST_F(RulesTest, TheSolutionLineIsTheLineAfterTheFirstLineEqualToTheLabel)
{
    std::string first = solutionLine();
    first[0] = '0';
    typeDigit(1, 1, 3);
    writeFile("sol_fac.sdk", {game.idSudoku, first + "999999999", game.idSudoku, solutionLine(3)});
    game.solucionar_sudoku_Click();
    EXPECT_EQ(tableroDigits(), first);
    EXPECT_EQ(ws.cells[1].text, "");
}

TEST_F(RulesTest, SolveAndRestartRefuseFilesThatDoNotFitAndChangeNothing)
{
    typeDigit(1, 4, 12);
    const std::string id = game.idSudoku;
    const std::vector<std::vector<std::string>> files = {
        {"otra cosa", solutionLine()}, {"x", id}, {id, solutionLine().substr(0, 80)}, {id, "x" + solutionLine()}, {},
    };
    const std::pair<const char*, void (Game::*)()> commands[] = {
        {"sol_fac.sdk", &Game::solucionar_sudoku_Click}, {"facil.sdk", &Game::reiniciar_sudoku_Click}};
    for (auto [name, command] : commands) {
        for (const auto& lines : files) {
            if (lines.empty())
                std::filesystem::remove(folder.game(name));
            else
                writeFile(name, lines);
            const std::string before = snapshot();
            const std::size_t boxes = ws.boxes.size();
            (game.*command)();
            EXPECT_EQ(snapshot(), before) << name << " " << lines.size();
            EXPECT_EQ(ws.boxes.size(), boxes + 1) << name << " " << lines.size();
        }
        writeLibraries();
    }
}
