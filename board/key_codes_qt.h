// The key code the cell handler gets for a Qt key event.
#pragma once

class QKeyEvent;

// The Windows virtual-key number of the key; letters, digits and function keys keep their
// numbers, keys the game does not name get numbers it treats as "any other key".
int virtualKeyCode(const QKeyEvent& event);
