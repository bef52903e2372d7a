#!/usr/bin/env bash
# The launcher starts the program from a folder whose name holds every character the desktop-entry format reserves
# in Exec (space, tab, newline, quotes, backslash, < > ~ | & ; $ * ? # ( ) and backtick), with and without a '%':
# the launcher is valid, and GLib's own launch runs the program at exactly that path.
# Usage: launcher_test.sh SOURCE-FOLDER
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
reserved=$(printf ' \t\n"\x27\\<>~|&;$*?#()`')
for folder in "$work/a${reserved}b" "$work/a${reserved}%b"; do
    mkdir "$folder"
    printf '#!/bin/sh\nprintf %%s "$0" >"%s/started"\n' "$work" >"$folder/cuadrix"
    chmod +x "$folder/cuadrix"
    cmake -DCUADRIX_PROGRAM="$folder/cuadrix" -DCUADRIX_VERSION=0 -DCUADRIX_LAUNCHER="$work/l.desktop" \
        -P "$1/app/desktop/launcher.cmake"
    desktop-file-validate "$work/l.desktop"
    env -u DISPLAY -u WAYLAND_DISPLAY gio launch "$work/l.desktop" 2>/dev/null
    for _ in {1..50}; do [ -e "$work/started" ] && break; sleep 0.1; done
    [ "$(cat "$work/started")" = "$folder/cuadrix" ] || { echo "FAIL: the launcher did not start $folder/cuadrix" >&2; exit 1; }
    rm "$work/started"
done
