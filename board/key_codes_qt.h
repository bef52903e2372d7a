// The key code the cell handler gets for a Qt key event.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The Windows virtual-key number of the key; letters, digits and function keys keep their
// numbers, keys the game does not name get numbers it treats as "any other key".
int virtualKeyCode(const QKeyEvent& event);
