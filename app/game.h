// The game in progress: the main window's fields and procedures, free of any window toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/window_system.h"
#include "app/data_files.h"
#include "puzzles/library.h"

// The digit grid, indexed (row 1..9, column 1..9); index 0 of each dimension is unused.
using Tablero = std::array<std::array<std::int16_t, 10>, 10>;

// A number uniform in [0, 1) from a generator seeded from the clock at every call.
double randomFromClock();

class Game {
public:
    // A save goes through fileOps; tests give one that fails.
    explicit Game(WindowSystem& ws, FileOps& fileOps = systemFileOps()) : ws(ws), fileOps(fileOps) {}

    // State of the game in progress.
    Tablero tablero{};
    std::string idSudoku;
    std::string dificultadActual;
    std::string dificultadElegida;
    std::string celdaActualTxt;
    std::int16_t celdaActual = 0;
    std::int16_t salidaCancelada = 0;

    // False until a puzzle was put on the board (the easy library may be unreadable at start-up).
    bool puzzleOnBoard = false;
    // The draw's number, uniform in [0, 1); tests give their own.
    std::function<double()> random = randomFromClock;

    using Command = void (Game::*)();

    // Start-up and toolbar (app/).
    void Form_Load();
    // The command of toolbar button n (1..6), or nullptr for the separator and unknown numbers.
    static Command toolbarCommand(int button);

    // Exit (app/).
    void Cexit();
    void salir_Click();
    void Form_QueryUnload(int& cancel);

    // Puzzle supply (puzzles/).
    bool nuevoSudoku();
    bool nuevoSudoku2();
    void nuevo_sudoku_Click();
    void facil_Click();
    void medio_Click();
    void dificil_Click();

    // Cell editing (board/). The window reports each key in a cell, and each focus the player
    // put on a cell by the mouse or Tab; the game runs the commit and the highlight itself.
    void Text1_KeyDown(int index, int keyCode);
    void cellFocusedByPlayer(int index);
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);

    // Checking, solving and restarting (rules/).
    void check_Click();
    void checkError();
    void solucionar_sudoku_Click();
    void reiniciar_sudoku_Click();
    bool solucionarSudoku();
    bool reiniciarSudoku();

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
    // The cell that holds the keyboard focus, 0 before any has had it.
    int focusedCell = 0;

    bool saveGame();
    void giveFocus(int index);
    void placePuzzleLine(const std::string& p);
    void setAllBackColors(Colour colour);
    void setDifficultyMarks(const std::string& dificultad);
    void chooseDifficulty(const std::string& code, const std::string& status);
    void commitCell(int index);
    bool noPuzzleOnBoard();
    void showLibraryProblem(const LibraryResult& result, const std::string& Nom);
    void showHelpPage(const std::string& Nom);
    void message(const std::string& prompt);
};

// Cell index 1..81 from row and column 1..9, and back.
inline int cellIndex(int row, int column) { return (row - 1) * 9 + column; }
inline int rowOf(int index) { return (index - 1) / 9 + 1; }
inline int columnOf(int index) { return (index - 1) % 9 + 1; }
