#!/bin/sh
# The program players start, installed as cuadrix: it plays the game, cuadrix-juego beside it, then, after a game
# started without arguments, has cuadrix-biblioteca refresh this player's libraries, so that the next start deals
# puzzles not dealt before (refrescar runs after the game, so the game starts no later for it). Arguments (-h, -v,
# Qt's own) go to the game alone; without the tool (a build without qqwing) it only plays.
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
here=${0%/*}
[ -x "$here/cuadrix-juego" ] || here=$(dirname "$(readlink -f "$0")")
[ $# -eq 0 ] || exec "$here/cuadrix-juego" "$@"
"$here/cuadrix-juego"
status=$?
# A game that could not start (no display) dealt nothing.
if [ "$status" -ne 1 ] && [ -x "$here/cuadrix-biblioteca" ]; then
    "$here/cuadrix-biblioteca" refrescar >/dev/null
fi
exit "$status"
