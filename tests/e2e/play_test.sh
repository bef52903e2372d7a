#!/usr/bin/env bash
# Installs the game into a folder whose name has a space, an accent, a '#', a '%', a '$', a '"' and a '`' and checks
# the installed files (install_check.sh) and the launcher, which must start the installed program, which must end its
# startup notification; then plays the installed program under Xvfb and openbox with xdotool, from a program folder
# with an awkward name, and checks the files it writes, where its windows go and what a screen reader is told over
# AT-SPI.
# Usage: play_test.sh BUILD-FOLDER
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
# On a session bus of its own, which starts the accessibility bus when asked.
[ -n "${CUADRIX_E2E_BUS:-}" ] || CUADRIX_E2E_BUS=1 exec dbus-run-session -- bash "$0" "$@"
build=$1
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
check() { "${@:2}" || { echo "FAIL: $1" >&2; failures=$((failures + 1)); }; }  # description, command
wait_for() { local end=$((SECONDS + $1)); until "${@:2}"; do ((SECONDS < end)) || return 1; sleep 0.1; done; }  # seconds, command

prefix="$work/mi carpeta ñ #1 100% \$HOME \"x\" \`y\`"
cmake --install "$build" --prefix "$prefix" >/dev/null

check "the installed files" bash "$(dirname "$0")/install_check.sh" "$(dirname "$0")/../.." "$prefix" folder
desktop="$prefix/share/applications/es.cuadrix.Cuadrix.desktop"

# The program folder's name has a Latin-1 byte, a backslash, a space, a hash and a newline, in a
# path of 4,000 characters.
folder=$(printf '%s/Espa\xf1a \\ juego #1\nnueva' "$work")
while ((${#folder} < 3970)); do folder+=/$(printf 'c%.0s' {1..200}); done
folder=${folder:0:3970} folder=${folder%/}
mkdir -p "$folder/game" "$folder/data" && cp "$prefix/cuadrix" "$prefix/cuadrix-juego" "$folder/"
# The two first puzzles of the library are the same grid, every third digit of the solution, so
# the board is known whatever the draw.
solution=123456789456789123789123456234567891567891234891234567345678912678912345912345678
easy=$(for ((k = 0; k < 81; k++)); do ((k % 3)) && printf 0 || printf %s "${solution:k:1}"; done)
printf '%s\r\n' x "Facil A" "$easy" "Facil B" "$easy" >"$folder/game/facil.sdk"
printf '%s\r\n' x "Facil A" "$solution" "Facil B" "$solution" >"$folder/game/sol_fac.sdk"
echo "<h1>Utilizacion</h1>" >"$folder/data/utilizacion.htm"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1024x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
wait_for 5 test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# Windows mapped while openbox is still starting may never be managed: wait for its start-up command.
openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 & pids+=($!)
check "openbox runs" wait_for 5 test -e "$work/wm-ready"

# The launcher starts the installed program, which ends the startup notification a desktop begins for it (the
# launcher says StartupNotify=true) with a message to the root window; the window's class is the one the launcher
# names.
xev -root -event property >"$work/root" 2>&1 & pids+=($!)
xev_listens() { xprop -root -f CUADRIX_E2E 8s -set CUADRIX_E2E 1 && grep -q CUADRIX_E2E "$work/root"; }
check "xev listens to the root window" wait_for 5 xev_listens
one_window() { [ "$(xdotool search --onlyvisible --name '^Cuadrix!$' | wc -l)" = 1 ]; }
DESKTOP_STARTUP_ID=cuadrix-e2e_TIME0 gio launch "$desktop" 2>>"$work/stderr"
check "the launcher opens the main window" wait_for 8 one_window
check "the program ends the startup notification" grep -q _NET_STARTUP_INFO_BEGIN "$work/root"
launched=$(xdotool search --onlyvisible --name '^Cuadrix!$' | head -n1)
launched_pid=$(xdotool getwindowpid "$launched") pids+=($launched_pid)
check "the launcher started the installed game" test "$(readlink "/proc/$launched_pid/exe")" = "$prefix/cuadrix-juego"
wm_class=$(xprop -id "$launched" WM_CLASS)  # WM_CLASS(STRING) = "instance", "class"
check "the window's class is the launcher's StartupWMClass" test "${wm_class##*, }" = "\"$(sed -n 's/^StartupWMClass=//p' "$desktop")\""

# Saves the game the launched window shows and ends it; the program the launcher starts then deals fresh puzzles for
# the next start. Prints the label saved.
save_and_end() {
    local wrapper && wrapper=$(ps -o ppid= -p "$1")
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Cuadrix!$' | head -n1)" key ctrl+g
    wait_for 5 test -s "$prefix/game/partida.sdk" && head -n1 "$prefix/game/partida.sdk" | tr -d '\r'
    rm -f "$prefix/game/partida.sdk"
    kill "$1"
    wait_for 10 bash -c "! kill -0 $wrapper 2>/dev/null"
}
first=$(save_and_end "$launched_pid")
gio launch "$desktop" 2>>"$work/stderr"
check "the launcher opens the main window again" wait_for 8 one_window
second=$(save_and_end "$(xdotool getwindowpid "$(xdotool search --onlyvisible --name '^Cuadrix!$' | head -n1)")")
check "the second start deals neither puzzle the first could ($first, $second)" \
    eval '[[ $first == "Facil 00"[12] && $second == "Facil 00"[34] ]]'

# Among the windows titled "Cuadrix!", the main window is 474 pixels wide, the help window 730.
window_of_width() {
    for id in $(xdotool search --onlyvisible --name '^Cuadrix!$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")" && [ "$WIDTH" = "$1" ] && echo "$id" && return 0
    done
    return 1
}
key() { xdotool key --delay 80 "$@"; sleep 0.4; }

# A screen reader listening from before the start: the game sends the events it is asked for.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
/usr/bin/python3 "$(dirname "$0")/atspi.py" 120 >"$work/told" & pids+=($!)
wait_for 5 grep -q ready "$work/told"
CUADRIX_TRACE=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$folder/cuadrix" 2>"$work/stderr" &
game=$! pids+=($game)
check "the main window appears and the splash goes" wait_for 8 one_window
check "the trace tells when the board's last cell was first painted" grep -q '^cuadrix-trace painted [0-9]' "$work/stderr"
wid=$(window_of_width 474)

# Right and 7 write into cell 2, whose 7 the save writes; Down, 9 and Left leave a 9 in cell 11 that the load takes
# back, so the next save writes the same game; then the 3 goes into cell 3 and solve fills the board.
saved() { cmp -s "$folder/game/partida.sdk" <(printf 'Facil %s\r\nf\r\n%s\r\n' "$1" "${easy:0:1}7${easy:2}"); }
key Right 7 Down ctrl+g
check "the saved game holds label, code and the 7 typed, with CR LF" wait_for 3 eval 'saved A || saved B'
key 9 Left ctrl+c
rm "$folder/game/partida.sdk"
key ctrl+g
check "loading puts the saved game back, without the 9 typed after" wait_for 3 eval 'saved A || saved B'
# A screen reader is told why a cell is marked, and each new status text.
key Up Right Right 3 Right ctrl+h Return
check "the check's mark, told" grep -qx "fila 1, columna 2, 7: Error: se repite en la fila y en la caja" "$work/told"
key ctrl+o
check "solve's status text, told" wait_for 5 grep -qx "Sudoku Solucionado" "$work/told"

# With the board put near the screen's left edge, the help window opens just beside it, and the board stays.
xdotool windowmove --sync "$wid" 100 50
placed=$(xdotool getwindowgeometry "$wid")
key F1
check "F1 opens the help window" wait_for 5 window_of_width 730 >/dev/null
side_by_side() {  # the main window where it was put; the help window level with it, just beside it, on the screen
    [ "$(xdotool getwindowgeometry "$wid")" = "$placed" ] && eval "$(xdotool getwindowgeometry --shell "$wid")" || return 1
    local left=$X right=$((X + WIDTH)) top=$Y && eval "$(xdotool getwindowgeometry --shell "$(window_of_width 730)")"
    ((Y == top && (X >= right && X < right + 10 || X + WIDTH <= left && X + WIDTH > left - 10))) && ((X >= 0 && X + WIDTH <= 1600))
}
check "the help window beside the board" side_by_side
xdotool windowactivate --sync "$wid"
key F1
check "F1 again brings the help window to the keyboard" test "$(xdotool getactivewindow)" = "$(window_of_width 730)"

# The About box is out of the taskbar, has no owner, and goes below the board when the board is clicked.
xdotool windowactivate --sync "$wid"
key alt+y a
about_hints() { xprop -id "$(xdotool search --onlyvisible --name '^Acerca de Cuadrix' | head -n1)" _NET_WM_STATE WM_TRANSIENT_FOR; }
check "the About box is out of the taskbar, with no owner" eval 'about_hints | grep -q SKIP_TASKBAR && about_hints | grep -q "WM_TRANSIENT_FOR:  not found"'
xdotool windowactivate --sync "$wid"
check "the board comes above the About box" test "$(($(xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}')))" = "$wid"

# Ctrl+S and Yes (the default button): the game is saved and the program ends with 0.
xdotool windowactivate --sync "$wid"
key ctrl+s Return
wait_for 5 bash -c "! kill -0 $game 2>/dev/null"
wait "$game"
check "the program ended with 0" test $? = 0
check "the exit saved the solved game" grep -q "^$solution"$'\r$' "$folder/game/partida.sdk"

((failures)) && cat "$work/stderr" >&2
echo "e2e: $failures failed"
((failures == 0))
