// Solve fills the board from the solution file; restart puts the puzzle back from its library.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"
#include "rules/marks.h"

// Each reads its line first, so that a file that does not fit leaves the board untouched.
void Game::solucionar_sudoku_Click()
{
    if (noPuzzleOnBoard())
        return;
    const LibraryResult solution = boardRecord(&Level::solutionNom);
    if (!solution)
        return;
    setAllBackColors(fondoNormal);
    solucionarSudoku(solution.digits);
    ws.setStatusText("Sudoku Solucionado");
}

void Game::reiniciar_sudoku_Click()
{
    if (noPuzzleOnBoard())
        return;
    const LibraryResult puzzle = boardRecord(&Level::libraryNom);
    if (!puzzle)
        return;
    setAllBackColors(fondoNormal);
    reiniciarSudoku(puzzle.digits);
    ws.setStatusText("Vuelve a intentarlo");
}

// The record of the puzzle on the board in a file of its level, found by comparing every line; said when it cannot be.
LibraryResult Game::boardRecord(const char* Level::*Nom)
{
    const std::string path =
        dataPath(levelFolder(ws.dataFolder(), levelOf(dificultadActual)), levelOf(dificultadActual).*Nom);
    LibraryResult found = findRecord(path, idSudoku, KeyLines::Every);
    if (!found)
        message(problemText(found, path, "fichero", "del tablero"));
    return found;
}

void Game::solucionarSudoku(const std::string& solution)
{
    for (int k = 1; k <= 81; ++k) {
        const char ch = solution[k - 1];
        const int d = digitValue(ch);
        tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(d);
        const std::string digit(1, ch);
        if (d < 1) {
            showText(k, "");
        } else if (texts[k] != digit) {
            setBackColor(k, fondoError, correctedWords(texts[k]));
            showText(k, digit);
        } else if (!given[k]) {
            setBackColor(k, fondoCorrecto, rightWords());
        }
    }
}

// Placed as a new game places it: the library may have changed since the puzzle was drawn, so the given cells are
// locked again from the line read now, not left as they were.
void Game::reiniciarSudoku(const std::string& puzzle) { placePuzzleLine(puzzle); }
