// The game may be started with no standard input. The tests run so too, so a file the game opens may get descriptor 0.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

namespace {
[[maybe_unused]] const int closedStdin = ::close(0);
}
