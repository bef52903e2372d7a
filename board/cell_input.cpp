// Cell editing: arrow-key moves, digit entry and clearing, the focus highlight and the commit.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "app/game.h"
#include "board/key_codes.h"

namespace {

// The cell an arrow key moves to from cell i, wrapping within the row or column; 0 for other keys.
int arrowTarget(int i, int keyCode)
{
    switch (keyCode) {
    case vk::Left: return (i - 1) % 9 == 0 ? i + 8 : i - 1;
    case vk::Up: return i <= 9 ? i + 72 : i - 9;
    case vk::Right: return i % 9 == 0 ? i - 8 : i + 1;
    case vk::Down: return i + 9 < 82 ? i + 9 : i - 72;
    default: return 0;
    }
}

bool changesNothing(int keyCode)
{
    switch (keyCode) {
    case vk::Enter:
    case vk::Shift:
    case vk::Control:
    case vk::Alt:
    case vk::CapsLock:
    case vk::Escape:
    case vk::LeftWindows:
    case vk::ContextMenu:
    case vk::NumLock: return true;
    default: return false;
    }
}

}  // namespace

void Game::Text1_KeyDown(int index, int keyCode)
{
    if (const int target = arrowTarget(index, keyCode)) {
        giveFocus(target);
        return;
    }
    if (changesNothing(keyCode) || given[index])
        return;
    if (keyCode >= vk::Digit0 + 1 && keyCode <= vk::Digit0 + 9)
        showText(index, std::to_string(keyCode - vk::Digit0));
    else if (keyCode >= vk::Numpad0 + 1 && keyCode <= vk::Numpad0 + 9)
        showText(index, std::to_string(keyCode - vk::Numpad0));
    else
        showText(index, " ");
}

// The window has already moved its focus to the cell; a cell that still holds the focus (it
// only lost it to a menu, a box or another window) gets nothing new.
void Game::cellFocusedByPlayer(int index) { giveFocus(index); }

// The window already shows the text: a paste, not a key.
void Game::cellEditedByPlayer(int index, const std::string& text) { texts[index] = text; }

// Moving the focus: the commit of the cell left, then the highlight of the new one. A refused
// entry keeps the focus in the cell left, and the move ends there.
void Game::giveFocus(int index)
{
    if (index == celdaActual || (celdaActual != 0 && !Text1_LostFocus(celdaActual)))
        return;
    ws.setFocusToCell(index);
    Text1_GotFocus(index);
}

void Game::Text1_GotFocus(int index)
{
    setBackColor(index, fondoFoco);
    celdaActual = static_cast<std::int16_t>(index);
}

// The commit: the cell's digit goes into tablero. "" and " " both leave the cell empty (0);
// anything but "1".."9" is refused: the message, then the focus goes back to the cell.
bool Game::Text1_LostFocus(int index)
{
    const std::string& t = texts[index];
    int r = index / 9;
    int c = index % 9;
    if (c == 0)
        c = 9;
    else
        r = r + 1;

    bool accepted = true;
    if (t.empty() || t == " ") {
        tablero[r][c] = 0;
    } else if (t.size() == 1 && t[0] >= '1' && t[0] <= '9') {
        tablero[r][c] = static_cast<std::int16_t>(t[0] - '0');
    } else {
        ws.messageBox("Introdueix un Nombre!", "", Buttons::OK);
        ws.setFocusToCell(index);
        Text1_GotFocus(index);
        accepted = false;
    }
    setBackColor(index, fondoNormal);
    return accepted;
}

// The commit run by a command for the cell that last had the focus; nothing before any cell had it.
void Game::commitCell(int index)
{
    if (index >= 1 && index <= 81)
        Text1_LostFocus(index);
}
