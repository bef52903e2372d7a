// The words a screen reader says for each mark the check and solve leave on a cell.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A digit the check found again in its row, its column or its box: "Error: se repite en la fila y en la caja".
std::string clashWords(bool row, bool column, bool box);
// Solve: the player's digit was right; or it corrected the cell, which held had.
std::string rightWords();
std::string correctedWords(const std::string& had);
