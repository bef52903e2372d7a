// What the game's windows share: BGR colour values as Qt colours, the fixed window colours, sizes in twips.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

QColor toQColor(Colour colour)
{
    if (colour == fondoFoco)
        return QApplication::palette("QMenu").color(QPalette::Window);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void useWindowLook(QWidget* widget, const char* name, int widthTwips, int heightTwips)
{
    widget->setObjectName(name);
    widget->setFixedSize(px(widthTwips), px(heightTwips));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(windowBackground));
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
