// Steps the commands share: a cell's text, every background, the difficulty marks, the main window's message box.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

// Every text a command shows on a cell goes through here: the game knows what each cell shows.
void Game::showText(int index, const std::string& text)
{
    texts[index] = text;
    ws.setCellText(index, text);
}

void Game::setAllBackColors(Colour colour)
{
    for (int i = 1; i <= 81; ++i)
        setBackColor(i, colour);
}

void Game::setDifficultyMarks(const std::string& dificultad)
{
    if (dificultad != "f" && dificultad != "m" && dificultad != "d")
        return;
    ws.setMenuChecked(MenuItem::facil, dificultad == "f");
    ws.setMenuChecked(MenuItem::medio, dificultad == "m");
    ws.setMenuChecked(MenuItem::dificil, dificultad == "d");
}

// Restart, solve and save need a puzzle on the board; says so when there is none.
bool Game::noPuzzleOnBoard()
{
    if (puzzleOnBoard)
        return false;
    message("No hay ningún sudoku en el tablero. Elige \"Nuevo Sudoku\" o \"Cargar Partida\".");
    return true;
}

void Game::message(const std::string& prompt) { ws.messageBox(prompt, "Cuadrix!", Buttons::OK); }
