// Turning the game's BGR colour values into Qt colours.
#include "app/qt_colours.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(Colour colour)
{
    if (colour == fondoFoco)
        return QApplication::palette("QMenu").color(QPalette::Window);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
