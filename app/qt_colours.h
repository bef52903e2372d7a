// Turning the game's BGR colour values into Qt colours, and the game's fixed window colours.
#pragma once

#include <QColor>

#include "app/window_system.h"

class QWidget;

// 0x00BBGGRR is an RGB colour; 0x80000004 is the menu background of the current palette.
QColor toQColor(Colour colour);

// The warm background of the game's windows, 0x00C0E0FF (red 255, green 224, blue 192).
constexpr Colour windowBackground = 0x00C0E0FF;

// Gives a window (or an area of one) the warm background and black text on it, whatever the
// desktop's palette: a dark theme would otherwise write light text on the light background.
void useWindowColours(QWidget* widget);
