#!/usr/bin/env bash
# The game's command line with no display: each row gives the exit status, a pattern for what the program writes
# (standard output on 0, standard error otherwise), then the environment and the command.
# Usage: command_line.sh PROGRAM VERSION
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
program=$1 failures=0 out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
row() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${@:3}" >"$out" 2>"$err"
    local got=$? text && text=$(cat "$([ "$1" = 0 ] && echo "$out" || echo "$err")")
    [ "$got" = "$1" ] && [[ $text =~ $2 ]] || { echo "FAIL: $* exits $got: $text" >&2; failures=$((failures + 1)); }
}
sentence='Cuadrix necesita una pantalla gráfica.* DISPLAY .* WAYLAND_DISPLAY .*\.$'

row 0 "^Uso: cuadrix " "$program" -h
row 0 "^Cuadrix ${2//./\\.}\$" "$program" -v
row 0 "^Cuadrix ${2//./\\.}\$" "$program" --nada --version
row 1 "^$sentence" "$program" --nada
# An X display and a Wayland socket that no server answers; an X display on a host whose server Qt cannot reach.
row 1 "^$sentence" DISPLAY=:4242 XDG_RUNTIME_DIR=/tmp WAYLAND_DISPLAY=wayland-4242 "$program"
row 1 $'\n'"$sentence" DISPLAY=localhost:4242 "$program"
# A platform named on the command line or in the environment is Qt's to start: the game runs until stopped.
row 124 "" timeout 2 "$program" -platform offscreen
row 124 "" QT_QPA_PLATFORM=offscreen timeout 2 "$program"
echo "command line: $failures failed"
((failures == 0))
