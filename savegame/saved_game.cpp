// The saved game: the save and load commands and the reading and writing of partida.sdk.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "app/files/files.h"
#include "app/game.h"

void Game::guardar_sudoku_Click()
{
    if (noPuzzleOnBoard())
        return;
    setAllBackColors(fondoNormal);
    commitCell(celdaActual);
    if (!saveGame())
        return;
    ws.setStatusText("Partida guardada");
}

void Game::cargar_sudoku_Click()
{
    // Whitened after the load, so that a saved game that cannot be loaded leaves the board as it was. A saved game in
    // a folder that is not the player's is not read.
    const SavePlace place = savedGameToLoad(ws.dataFolder());
    const std::string path = dataPath(place.Ruta, place.Nom);
    if (const std::string cause = place.privateFolder ? notOwnedCause(path) : ""; !cause.empty()) {
        message(asSentence(cannotRead("la partida guardada " + path, cause)));
        return;
    }
    if (!CargarPartida(place.Ruta, place.Nom))
        return;
    setAllBackColors(fondoNormal);
    ws.setStatusText("SuDoku Cargado");
}

// The save of the command and of the exit, where savedGamePlace puts it; the player's own folder is made when missing,
// and nothing is written there unless it and the saved game are the player's.
bool Game::saveGame()
{
    const SavePlace place = savedGamePlace(ws.dataFolder());
    const std::string path = dataPath(place.Ruta, place.Nom);
    std::string refused = place.privateFolder ? readyOwnFolder(place.Ruta) : "";
    if (refused.empty() && place.privateFolder)
        refused = notOwnedCause(path);
    if (!refused.empty())
        saveFailed(path, refused, false);
    return refused.empty() && GuardarPartida(place.Ruta, place.Nom);
}

void Game::saveFailed(const std::string& path, const std::string& cause, bool hadEarlier)
{
    message("No se ha podido guardar la partida en " + path + ": " + cause + "."
            + (hadEarlier ? " La partida guardada anterior no se ha modificado." : ""));
}

// Writes label, difficulty and the 81 digits. An earlier saved game stays whole if this fails.
bool Game::GuardarPartida(const std::string& Ruta, const std::string& Nom)
{
    if (noPuzzleOnBoard())
        return false;
    std::string board;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (tablero[row][column] < 0 || tablero[row][column] > 9)
                tablero[row][column] = 0;
            board += static_cast<char>('0' + tablero[row][column]);
        }
    }
    const std::string path = dataPath(Ruta, Nom);
    struct stat earlier;
    const bool hadEarlier = ::stat(path.c_str(), &earlier) == 0 && S_ISREG(earlier.st_mode);
    const std::string bytes = idSudoku + "\r\n" + dificultadActual + "\r\n" + board + "\r\n";
    if (const int error = writeFileAtomically(path, bytes, fileOps)) {
        saveFailed(path, writeErrorText(error, path), hadEarlier);
        return false;
    }
    return true;
}

// Reads the saved game and rebuilds it on the board. Everything is checked before anything
// changes, so a missing or damaged file leaves the game in progress as it was.
bool Game::CargarPartida(const std::string& Ruta, const std::string& Nom)
{
    const std::string path = dataPath(Ruta, Nom);
    LineReader reader(path);
    if (reader.error() == ENOENT || reader.error() == ENOTDIR) {
        message("No hay partida guardada.");
        return false;
    }
    std::vector<std::string> lines;
    while (lines.size() < 3) {
        auto line = reader.next();
        if (!line)
            break;
        lines.push_back(std::move(*line));
    }
    // A file that cannot be opened or read on (a disk error) is not a damaged one.
    if (reader.error() > 0 || reader.error() == kNotRegularFile) {
        message(asSentence(cannotRead("la partida guardada " + path, reader.error())));
        return false;
    }
    if (lines.size() < 3 || !isDigitLine(lines[2])) {
        message("La partida guardada " + path + " está dañada o incompleta.");
        return false;
    }

    if (!nuevoSudoku2(lines[0], lines[1]))
        return false;
    dificultadElegida = dificultadActual;
    setDifficultyMarks(dificultadActual);

    const std::string& board = lines[2];
    for (int k = 1; k <= 81; ++k) {
        const int value = digitValue(board[k - 1]);
        tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(value);
        showText(k, value > 0 ? std::string(1, board[k - 1]) : "");
    }
    return true;
}
