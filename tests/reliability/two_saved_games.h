// The two games the save loop writes in turn, and the exact bytes of partida.sdk for each.
#pragma once

#include <string>

#include "app/game.h"

struct SavedGameBytes {
    std::string label, code, board;
    std::string file() const { return label + "\r\n" + code + "\r\n" + board + "\r\n"; }
};

// Short and long, so that a file cut short or mixed from both cannot pass for either.
inline const SavedGameBytes& savedGameA()
{
    static const SavedGameBytes a{"Partida A", "f", std::string(40, '1') + std::string(41, '0')};
    return a;
}
inline const SavedGameBytes& savedGameB()
{
    static const SavedGameBytes b{"Partida B \xE1\xF1 " + std::string(8000, 'b'), "m",
                                  std::string(41, '9') + std::string(40, '2')};
    return b;
}

// Puts the saved game's label, difficulty and digits into the game, as a loaded game holds them.
inline void holdSavedGame(Game& game, const SavedGameBytes& saved)
{
    game.idSudoku = saved.label;
    game.dificultadActual = saved.code;
    for (int k = 1; k <= 81; ++k)
        game.tablero[rowOf(k)][columnOf(k)] = static_cast<std::int16_t>(saved.board[k - 1] - '0');
    game.puzzleOnBoard = true;
}
