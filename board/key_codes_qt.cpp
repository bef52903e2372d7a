// The key code the cell handler gets for a Qt key event.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/key_codes_qt.h"

#include <QKeyEvent>

#include "board/key_codes.h"

// X11 key codes of the digit row "1".."9", "0": a digit with Shift still names its digit.
constexpr quint32 x11Digit1 = 10, x11Digit0 = 19;
constexpr quint32 x11RightMeta = 0xffec;  // the left Windows key is 0xffeb

// Only the keys the game tells apart get their own code; every other key acts alike and is 0.
int virtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;

    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
        return vk::Numpad0 + (key - Qt::Key_0);
    const quint32 scan = event.nativeScanCode();
    if (!keypad && scan >= x11Digit1 && scan <= x11Digit0)
        return scan == x11Digit0 ? vk::Digit0 : vk::Digit0 + static_cast<int>(scan - x11Digit1) + 1;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return vk::Digit0 + (key - Qt::Key_0);

    switch (key) {
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Enter;
    case Qt::Key_Shift: return vk::Shift;
    case Qt::Key_Control: return vk::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return vk::Alt;
    case Qt::Key_CapsLock: return vk::CapsLock;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Menu: return vk::ContextMenu;
    case Qt::Key_NumLock: return vk::NumLock;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return event.nativeVirtualKey() == x11RightMeta || key == Qt::Key_Super_R ? vk::RightWindows : vk::LeftWindows;
    default: return 0;
    }
}
