#!/usr/bin/env bash
# Plays the real game under Xvfb with xdotool, and checks the files it writes and the pixels it shows.
# Usage: play_test.sh PROGRAM X11-CLOSE-HELPER
set -euo pipefail
program=$(realpath "$1")
closer=$(realpath "$2")
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
wm_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
passes=0
check() {  # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

# A program folder of its own, with a library whose first two puzzles are the same grid, so
# the board is known whatever the draw.
solution=123456789456789123789123456234567891567891234891234567345678912678912345912345678
blank() {  # keep the digits at positions k (0-based) with k % $1 == 0
    local out="" k
    for ((k = 0; k < 81; k++)); do
        if ((k % $1 == 0)); then out+=${solution:k:1}; else out+=0; fi
    done
    echo "$out"
}
easy=$(blank 3)
hard=$(blank 4)
folder="$work/mi juego #1"
mkdir -p "$folder/game" "$folder/data"
cp "$program" "$folder/cuadrix"
crlf() { printf '%s\r\n' "$@"; }
crlf "Facil" "Facil A" "$easy" "Facil B" "$easy" > "$folder/game/facil.sdk"
crlf "Facil" "Facil A" "$solution" "Facil B" "$solution" > "$folder/game/sol_fac.sdk"
for name in medio dificil; do
    crlf "Otra" "$name A" "$hard" "$name B" "$hard" > "$folder/game/$name.sdk"
done
crlf "Otra" "dificil A" "$solution" "dificil B" "$solution" > "$folder/game/sol_dif.sdk"
echo "<html><body><h1>Utilizacion</h1></body></html>" > "$folder/data/utilizacion.htm"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM

# Among the windows titled "Cuadrix!", the main window is the one 474 pixels wide, the help window 730.
window_of_width() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Cuadrix!$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" = "$1" ]; then echo "$id"; return 0; fi
    done
    return 1
}
main_window() { window_of_width 474; }
help_window() { window_of_width 730; }
visible_windows() { xdotool search --onlyvisible --name '^Cuadrix!$' 2>/dev/null | wc -l; }
splash_gone() { [ "$(visible_windows)" = 1 ]; }
wait_for() {  # seconds, command
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}
key() { xdotool key --delay 80 "$@"; sleep 0.4; }
shot() { import -window root "$work/shot.png"; }
pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:; }

# Cell i's top-left corner on the screen.
left=(0 240 960 1680 2520 3240 3960 4800 5520 6240)
top=(0 600 1320 2040 2880 3600 4320 5160 5880 6600)
cell_x() { echo $((win_x + left[($1 - 1) % 9 + 1] / 15)); }
cell_y() { echo $((client_y + top[($1 - 1) / 9 + 1] / 15)); }
background() { pixel $(($(cell_x "$1") + 6)) $(($(cell_y "$1") + 6)); }
# How many pixels of the cell are of the digit colour: red (given) or near black (the player's).
count_pixels() {
    local fx
    case $2 in
        red) fx='(r>0.85&&g<0.25&&b<0.25)?1:0' ;;
        black) fx='(r<0.25&&g<0.25&&b<0.25)?1:0' ;;
    esac
    convert "$work/shot.png" -crop "31x31+$(($(cell_x "$1") + 5))+$(($(cell_y "$1") + 5))" +repage \
        -fx "$fx" -format '%[fx:int(mean*w*h+.5)]' info:
}
has_red_digit() { (($(count_pixels "$1" red) > 15)); }
has_black_digit() { (($(count_pixels "$1" black) > 15)) && ! has_red_digit "$1"; }
is_empty() { (($(count_pixels "$1" black) < 3)) && (($(count_pixels "$1" red) < 3)); }
background_is() { [ "$(background "$1")" = "$2" ]; }

cd "$folder"
"$folder/cuadrix" 2>"$work/stderr" &
game_pid=$!
check "the main window appears" wait_for 10 main_window >/dev/null
wid=$(main_window)
splash_shown() { (($(visible_windows) >= 2)); }
check "the splash shows at start" wait_for 2 splash_shown
shot
cp "$work/shot.png" "${E2E_SHOTS:-$work}/splash.png" 2>/dev/null || true
check "the splash goes after two ticks" wait_for 6 splash_gone
eval "$(xdotool getwindowgeometry --shell "$wid")"
win_x=$X
win_y=$Y
# The client area starts where the warm background starts below the menu bar.
shot
client_y=$(convert "$work/shot.png" -crop "1x80+$((win_x + 470))+$win_y" txt:- \
    | awk -F'[,:]' '/#FFE0C0/ {print $2; exit}')
client_y=$((win_y + client_y))
focus_colour=$(pixel $((win_x + 300)) $((win_y + 5)))
white=255,255,255
light_red=255,192,192
light_green=192,255,192
cp "$work/shot.png" "${E2E_SHOTS:-$work}/start.png" 2>/dev/null || true

check "cell 1 is a red given digit" has_red_digit 1
check "cell 1 has the focus colour ($focus_colour)" background_is 1 "$focus_colour"
check "the focus colour is not white" test "$focus_colour" != "$white"
check "cell 2 is empty" is_empty 2

key Right 7 Down
shot
check "the arrow moved the highlight away from cell 1" background_is 1 "$white"
check "cell 2 shows the typed 7 in black" has_black_digit 2
check "cell 11 has the focus colour" background_is 11 "$focus_colour"

key ctrl+g
expected_board=${easy:0:1}7${easy:2}
saved_as() { cmp -s "$folder/game/partida.sdk" <(printf 'Facil %s\r\nf\r\n%s\r\n' "$1" "$expected_board"); }
saved_either() { saved_as A || saved_as B; }
check "the saved game holds label, code and board with CR LF" saved_either

key 9 Left ctrl+c
shot
check "loading puts the saved 7 back" has_black_digit 2
check "loading empties the cell typed after the save" is_empty 11

# The focus is in cell 10 now; the 3 goes into cell 3, where it is right.
key Up Right Right 3 Right ctrl+o
shot
cp "$work/shot.png" "${E2E_SHOTS:-$work}/solved.png" 2>/dev/null || true
check "solve: a given cell stays white" background_is 1 "$white"
check "solve: the wrong 7 is corrected on light red" background_is 2 "$light_red"
check "solve: the right 3 is light green" background_is 3 "$light_green"
check "solve: an empty cell is filled on light red" background_is 11 "$light_red"
check "solve: cell 2 now shows its solution digit" has_black_digit 2

key alt+d d ctrl+n
shot
check "a hard puzzle after choosing Dificil and a new game" has_red_digit 5

# The close box, answered with Esc: the game goes on.
"$closer" "$wid"
sleep 0.8
key Escape
check "Cancel keeps the main window" main_window >/dev/null
check "the program still runs" kill -0 "$game_pid"

# Ctrl+S and Yes (the default button): the game is saved and the program ends with 0.
key ctrl+s
sleep 0.5
key Return
status=0
wait_for 5 bash -c "! kill -0 $game_pid 2>/dev/null" || true
wait "$game_pid" || status=$?
game_pid=""
check "the program ended with code 0" test "$status" = 0
check "the exit saved the hard game" grep -q $'^d\r$' "$folder/game/partida.sdk"

# Under a window manager, openbox, on a 1600 x 1024 screen: the help window and the About box
# have no owner (no WM_TRANSIENT_FOR hint), and the help window opens beside the board.
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1600x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
# Windows mapped while openbox is still starting may never be managed: wait for its start-up command.
openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 &
wm_pid=$!
check "openbox runs" wait_for 5 test -e "$work/wm-ready"
"$folder/cuadrix" 2>>"$work/stderr" &
game_pid=$!
check "the main window appears under openbox" wait_for 10 main_window >/dev/null
wid=$(main_window)
wait_for 6 splash_gone || true
key F1
check "F1 opens the help window" wait_for 5 help_window >/dev/null
xdotool windowactivate --sync "$wid"
key alt+y a
about_box() { xdotool search --onlyvisible --name '^Acerca de Cuadrix$' 2>/dev/null | head -n1 | grep .; }
check "the About box opens" wait_for 5 about_box >/dev/null
no_owner() { xprop -id "$1" WM_TRANSIENT_FOR | grep -q 'not found'; }
check "the help window has no owner" no_owner "$(help_window)"
check "the About box has no owner" no_owner "$(about_box)"
side_by_side() {
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    local left=$X right=$((X + WIDTH))
    eval "$(xdotool getwindowgeometry --shell "$(help_window)")"
    ((X >= right || X + WIDTH <= left)) && ((X >= 0 && X + WIDTH <= 1600))
}
check "the help window and the board side by side" side_by_side
import -window root "$work/shot.png"
cp "$work/shot.png" "${E2E_SHOTS:-$work}/openbox.png" 2>/dev/null || true

if ((failures)); then
    echo "--- program stderr:" >&2
    cat "$work/stderr" >&2
fi
echo "e2e: $passes passed, $failures failed"
((failures == 0))
