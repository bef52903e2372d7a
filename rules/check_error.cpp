// The error check: marks the player's digits that repeat in their row, column or box.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "app/game.h"
#include "rules/marks.h"

namespace {

// The first row (or column) of the box band that holds row (or column) n.
int bandStart(int n) { return 3 * ((n + 2) / 3) - 2; }

// How often the digit v of cell (r, c) stands elsewhere in its column, its row and its box.
struct Clashes {
    int column = 0, row = 0, box = 0;
};

Clashes clashesOf(const Tablero& tablero, int r, int c, int v)
{
    Clashes found;
    for (int k = 1; k <= 9; ++k)
        found.column += k != r && tablero[k][c] == v;
    for (int m = 1; m <= 9; ++m)
        found.row += m != c && tablero[r][m] == v;
    for (int i = bandStart(r); i < bandStart(r) + 3; ++i)
        for (int j = bandStart(c); j < bandStart(c) + 3; ++j)
            found.box += (i != r || j != c) && tablero[i][j] == v;
    return found;
}

}  // namespace

void Game::check_Click()
{
    commitCell(std::atoi(celdaActualTxt().c_str()));
    checkError();
}

// A cell is marked with every test that found its digit again; a given cell is counted but never marked.
void Game::checkError()
{
    int clashes = 0;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const int v = tablero[r][c];
            if (v < 1 || v > 9) {
                tablero[r][c] = 0;
                continue;
            }
            const Clashes found = clashesOf(tablero, r, c, v);
            const int index = cellIndex(r, c);
            if (found.column + found.row + found.box > 0 && !given[index])
                setBackColor(index, fondoError, clashWords(found.row > 0, found.column > 0, found.box > 0));
            clashes += found.column + found.row + found.box;
        }
    }

    if (clashes < 1) {
        ws.setStatusText("Enhorabuena no tienes ningun error");
        return;
    }
    const Answer answer =
        ws.messageBox("Cuidado tienes errores, ¿quieres dejar marcados los errores?", "Cuadrix!", Buttons::YesNo);
    if (answer == Answer::No) {
        setAllBackColors(fondoNormal);
        ws.setStatusText("Vigila, contiene errores");
    }
}
