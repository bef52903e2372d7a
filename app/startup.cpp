// Start-up of the main window: the difficulty, the splash, the first puzzle and the welcome.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

void Game::Form_Load()
{
    dificultadActual = "f";
    dificultadElegida = "f";
    ws.startSplashTimer();
    ws.showSplash();
    nuevoSudoku(dificultadActual);
    ws.setStatusText("Bienbenido a Cuadrix! Todo listo para jugar");
    ws.setStatusWidth(30000);
}
