// The error check, solve and restart, on the puzzle whose only given cells are 2 ("2"), 41 ("9") and 80 ("7").
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/logic/game_fixture.h"

// The first cell listed is the one being typed, with the focus: the check commits it first.
TEST_F(GameTest, TheCheckMarksOpenCellsThatClashInARowAColumnOrABox)
{
    struct Case {
        std::vector<std::pair<int, int>> typed;
        Answer answer;
        std::vector<int> marked;
        std::string status;
    };
    const std::string none = "Enhorabuena no tienes ningun error";
    const std::string question = box("Cuidado tienes errores, ¿quieres dejar marcados los errores?", "Sí/No");
    const Case cases[] = {
        {{{1, 1}, {11, 5}, {81, 9}}, Answer::OK, {50}, none},
        {{{30, 5}, {46, 5}}, Answer::Yes, {30, 46, 50}, "antes"},  // the box only, corner to corner
        {{{9, 5}, {1, 5}}, Answer::Yes, {1, 9, 50}, "antes"},      // the row only
        {{{81, 5}, {73, 5}}, Answer::Yes, {73, 81, 50}, "antes"},  // the row only, the last cell typed
        {{{1, 5}, {73, 5}}, Answer::Yes, {1, 73, 50}, "antes"},    // the column only, the first cell typed
        {{{3, 2}}, Answer::Yes, {3, 50}, "antes"},                 // the given "2" in cell 2 stays unmarked
        {{{1, 5}, {11, 5}}, Answer::No, {}, "Vigila, contiene errores"},
        {{{4, 3}, {1, 10}, {10, 10}}, Answer::OK, {50}, none},          // out of range: empty
        {{{19, 5}, {29, 5}, {3, 6}, {13, 6}}, Answer::OK, {50}, none},  // boxes apart
    };
    for (const auto& [typed, answer, marked, status] : cases) {
        game.reiniciar_sudoku_Click();
        game.cellFocusedByPlayer(typed[0].first);
        ws.cells[50].back = fondoError;  // a mark left by an earlier check stays, unless answered No
        for (auto [cell, d] : typed)
            cell == typed[0].first ? paste(cell, std::to_string(d)) : digit(cell, d);
        std::tie(ws.status, ws.answers, ws.asked) = std::tuple("antes", std::deque<Answer>{answer}, "");
        game.check_Click();
        EXPECT_EQ(ws.status + "|" + backs() + "|" + ws.asked,
                  status + "|" + white(marked, 'e') + "|" + (answer == Answer::OK ? "" : question))
            << typed[0].first;
    }
}

TEST_F(GameTest, SolveColoursRightAndCorrectedDigitsAndRestartPlacesThePuzzleItReads)
{
    type(1, vk::Digit0 + 1);         // right
    type(3, vk::Digit0 + 9);         // wrong
    type(5, 32, 6);                  // cleared
    ws.cells[41].back = fondoError;  // a mark left on a given cell by an earlier check
    game.solucionar_sudoku_Click();
    const std::string corrected = with(with(std::string(81, 'e'), {2, 41, 80}, 'w'), {1}, 'c');
    EXPECT_EQ(ws.status + board(),
              "Sudoku Solucionado" + solutionLine() + "|" + solutionLine() + "|" + corrected + "|"
                  + givens(puzzleLine()));

    // The library may have changed since the puzzle was drawn: restart locks the given cells of
    // the line it reads, not those the board had.
    const std::string now = with(with(puzzleLine(3), {5}, '6'), {2}, '0');
    writeFile("facil.sdk", {"x", game.idSudoku, now});
    game.reiniciar_sudoku_Click();
    EXPECT_EQ(ws.status + "|" + board(), "Vuelve a intentarlo|" + placed(now));
}

// A screen reader hears what each mark means for as long as the cell shows it: the tests that found the digit again,
// or what solve found.
TEST_F(GameTest, EachMarkCarriesItsWordsUntilItsColourGoes)
{
    const auto said = [this](const std::vector<int>& cells) {
        std::string words;
        for (int i : cells)
            words += ws.cells[i].description + "|";
        return words;
    };
    // 30 and 46 share only the box; 3 the row and box of the given 2; 81 all three with 9, 73 and 71.
    for (auto [cell, d] : {std::pair{30, 5}, {46, 5}, {3, 2}, {9, 4}, {73, 4}, {71, 4}, {81, 4}})
        digit(cell, d);
    ws.answers = {Answer::Yes, Answer::No};
    game.check_Click();
    EXPECT_EQ(said({30, 3, 2, 81}),
              "Error: se repite en la caja|Error: se repite en la fila y en la caja||"
              "Error: se repite en la fila, en la columna y en la caja|");
    game.cellFocusedByPlayer(30);
    EXPECT_EQ(said({30}), "|");
    game.check_Click();
    EXPECT_EQ(said({81}), "|");
    type(1, vk::Digit0 + 1);  // right
    type(3, vk::Digit0 + 9);  // wrong
    game.solucionar_sudoku_Click();
    EXPECT_EQ(said({1, 3, 5, 2}), "Tu cifra es correcta|Corregida: tenías un 9|Corregida: no tenías ninguna cifra||");
}
