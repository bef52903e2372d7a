// The error check: marks the player's digits that repeat in their row, column or box.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "app/game.h"

namespace {

// The first row (or column) of the box band that holds row (or column) n.
int bandStart(int n) { return 3 * ((n + 2) / 3) - 2; }

}  // namespace

void Game::check_Click()
{
    commitCell(std::atoi(celdaActualTxt().c_str()));
    checkError();
}

void Game::checkError()
{
    int clashes = 0;
    auto recordClash = [&](int r, int c) {
        const int index = cellIndex(r, c);
        if (!given[index])
            ws.setCellBackColor(index, fondoError);
        ++clashes;
    };

    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const int v = tablero[r][c];
            if (v < 1 || v > 9) {
                tablero[r][c] = 0;
                continue;
            }
            for (int k = 1; k <= 9; ++k)
                if (k != r && tablero[k][c] == v)
                    recordClash(r, c);
            for (int m = 1; m <= 9; ++m)
                if (m != c && tablero[r][m] == v)
                    recordClash(r, c);
            for (int i = bandStart(r); i < bandStart(r) + 3; ++i)
                for (int j = bandStart(c); j < bandStart(c) + 3; ++j)
                    if ((i != r || j != c) && tablero[i][j] == v)
                        recordClash(r, c);
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
