#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/ from a built game, under Xvfb:
# the main window at scale factors 1, 1.5 and 2, and the usage help page.
# Usage: tools/take_screenshots.sh [BUILD-FOLDER]   (default: build)
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$PWD/docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM

# A copy of the program folder, so no saved game of the build is touched.
cp -r "$build/game" "$build/data" "$work/"
cp "$build/cuadrix" "$work/"
rm -f "$work/game/partida.sdk"

# The widest visible window titled "Cuadrix!" (the main window, or the help window over it).
widest_window() {
    local id best="" width=0
    for id in $(xdotool search --onlyvisible --name '^Cuadrix!$'); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if ((WIDTH > width)); then width=$WIDTH; best=$id; fi
    done
    echo "$best"
}

window_shot() {  # scale, file: the main window after a few moves and digits
    QT_SCALE_FACTOR=$1 "$work/cuadrix" 2>/dev/null &
    local pid=$!
    sleep 3.2
    xdotool key --delay 100 Down Down Right 4 Right 9 Down Down 2 Left Left 7 Down 5 Right 3
    sleep 0.6
    import -window "$(widest_window)" "$2"
    kill $pid
    wait $pid 2>/dev/null || true
}
window_shot 1 "$out/ventana.png"
window_shot 1.5 "$out/ventana-1.5.png"
window_shot 2 "$out/ventana-2.png"

"$work/cuadrix" 2>/dev/null &
pid=$!
sleep 3.2
xdotool key F1
sleep 1
import -window "$(widest_window)" "$out/ayuda.png"
kill $pid
