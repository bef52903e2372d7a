#!/usr/bin/env bash
# The game's command line with no display: each row gives the exit status, a pattern for what the program writes
# (standard output on 0, standard error otherwise), then the environment and the command.
# Usage: command_line.sh PROGRAM VERSION
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -u
program=$1 version=${2//./\\.}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
row() {
    local want=$1 pattern=$2 got text
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work" "$@" >"$work/out" 2>"$work/err"
    got=$?
    ((want == 0)) && text=$(<"$work/out") || text=$(<"$work/err")
    [ "$got" = "$want" ] || { echo "FAIL: $* exits $got, not $want" >&2; failures=$((failures + 1)); }
    [[ $text =~ $pattern ]] || { echo "FAIL: $* writes: $text" >&2; failures=$((failures + 1)); }
}
nl=$'\n'
sentence="Cuadrix necesita una pantalla gráfica[^$nl]* DISPLAY [^$nl]* WAYLAND_DISPLAY [^$nl]*\$"

row 0 "^Uso: cuadrix " "$program" -h
row 0 "^Uso: cuadrix " "$program" --help
row 0 "^Cuadrix $version\$" "$program" -v
row 0 "^Cuadrix $version\$" "$program" --nada --version
row 1 "^$sentence" "$program"
row 1 "^$sentence" "$program" --nada
# An X display and a Wayland socket that no server answers; an X display on a host whose server Qt cannot reach.
row 1 "^$sentence" DISPLAY=:4242 XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-9 "$program"
row 1 "$nl$sentence" DISPLAY=localhost:4242 "$program"
# A platform named on the command line is Qt's to start: the game runs until stopped.
row 124 "" timeout 2 "$program" -platform offscreen

echo "command line: $failures failed"
((failures == 0))
