// The key code the cell handler gets for a Qt key event.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The Windows virtual-key number of a key the game tells apart (the arrows, the digit row, the keypad's digits, Enter,
// Shift, Control, Alt, Caps Lock, Escape, both Windows keys, the menu key, Num Lock); every other key is 0, which the
// game treats as "any other key".
int virtualKeyCode(const QKeyEvent& event);
