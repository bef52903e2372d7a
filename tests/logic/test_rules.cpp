// The error check, solve and restart, on the puzzle whose only given cells are 2 ("2"), 41 ("9") and 80 ("7").
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/logic/game_fixture.h"

// The cell being typed (the check commits it first) and another cell, the digit in both, the answer to the question,
// the cells marked, the status and what a screen reader hears of the cell typed. Cell 50 holds a mark left by an
// earlier check, which stays unless the answer is No; a mark's words go with the focus.
TEST_F(GameTest, TheCheckMarksOpenCellsThatClashInARowAColumnOrABox)
{
    const std::string none = "Enhorabuena no tienes ningun error";
    const std::tuple<int, int, int, Answer, std::vector<int>, std::string, std::string> cases[] = {
        {1, 81, 5, Answer::OK, {50}, none, ""},
        {19, 29, 5, Answer::OK, {50}, none, ""},  // beside the box, in the next band: no clash
        {1, 11, 5, Answer::No, {}, "Vigila, contiene errores", ""},
        {30, 46, 5, Answer::Yes, {30, 46, 50}, "antes", "Error: se repite en la caja"},  // corner to corner
        {1, 73, 5, Answer::Yes, {1, 73, 50}, "antes", "Error: se repite en la columna"},
        // The given 7 of cell 80 is the clash in the row and the box, and stays unmarked.
        {81, 9, 7, Answer::Yes, {9, 81, 50}, "antes", "Error: se repite en la fila, en la columna y en la caja"},
        {9, 1, 5, Answer::Yes, {1, 9, 50}, "antes", "Error: se repite en la fila"},
    };
    for (const auto& [typed, other, d, answer, marked, status, words] : cases) {
        game.reiniciar_sudoku_Click();
        game.cellFocusedByPlayer(typed);
        ws.cells[50].back = fondoError;
        paste(typed, std::to_string(d));
        digit(other, d);
        std::tie(ws.status, ws.answers) = std::tuple("antes", std::deque{answer});
        EXPECT_EQ(shown(&Game::check_Click),
                  answer == Answer::OK ? ""
                                       : box("Cuidado tienes errores, ¿quieres dejar marcados los errores?", "Sí/No"));
        EXPECT_EQ(backs(), white(marked, 'e')) << typed;
        EXPECT_EQ(ws.status, status) << typed;
        EXPECT_EQ(ws.cells[typed].description, words) << typed;
    }
    game.cellFocusedByPlayer(1);
    EXPECT_EQ(ws.cells[1].description, "");
}

// Solve reads the solution of the level played, not of the one ticked for the next game, and tells a screen reader
// what it found.
TEST_F(GameTest, SolveColoursRightAndCorrectedDigitsAndRestartPlacesThePuzzleItReads)
{
    type(1, vk::Digit0 + 1);         // right
    type(3, vk::Digit0 + 9);         // wrong
    ws.cells[41].back = fondoError;  // a mark left on a given cell by an earlier check
    game.medio_Click();
    game.solucionar_sudoku_Click();
    const std::string corrected = with(with(std::string(81, 'e'), {2, 41, 80}, 'w'), {1}, 'c');
    EXPECT_EQ(ws.status, "Sudoku Solucionado");
    EXPECT_EQ(board(), solutionLine() + "|" + solutionLine() + "|" + corrected + "|" + givens(puzzleLine()));
    EXPECT_EQ(ws.cells[1].description, "Tu cifra es correcta");
    EXPECT_EQ(ws.cells[3].description, "Corregida: tenías un 9");
    EXPECT_EQ(ws.cells[5].description, "Corregida: no tenías ninguna cifra");

    // The library may have changed since the puzzle was drawn: restart locks the given cells of
    // the line it reads, not those the board had.
    const std::string now = with(with(puzzleLine(3), {5}, '6'), {2}, '0');
    writeFile("facil.sdk", {"x", game.idSudoku, now});
    game.reiniciar_sudoku_Click();
    EXPECT_EQ(ws.status, "Vuelve a intentarlo");
    EXPECT_EQ(board(), placed(now));
}
