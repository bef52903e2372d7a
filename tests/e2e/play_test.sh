#!/usr/bin/env bash
# Installs the game into a folder whose name has a space, an accent, a '#', a '%', a '$', a '"' and a '`' and checks
# the program folder, the launcher (which must start the installed program), the icons and the metainfo; then plays
# the installed program
# under Xvfb and openbox with xdotool, from a program folder with an awkward name, and checks the
# files it writes, the pixels it shows and where its windows go.
# Usage: play_test.sh BUILD-FOLDER
set -uo pipefail
build=$1
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
check() { "${@:2}" || { echo "FAIL: $1" >&2; failures=$((failures + 1)); }; }  # description, command
wait_for() {  # seconds, command
    local end=$((SECONDS + $1))
    until "${@:2}"; do ((SECONDS < end)) || return 1; sleep 0.1; done
}

prefix="$work/mi carpeta ñ #1 100% \$HOME \"x\" \`y\`"
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in cuadrix game/{facil,medio,dificil,sol_fac,sol_med,sol_dif}.sdk data/{{historia,reglas,resolucion,utilizacion}.htm,estilo.css}; do
    check "$file is installed" test -s "$prefix/$file"
done
check "no saved game is installed" test ! -e "$prefix/game/partida.sdk"
desktop="$prefix/share/applications/es.cuadrix.Cuadrix.desktop"
check "the launcher is valid" desktop-file-validate "$desktop"
check "the metainfo is valid" appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/es.cuadrix.Cuadrix.metainfo.xml"
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
    check "the $size icon" test "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/$size/apps/cuadrix.png")" = "$size"
done

# The program folder's name has a Latin-1 byte, a backslash, a space, a hash and a newline, in a
# path of 4,000 characters.
folder=$(printf '%s/Espa\xf1a \\ juego #1\nnueva' "$work")
while ((${#folder} < 3970)); do folder+=/$(printf 'c%.0s' {1..200}); done
folder=${folder:0:3970}
folder=${folder%/}
mkdir -p "$folder/game" "$folder/data" && cp "$prefix/cuadrix" "$folder/cuadrix"
# The two first puzzles of the library are the same grid, every third digit of the solution, so
# the board is known whatever the draw.
solution=123456789456789123789123456234567891567891234891234567345678912678912345912345678
easy=$(for ((k = 0; k < 81; k++)); do ((k % 3)) && printf 0 || printf %s "${solution:k:1}"; done)
printf '%s\r\n' x "Facil A" "$easy" "Facil B" "$easy" >"$folder/game/facil.sdk"
printf '%s\r\n' x "Facil A" "$solution" "Facil B" "$solution" >"$folder/game/sol_fac.sdk"
echo "<h1>Utilizacion</h1>" >"$folder/data/utilizacion.htm"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
wait_for 5 test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# Windows mapped while openbox is still starting may never be managed: wait for its start-up command.
openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 &
pids+=($!)
check "openbox runs" wait_for 5 test -e "$work/wm-ready"

# The launcher starts the installed program, and the window's class is the one the launcher names.
one_window() { [ "$(xdotool search --onlyvisible --name '^Cuadrix!$' | wc -l)" = 1 ]; }
gio launch "$desktop" 2>>"$work/stderr"
check "the launcher opens the main window" wait_for 8 one_window
launched=$(xdotool search --onlyvisible --name '^Cuadrix!$' | head -n1)
launched_pid=$(xdotool getwindowpid "$launched")
pids+=($launched_pid)
check "the launcher started the installed program" test "$(readlink "/proc/$launched_pid/exe")" = "$prefix/cuadrix"
wm_class=$(xprop -id "$launched" WM_CLASS)  # WM_CLASS(STRING) = "instance", "class"
check "the window's class is the launcher's StartupWMClass" \
    test "${wm_class##*, }" = "\"$(sed -n 's/^StartupWMClass=//p' "$desktop")\""
kill "$launched_pid"
wait_for 5 bash -c "! kill -0 $launched_pid 2>/dev/null"

# Among the windows titled "Cuadrix!", the main window is 474 pixels wide, the help window 730.
window_of_width() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Cuadrix!$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" = "$1" ] && echo "$id" && return 0
    done
    return 1
}
key() { xdotool key --delay 80 "$@"; sleep 0.4; }
shot() { import -window root "$work/shot.png"; }
# The screen shows what the condition says within 3 s: a slow build may still be painting.
seen() { wait_for 3 eval "shot && $1"; }
pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:; }
# Cell i's top-left corner on the screen, from the cell's row and column in twips.
cell_x() { local c=$((($1 - 1) % 9)); echo $((win_x + (240 + 720 * c + 120 * (c / 3)) / 15)); }
cell_y() { local r=$((($1 - 1) / 9)); echo $((client_y + (600 + 720 * r + 120 * (r / 3)) / 15)); }
background_is() { [ "$(pixel $(($(cell_x "$1") + 6)) $(($(cell_y "$1") + 6)))" = "$2" ]; }
# How many pixels of the cell are red (a given digit) or near black (the player's).
count() {
    convert "$work/shot.png" -crop "31x31+$(($(cell_x "$1") + 5))+$(($(cell_y "$1") + 5))" +repage \
        -fx "$2" -format '%[fx:int(mean*w*h+.5)]' info:
}
red() { (($(count "$1" '(r>0.85&&g<0.25&&b<0.25)?1:0') > 15)); }
black() { (($(count "$1" '(r<0.25&&g<0.25&&b<0.25)?1:0') > 15)) && ! red "$1"; }
empty() { (($(count "$1" '(g<0.25&&b<0.25)?1:0') < 3)); }

"$folder/cuadrix" 2>"$work/stderr" &
game=$!
pids+=($game)
check "the main window appears and the splash goes" wait_for 8 one_window
wid=$(window_of_width 474)
# The window's inside on the screen (xwininfo, unlike xdotool, is exact under a window manager).
read -r win_x win_y < <(xwininfo -id "$wid" | awk '/Absolute upper-left [XY]/ {printf "%s ", $NF}')
shot
# The client area starts where the warm background starts below the menu bar.
client_y=$((win_y + $(convert "$work/shot.png" -crop "1x80+$((win_x + 470))+$win_y" txt:- | awk -F'[,:]' '/#FFE0C0/ {print $2; exit}')))
focus_colour=$(pixel $((win_x + 300)) $((win_y + 5)))
white=255,255,255 light_red=255,192,192 light_green=192,255,192
check "cell 1 is a red given digit with the focus colour, which is not white, and cell 2 is empty" \
    eval 'red 1 && background_is 1 "$focus_colour" && [ "$focus_colour" != "$white" ] && empty 2'

key Right 7 Down
check "an arrow moves the highlight and the 7 typed is black" seen 'background_is 1 $white && black 2 && background_is 11 "$focus_colour"'
key ctrl+g
saved() { cmp -s "$folder/game/partida.sdk" <(printf 'Facil %s\r\nf\r\n%s\r\n' "$1" "${easy:0:1}7${easy:2}"); }
check "the saved game holds label, code and board with CR LF" wait_for 3 eval 'saved A || saved B'
key 9 Left ctrl+c
check "loading puts the saved 7 back and empties the cell typed after" seen 'black 2 && empty 11'
# The focus is in cell 10 now; the 3 goes into cell 3, where it is right.
key Up Right Right 3 Right ctrl+o
check "solve: the given cell white, the corrected 7 light red, the right 3 light green, the empty cell light red" \
    seen 'background_is 1 $white && background_is 2 $light_red && background_is 3 $light_green && background_is 11 $light_red'

# With the board put near the screen's left edge, the help window opens just beside it, and the board stays.
xdotool windowmove --sync "$wid" 100 50
placed=$(xdotool getwindowgeometry "$wid")
key F1
check "F1 opens the help window" wait_for 5 window_of_width 730 >/dev/null
side_by_side() {  # the main window where it was put; the help window level with it, just beside it, on the screen
    [ "$(xdotool getwindowgeometry "$wid")" = "$placed" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    local left=$X right=$((X + WIDTH)) top=$Y
    eval "$(xdotool getwindowgeometry --shell "$(window_of_width 730)")"
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
