// Start-up of the main window, the toolbar's routing, and small helpers shared by the commands.
#include <iterator>

#include "app/game.h"

void Game::Form_Load()
{
    dificultadActual = "f";
    dificultadElegida = "f";
    ws.startSplashTimer();
    ws.showSplash();
    nuevoSudoku();
    ws.setStatusText("Bienbenido a Cuadrix! Todo listo para jugar");
    ws.setStatusWidth(30000);
}

Game::Command Game::toolbarCommand(int button)
{
    static const Command buttons[] = {
        nullptr,  // buttons are numbered from 1
        &Game::nuevo_sudoku_Click, &Game::guardar_sudoku_Click, &Game::cargar_sudoku_Click,
        nullptr,  // the separator
        &Game::check_Click, &Game::solucionar_sudoku_Click,
    };
    return button >= 1 && button < static_cast<int>(std::size(buttons)) ? buttons[button] : nullptr;
}

void Game::setAllBackColors(Colour colour)
{
    for (int i = 1; i <= 81; ++i)
        ws.setCellBackColor(i, colour);
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

void Game::message(const std::string& prompt)
{
    ws.messageBox(prompt, "Cuadrix!", Buttons::OK);
}
