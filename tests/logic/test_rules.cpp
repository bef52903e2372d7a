// The error check, solve and restart, on the puzzle whose only given cells are 2 ("2"), 41 and 80.
#include "tests/logic/game_fixture.h"

class RulesTest : public GameTest {
protected:
    void digit(int cell, int d) { game.tablero[rowOf(cell)][columnOf(cell)] = static_cast<std::int16_t>(d); }
};

TEST_F(RulesTest, TheCheckMarksOpenCellsThatClashInARowAColumnOrABox)
{
    struct Case { std::vector<std::pair<int, int>> digits; Answer answer; std::vector<int> marked; std::string status; };
    const Case cases[] = {
        {{{1, 1}, {11, 5}, {81, 9}}, Answer::OK, {50}, "Enhorabuena no tienes ningun error"},
        {{{1, 5}, {11, 5}}, Answer::Yes, {1, 11, 50}, "antes"},  // the box only
        {{{1, 5}, {9, 5}}, Answer::Yes, {1, 9, 50}, "antes"},    // the row only
        {{{1, 5}, {73, 5}}, Answer::Yes, {1, 73, 50}, "antes"},  // the column only
        {{{3, 2}}, Answer::Yes, {3, 50}, "antes"},               // the given "2" in cell 2 stays unmarked
        {{{1, 5}, {11, 5}}, Answer::No, {}, "Vigila, contiene errores"},
        {{{1, 12}, {10, 12}}, Answer::OK, {50}, "Enhorabuena no tienes ningun error"},  // out of range: empty
        {{{19, 5}, {29, 5}, {3, 6}, {13, 6}}, Answer::OK, {50}, "Enhorabuena no tienes ningun error"},  // boxes apart
    };
    game.cellFocusedByPlayer(30);  // the check commits this cell, which the cases leave empty
    for (const Case& c : cases) {
        game.reiniciar_sudoku_Click();
        ws.cells[50].back = fondoError;  // a mark left by an earlier check stays, unless answered No
        for (auto [cell, d] : c.digits)
            digit(cell, d);
        ws.status = "antes";
        ws.answers = {c.answer};
        ws.boxes.clear();
        game.check_Click();
        EXPECT_EQ(ws.status, c.status);
        EXPECT_EQ(backs(), with(std::string(81, 'w'), c.marked, 'e')) << c.status << " " << c.digits[0].first;
        EXPECT_EQ(ws.boxes.size(), c.answer == Answer::OK ? 0u : 1u) << "the question is asked only for a clash";
        EXPECT_TRUE(ws.boxes.empty() || ws.boxes[0].buttons == Buttons::YesNo);
    }
    EXPECT_EQ(value(1), 0) << "out-of-range values become empty";
}

TEST_F(RulesTest, TheCheckCountsTheDigitJustTypedInTheFocusedCell)
{
    type(11, vk::Digit0 + 5, 1);
    game.Text1_KeyDown(1, vk::Digit0 + 5);
    ws.answers = {Answer::Yes};
    game.check_Click();
    EXPECT_EQ(backs(), with(std::string(81, 'w'), {1, 11}, 'e'));
}

TEST_F(RulesTest, SolveColoursRightAndCorrectedDigitsAndRestartPutsThePuzzleBack)
{
    type(1, vk::Digit0 + 1);  // right
    type(3, vk::Digit0 + 9);  // wrong
    type(5, 32, 6);           // cleared
    game.solucionar_sudoku_Click();
    EXPECT_EQ(ws.status, "Sudoku Solucionado");
    EXPECT_EQ(tableroDigits() + ws.boardTexts(), solutionLine() + solutionLine());
    EXPECT_EQ(backs(), with(with(std::string(81, 'e'), {2, 41, 80}, 'w'), {1}, 'c'));
    game.solucionar_sudoku_Click();
    EXPECT_EQ(backs(), with(std::string(81, 'c'), {2, 41, 80}, 'w')) << "solved twice: every open cell right";

    game.reiniciar_sudoku_Click();
    std::string puzzle = puzzleLine();
    for (char& ch : puzzle)
        ch = ch == '0' ? '.' : ch;
    EXPECT_EQ(ws.status, "Vuelve a intentarlo");
    EXPECT_EQ(tableroDigits() + "|" + ws.boardTexts() + "|" + backs(), puzzleLine() + "|" + puzzle + "|" + std::string(81, 'w'));
    EXPECT_TRUE(ws.cells[41].locked && ws.cells[41].bold && !ws.cells[1].locked);

    // The solution line is the one after the first line equal to the label; a "0" empties its cell.
    type(1, vk::Digit0 + 1, 3);
    writeFile("sol_fac.sdk", {game.idSudoku, with(solutionLine(), {1}, '0') + "99", game.idSudoku, solutionLine(3)});
    game.solucionar_sudoku_Click();
    EXPECT_EQ(tableroDigits() + ws.cells[1].text, with(solutionLine(), {1}, '0'));
}

TEST_F(RulesTest, SolveAndRestartRefuseFilesThatDoNotFitAndChangeNothing)
{
    type(1, vk::Digit0 + 4, 12);
    const std::string id = game.idSudoku;
    const std::vector<std::vector<std::string>> files = {
        {"otra cosa", solutionLine()}, {"x", id}, {id, solutionLine().substr(0, 80)}, {id, "x" + solutionLine()}, {},
    };
    const std::pair<const char*, void (Game::*)()> commands[] = {
        {"sol_fac.sdk", &Game::solucionar_sudoku_Click}, {"facil.sdk", &Game::reiniciar_sudoku_Click}};
    for (auto [name, command] : commands) {
        for (const auto& lines : files) {
            writeFile(name, lines);
            if (lines.empty())
                std::filesystem::remove(folder.game(name));
            const std::string before = snapshot();
            ws.boxes.clear();
            (game.*command)();
            EXPECT_EQ(snapshot(), before) << name << " " << lines.size();
            EXPECT_EQ(ws.boxes.size(), 1u) << name << " " << lines.size();
        }
        writeLibraries();
    }
}

// The library may have changed since the puzzle was drawn: restart locks the given cells of
// the line it reads, not those the board had.
TEST_F(RulesTest, RestartPlacesThePuzzleItReadsAsANewGameWould)
{
    const std::string now = with(with(puzzleLine(3), {5}, '6'), {2}, '0');
    writeFile("facil.sdk", {"x", game.idSudoku, now});
    game.reiniciar_sudoku_Click();
    EXPECT_EQ(tableroDigits(), now);
    EXPECT_TRUE(ws.cells[5].locked && ws.cells[5].bold && ws.cells[5].fore == colorFijo);
    EXPECT_TRUE(!ws.cells[2].locked && !ws.cells[2].bold && ws.cells[2].fore == colorJugador && ws.cells[2].text.empty());
}
