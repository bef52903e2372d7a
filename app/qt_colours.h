// Turning the game's BGR colour values into Qt colours.
#pragma once

#include <QColor>

#include "app/window_system.h"

// 0x00BBGGRR is an RGB colour; 0x80000004 is the menu background of the current palette.
QColor toQColor(Colour colour);
