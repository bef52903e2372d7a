// The backgrounds the game gives a cell, each with the words a screen reader says for it.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/marks.h"

#include <vector>

#include "app/game.h"

// Every background a cell gets goes through here with what it means, so that a screen reader never hears of a mark
// the cell no longer shows.
void Game::setBackColor(int index, Colour colour, const std::string& why)
{
    ws.setCellBackColor(index, colour);
    ws.setCellDescription(index, why);
}

std::string clashWords(bool row, bool column, bool box)
{
    std::vector<const char*> where;
    for (auto [found, name] : {std::pair{row, "la fila"}, {column, "la columna"}, {box, "la caja"}})
        if (found)
            where.push_back(name);
    std::string words = "Error: se repite";
    for (std::size_t n = 0; n < where.size(); ++n)
        words += std::string(n == 0 ? " en " : n + 1 == where.size() ? " y en " : ", en ") + where[n];
    return words;
}

std::string rightWords() { return "Tu cifra es correcta"; }

std::string correctedWords(const std::string& had)
{
    if (had.size() == 1 && had[0] >= '1' && had[0] <= '9')
        return "Corregida: tenías un " + had;
    return "Corregida: no tenías ninguna cifra";
}
