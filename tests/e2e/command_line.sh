#!/usr/bin/env bash
# The command lines of the game with no display and of cuadrix-biblioteca: each row gives the exit status, a pattern
# for what the program writes (standard output on 0, standard error otherwise), then the environment and the command.
# Usage: command_line.sh PROGRAM VERSION
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
program="$1" tool="${1%/*}/cuadrix-biblioteca" failures=0 out="$(mktemp)" err="$(mktemp)" dir="$(mktemp -d)"
trap 'rm -rf "$out" "$err" "$dir"' EXIT
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
row 1 "^$sentence" DISPLAY=":4242" XDG_RUNTIME_DIR="/tmp" WAYLAND_DISPLAY="wayland-4242" "$program"
row 1 $'\n'"$sentence" DISPLAY="localhost:4242" "$program"
# A platform named on the command line or in the environment is Qt's to start: the game runs until stopped.
row 124 "" timeout 2 "$program" -platform offscreen
row 124 "" QT_QPA_PLATFORM=offscreen timeout 2 "$program"
# The tool (not in a build without qqwing) works on the game/ beside it, or in a system-wide install on the player's
# own libraries made from the shipped ones, which it never changes; renovar puts the two puzzles a new game deals
# last, a second time the next two; a write beyond a file-size limit says why.
if [ -x "$tool" ]; then
    row 0 "^cuadrix-biblioteca ${2//./\\.}\$" "$tool" --version
    row 0 "^Uso: cuadrix-biblioteca .* 2 error de uso\.$" "$tool" --help
    row 2 "^cuadrix-biblioteca: falta la orden" "$tool"
    shared="$dir/usr/share/games/cuadrix" own="$dir/own/cuadrix-biblioteca"
    installed="$dir/usr/games/cuadrix-biblioteca"
    mkdir -p "$dir/own" "$dir/usr/games" "$shared" "$dir/full"
    cp -r "${BASH_SOURCE%/*}/../../game" "$dir/own/" && cp -r "$dir/own/game" "$shared"
    cp "$tool" "$own" && cp "$tool" "$installed"
    row 0 "^Pasan al final de facil\.sdk: «Facil 001» «Facil 002»\.$" "$own" renovar --dificultad f
    row 0 "^Pasan al final de facil\.sdk: «Facil 003» «Facil 004»\.$" "$own" renovar --dificultad f
    row 0 " en $dir/own/game: ningún problema\.$" "$own" comprobar
    # A folder on a full disk (where a mount of one's own can be made): comprobar says it cannot hold the levels.
    unshare -rm true 2>/dev/null && row 1 "dificil\.sdk\.cambio: el disco está lleno" unshare -rm sh -c \
        'mount -t tmpfs -o nr_inodes=9 none "$0" && cp "$1"/* "$0" && exec "$2" comprobar "$0" >&2' \
        "$dir/full" "$dir/own/game" "$own"
    row 0 " en $dir/mine/cuadrix/game: ningún problema\.$" XDG_DATA_HOME="$dir/mine" "$installed" comprobar
    row 1 "los que instaló el paquete, y no se cambian; los suyos están en $dir/mine/cuadrix/game," \
        XDG_DATA_HOME="$dir/mine" "$installed" renovar --carpeta "$shared/game"
    row 1 "^cuadrix-biblioteca: no se puede escribir $dir/own/game/sol_fac\.sdk: " \
        bash -c 'ulimit -f 1 && exec "$0" "$@"' "$own" generar --dificultad f --cantidad 1
fi
echo "command line: $failures failed"
((failures == 0))
