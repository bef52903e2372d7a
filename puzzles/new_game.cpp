// Putting a library puzzle on the board: the random draw, a named puzzle, new game and difficulty.
#include <chrono>
#include <random>

#include "app/game.h"

double randomFromClock()
{
    std::mt19937 generator(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

void Game::placePuzzleLine(const std::string& p)
{
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const int q = cellIndex(row, column);
            const char ch = p[q - 1];
            const int v = digitValue(ch);
            tablero[row][column] = static_cast<std::int16_t>(v);
            if (v > 0) {
                ws.setCellText(q, std::string(1, ch));
                ws.setCellFontBold(q, true);
                ws.setCellForeColor(q, colorFijo);
                ws.setCellLocked(q, true);
            } else {
                ws.setCellText(q, "");
                ws.setCellFontBold(q, false);
                ws.setCellForeColor(q, colorJugador);
                ws.setCellLocked(q, false);
            }
        }
    }
    puzzleOnBoard = true;
}

// A random puzzle of dificultadActual: puzzle 1 or 2 of its library, each with probability one half. A library that
// cannot serve the draw is reported and leaves the game as it was.
bool Game::nuevoSudoku()
{
    const std::string Nom = levelOf(dificultadActual).libraryNom;
    const int n = static_cast<int>(2 * random()) + 1;
    const LibraryResult drawn = readDrawnRecord(dataPath(ws.programFolder(), Nom), n);
    if (!drawn) {
        showLibraryProblem(drawn, Nom);
        return false;
    }
    idSudoku = drawn.label;
    placePuzzleLine(drawn.digits);
    return true;
}

// The puzzle whose label line equals idSudoku, from the library of dificultadActual.
bool Game::nuevoSudoku2()
{
    const std::string Nom = levelOf(dificultadActual).libraryNom;
    const LibraryResult found = findRecord(dataPath(ws.programFolder(), Nom), idSudoku);
    if (!found) {
        showLibraryProblem(found, Nom);
        return false;
    }
    placePuzzleLine(found.digits);
    return true;
}

void Game::nuevo_sudoku_Click()
{
    const std::string anterior = dificultadActual;
    dificultadActual = dificultadElegida;
    if (!nuevoSudoku()) {
        dificultadActual = anterior;
        return;
    }
    // Whitened after the draw, so that a library that fails leaves the board as it was.
    setAllBackColors(fondoNormal);
    ws.setStatusText("Nuevo SuDoku Cargado");
}

void Game::chooseDifficulty(const std::string& code, const std::string& status)
{
    dificultadElegida = code;
    setDifficultyMarks(code);
    ws.setStatusText(status);
}

void Game::facil_Click() { chooseDifficulty("f", "Dificultad: Facil, nueva partida para cambiar"); }
void Game::medio_Click() { chooseDifficulty("m", "Dificultad: Media, nueva partida para cambiar"); }
void Game::dificil_Click() { chooseDifficulty("d", "Dificultad: Dificil, nueva partida para cambiar"); }

void Game::showLibraryProblem(const LibraryResult& result, const std::string& Nom)
{
    message(problemText(result, dataPath(ws.programFolder(), Nom), "fichero de sudokus", "buscado"));
}
