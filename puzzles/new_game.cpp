// Putting a library puzzle on the board: the random draw, a named puzzle, new game and difficulty.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
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
            given[q] = v > 0;
            showText(q, v > 0 ? std::string(1, ch) : "");
            ws.setCellFontBold(q, v > 0);
            ws.setCellForeColor(q, v > 0 ? colorFijo : colorJugador);
            ws.setCellLocked(q, v > 0);
        }
    }
    puzzleOnBoard = true;
}

// A random puzzle of a level: one of the first drawnRecords of its library, each as likely.
bool Game::nuevoSudoku(const std::string& dificultad)
{
    const std::string path =
        dataPath(levelFolder(ws.dataFolder(), levelOf(dificultad)), levelOf(dificultad).libraryNom);
    const int n = std::clamp(static_cast<int>(drawnRecords * random()) + 1, 1, drawnRecords);
    return placeRecord(readDrawnRecord(path, n), dificultad, path);
}

// The puzzle whose label line equals label, from the library of a level.
bool Game::nuevoSudoku2(const std::string& label, const std::string& dificultad)
{
    const std::string path =
        dataPath(levelFolder(ws.dataFolder(), levelOf(dificultad)), levelOf(dificultad).libraryNom);
    return placeRecord(findRecord(path, label, KeyLines::Labels), dificultad, path);
}

// A record read from a level's library becomes the puzzle on the board; one that could not be read is reported, and
// nothing changes.
bool Game::placeRecord(const LibraryResult& record, const std::string& dificultad, const std::string& path)
{
    if (!record) {
        message(problemText(record, path, "fichero de sudokus", "buscado"));
        return false;
    }
    dificultadActual = dificultad;
    idSudoku = record.label;
    placePuzzleLine(record.digits);
    return true;
}

// The board is whitened once the puzzle is drawn, so that a library that fails leaves it as it was.
void Game::nuevo_sudoku_Click()
{
    if (!nuevoSudoku(dificultadElegida))
        return;
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
