// The exit question, asked by "Salir" and by every close of the main window.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

void Game::Cexit()
{
    salidaCancelada = 0;
    const Answer answer = ws.messageBox("Desea guardar la partida?", "Cuadrix!", Buttons::YesNoCancel);
    if (answer == Answer::Yes) {
        commitCell(celdaActual);
        // With no puzzle on the board there is nothing to save. A game that could not be
        // written is not thrown away: the player was told why and plays on.
        if (puzzleOnBoard && !saveGame()) {
            salidaCancelada = 1;
            return;
        }
        ws.endProgram();
    } else if (answer == Answer::No) {
        ws.endProgram();
    } else {
        salidaCancelada = 1;
    }
}

void Game::salir_Click() { Cexit(); }

void Game::Form_QueryUnload(int& cancel)
{
    Cexit();
    if (salidaCancelada == 1)
        cancel = 1;
}
