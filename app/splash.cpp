// The splash window's timer: the second tick shows the main window and hides the splash.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash.h"

void Form4Timer::Timer1_Timer()
{
    contador = static_cast<std::int16_t>(contador + 1);
    if (contador == 2) {
        ws.showMainWindow();
        ws.hideSplash();
        ws.stopSplashTimer();
    }
}
