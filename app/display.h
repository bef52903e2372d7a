// Whether the game has a display to start on, told before Qt is asked to open one.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether Qt has a window system to start with: one it is told (QT_QPA_PLATFORM, -platform, -display) or a display
// that answers (a local X or Wayland socket that accepts a connection; an X display on another host is trusted).
bool haveDisplay(int argc, char* argv[]);
