#!/usr/bin/env bash
# Installs the game into a folder whose name has a space, an accent, a '#', a '%', a '$', a '"' and a '`' and checks
# the installed files (install_check.sh); then, under Xvfb and openbox, starts it from its launcher, which it must
# answer (the startup notification ended, the window of the launcher's class), and again as a command, and plays it
# with xdotool: the two starts deal different puzzles, the first one's exit question saves the game that the second
# one loads, a screen reader hears the status line over AT-SPI, F1 opens the help window beside the board, the About
# box stays out of the taskbar, and the second exit question saves the solved game and ends with 0.
# Usage: play_test.sh BUILD-FOLDER
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
# On a session bus of its own, which starts the accessibility bus when asked.
[ -n "${CUADRIX_E2E_BUS:-}" ] || CUADRIX_E2E_BUS=1 exec dbus-run-session -- bash "$0" "$@"
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
check() { "${@:2}" || { echo "FAIL: $1" >&2; failures=$((failures + 1)); }; }  # description, command
wait_for() { local end=$((SECONDS + $1)); until "${@:2}"; do ((SECONDS < end)) || return 1; sleep 0.1; done; }  # seconds, command

prefix="$work/mi carpeta ñ #1 100% \$HOME \"x\" \`y\`" here=$(dirname "$0")
cmake --install "$1" --prefix "$prefix" >/dev/null
check "the installed files" bash "$here/install_check.sh" "$here/../.." "$prefix" folder
saved=$prefix/game/partida.sdk

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1024x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
wait_for 5 test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
# Windows mapped while openbox is still starting may never be managed: wait for its start-up command.
openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 & pids+=($!)
wait_for 5 test -e "$work/wm-ready"
/usr/bin/python3 "$here/atspi.py" >"$work/told" & pids+=($!)
wait_for 5 grep -q ready "$work/told"

windows() { xdotool search --onlyvisible --name '^Cuadrix!$'; }
key() { xdotool key --delay 80 "$@"; sleep 0.4; }
label() { wait_for 5 test -s "$1" && head -n1 "$1" | tr -d '\r'; }
# Starts the game with the command given; once the splash has gone, the board has the keyboard.
start() {
    "$@" &
    game=$!
    wait_for 8 eval '[ "$(windows | wc -l)" = 1 ]' && board=$(windows) && xdotool windowactivate --sync "$board"
}

# The launcher says StartupNotify=true: the game ends the notification with a message to the root window.
xev -root -event property >"$work/root" 2>&1 & pids+=($!)
wait_for 5 eval 'xprop -root -f CUADRIX_E2E 8s -set CUADRIX_E2E 1 && grep -q CUADRIX_E2E "$work/root"'
launcher=$prefix/share/applications/es.cuadrix.Cuadrix.desktop
check "the launcher starts the game" start env DESKTOP_STARTUP_ID=cuadrix-e2e_TIME0 gio launch "$launcher"
check "the game ends the startup notification" grep -q _NET_STARTUP_INFO_BEGIN "$work/root"
wm_class=$(xprop -id "$board" WM_CLASS)  # WM_CLASS(STRING) = "instance", "class"
check "the window's class is the launcher's" test "${wm_class##*, }" = "\"$(sed -n 's/^StartupWMClass=//p' "$launcher")\""
wrapper=$(ps -o ppid= -p "$(xdotool getwindowpid "$board")")
# Ctrl+S and Enter (Yes): the game is saved, the program ends, and so does what started it, having dealt new puzzles.
key ctrl+s Return
check "the exit question ends the game and what started it" wait_for 10 eval '! kill -0 $wrapper 2>/dev/null'
first=$(label "$saved") && mv "$saved" "$work/first"

check "the game starts again" start "$prefix/cuadrix"
key ctrl+g
second=$(label "$saved")
check "the second start deals neither puzzle the first could ($first, $second)" \
    eval '[[ $first == "Facil 00"[12] && $second == "Facil 00"[34] ]]'
cp "$work/first" "$saved"
key ctrl+c
rm "$saved"
key ctrl+g
check "the second start loads the game the first saved" wait_for 3 cmp -s "$work/first" "$saved"
key ctrl+o
check "a screen reader hears solve's status text" wait_for 15 grep -qx "Sudoku Solucionado" "$work/told"

xdotool windowmove --sync "$board" 100 50
key F1
beside() {  # the help window level with the board, just right of it
    eval "$(xdotool getwindowgeometry --shell "$board")" && local right=$((X + WIDTH)) top=$Y
    eval "$(xdotool getwindowgeometry --shell "$(windows | grep -vx "$board")")" && ((Y == top && X >= right && X < right + 10))
}
check "F1 opens the help window beside the board" wait_for 5 beside

xdotool windowactivate --sync "$board"
key alt+y a
check "the About box is out of the taskbar" eval 'xprop -id "$(xdotool search --onlyvisible --name "^Acerca de")" \
    _NET_WM_STATE | grep -q SKIP_TASKBAR'
xdotool windowactivate --sync "$board"
key ctrl+s Return
wait_for 10 eval '! kill -0 $game 2>/dev/null'
wait "$game"
check "the exit question's Yes ends the game with 0" test $? = 0
check "the exit saved the solved game" eval 'sed -n 3p "$saved" | tr -d "\r" | grep -qxE "[1-9]{81}"'

((failures == 0))
