#!/usr/bin/env bash
# The launcher starts the program from a folder whose name holds every character the desktop-entry format reserves
# in Exec (space, tab, newline, quotes, backslash, < > ~ | & ; $ * ? # ( ) and backtick), with and without a '%':
# the launcher is valid, and GLib's own launch runs the program at exactly that path.
# Usage: launcher_test.sh SOURCE-FOLDER
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
reserved=$(printf ' \t\n"\x27\\<>~|&;$*?#()`')
for name in "a${reserved}b" "a${reserved}%b"; do
    folder=$work/$name
    mkdir -p "$folder"
    printf '#!/bin/sh\nprintf %%s "$0" >"%s/started"\n' "$work" >"$folder/cuadrix"
    chmod +x "$folder/cuadrix"
    rm -f "$work/started"
    cmake -DCUADRIX_PROGRAM="$folder/cuadrix" -DCUADRIX_VERSION=0 -DCUADRIX_LAUNCHER="$work/l.desktop" \
        -P "$source/app/desktop/launcher.cmake"
    desktop-file-validate "$work/l.desktop" || { echo "FAIL: launcher not valid for $name" >&2; failures=$((failures + 1)); }
    env -u DISPLAY -u WAYLAND_DISPLAY gio launch "$work/l.desktop" 2>/dev/null
    for _ in $(seq 50); do [ -e "$work/started" ] && break; sleep 0.1; done
    [ "$(cat "$work/started" 2>/dev/null)" = "$folder/cuadrix" ] ||
        { echo "FAIL: the launcher did not start the program in $name" >&2; failures=$((failures + 1)); }
done
exit $((failures > 0))
