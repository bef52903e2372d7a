// The game in progress: the main window's fields and procedures, free of any window toolkit.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/files/places.h"
#include "app/files/replacing.h"
#include "app/window_system.h"
#include "puzzles/library.h"

// The digit grid, indexed (row 1..9, column 1..9); index 0 of each dimension is unused.
using Tablero = std::array<std::array<std::int16_t, 10>, 10>;

// A number uniform in [0, 1) from a generator seeded from the clock at every call.
double randomFromClock();

class Game {
public:
    // A save goes through fileOps; tests give one that fails.
    explicit Game(WindowSystem& ws, FileOps& fileOps = systemFileOps()) : ws(ws), fileOps(fileOps) {}

    // State of the game in progress. Cells are numbered 1..81 (0 unused). What a command shows on a cell it writes
    // here first, through showText and placePuzzleLine; the window only shows it.
    Tablero tablero{};                 // each cell's digit, 0 empty: set by placing a puzzle, the commit, solve, a load
    std::string idSudoku;              // the label line of the puzzle on the board: set by a new game and a load
    std::string dificultadActual;      // the level of the puzzle on the board, naming its files: set with idSudoku
    std::string dificultadElegida;     // the level ticked for the next new game: set by the level commands and a load
    std::int16_t celdaActual = 0;      // the cell that last received the focus, 0 before any: set by Text1_GotFocus
    std::int16_t salidaCancelada = 0;  // 1 after the player cancelled the exit question: set by Cexit
    std::array<std::string, 82> texts;  // what each cell shows: set by showText and by the player's pastes
    std::array<bool, 82> given{};       // the puzzle's given cells, locked: set where a puzzle is placed
    bool puzzleOnBoard = false;         // whether a puzzle was placed (the easy library may be unreadable at start)
    std::function<double()> random = randomFromClock;  // the draw's number in [0, 1): the clock's, or a test's

    // celdaActual as decimal text, as the check reads it; "" before any cell had the focus.
    std::string celdaActualTxt() const { return celdaActual ? std::to_string(celdaActual) : ""; }

    using Command = void (Game::*)();

    // Start-up (app/).
    void Form_Load();

    // Exit (app/).
    void Cexit();
    void salir_Click();
    void Form_QueryUnload(int& cancel);

    // Puzzle supply (puzzles/): a random puzzle of a level, and the puzzle of a label in a level. Each checks its
    // record before it changes anything; false when it showed why it could not.
    bool nuevoSudoku(const std::string& dificultad);
    bool nuevoSudoku2(const std::string& label, const std::string& dificultad);
    void nuevo_sudoku_Click();
    void facil_Click();
    void medio_Click();
    void dificil_Click();

    // Cell editing (board/). The window reports each key in a cell, each focus the player put on a cell by the mouse
    // or Tab, and each text the player put in a cell without a key (a paste); the game runs the commit and the
    // highlight itself. The commit returns false when it refused the entry.
    void Text1_KeyDown(int index, int keyCode);
    void cellFocusedByPlayer(int index);
    void cellEditedByPlayer(int index, const std::string& text);
    void Text1_GotFocus(int index);
    bool Text1_LostFocus(int index);

    // Checking, solving and restarting (rules/).
    void check_Click();
    void checkError();
    void solucionar_sudoku_Click();
    void reiniciar_sudoku_Click();
    void solucionarSudoku(const std::string& solution);
    void reiniciarSudoku(const std::string& puzzle);

    // Saved game (savegame/).
    void guardar_sudoku_Click();
    void cargar_sudoku_Click();
    bool GuardarPartida(const std::string& Ruta, const std::string& Nom);
    bool CargarPartida(const std::string& Ruta, const std::string& Nom);

    // Help pages (help/).
    void historia_Click();
    void reglas_Click();
    void metodos_Click();
    void utilizacion_Click();
    void acerca_Click();

private:
    WindowSystem& ws;
    FileOps& fileOps;

    bool saveGame();
    void giveFocus(int index);
    void showText(int index, const std::string& text);
    void placePuzzleLine(const std::string& p);
    bool placeRecord(const LibraryResult& record, const std::string& dificultad, const std::string& path);
    void setAllBackColors(Colour colour);
    // A cell's background and what it means to a screen reader ("" for a plain one).
    void setBackColor(int index, Colour colour, const std::string& why = "");
    void setDifficultyMarks(const std::string& dificultad);
    void chooseDifficulty(const std::string& code, const std::string& status);
    void commitCell(int index);
    bool noPuzzleOnBoard();
    LibraryResult boardRecord(const char* Level::*Nom);
    void showHelpPage(const std::string& Nom);
    void message(const std::string& prompt);
    // A save that failed, with its cause in Spanish; hadEarlier: a saved game was there, and is kept whole.
    void saveFailed(const std::string& path, const std::string& cause, bool hadEarlier);
};

// Cell index 1..81 from row and column 1..9, and back.
inline int cellIndex(int row, int column) { return (row - 1) * 9 + column; }
inline int rowOf(int index) { return (index - 1) / 9 + 1; }
inline int columnOf(int index) { return (index - 1) % 9 + 1; }
