// The splash window's timer: the second tick shows the main window and hides the splash.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "app/window_system.h"

class Form4Timer {
public:
    explicit Form4Timer(WindowSystem& ws) : ws(ws) {}
    std::int16_t contador = 0;
    void Timer1_Timer();

private:
    WindowSystem& ws;
};
