// What the game's windows share: BGR colour values as Qt colours, the fixed window colours, sizes in twips.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include "app/window_system.h"

// 0x00BBGGRR is an RGB colour; 0x80000004 is the menu background of the current palette.
QColor toQColor(Colour colour);

// The warm background of the game's windows, 0x00C0E0FF (red 255, green 224, blue 192).
constexpr Colour windowBackground = 0x00C0E0FF;

// Names a window (or an area of one), fixes its size in twips and gives it the warm background and
// black text on it, whatever the desktop's palette: a dark theme would otherwise write light text
// on the light background.
void useWindowLook(QWidget* widget, const char* name, int widthTwips, int heightTwips);

// A window with a title bar, its system menu and a close button, and no other buttons.
constexpr Qt::WindowFlags closableWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Sizes are given in twips; 15 twips make one logical pixel.
constexpr int px(int twips) { return twips / 15; }

// Names a new widget and places it in its window, in twips.
template <typename Widget>
Widget* placed(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(px(left), px(top), px(width), px(height));
    return widget;
}
