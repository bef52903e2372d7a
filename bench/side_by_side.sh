#!/usr/bin/env bash
# Start-up of the game side by side with two floors, in one Xvfb, in turn, after one start of
# each that is not counted: "bare", a bare Qt window of the game's size (the floor program's bare
# mode), and "board", the floor of bench/startup.sh (menu bar, toolbar, status bar, 81 line edits).
# Measured: the time from exec until the X server maps the window and until its first paint, and
# the peak RSS (VmHWM) one second after exec; then, in as many starts of the game of their own,
# its peak RSS with help and About open.
# Usage: bench/side_by_side.sh BUILD-FOLDER [RUNS]   (PROGRAM=... overrides BUILD-FOLDER/cuadrix)
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD-FOLDER [RUNS]}")
runs=${2:-9}
program=$(realpath "${PROGRAM:-$build/cuadrix}")
floor=$build/bench/cuadrix_floor
watch=$build/bench/map_watch
for tool in "$program" "$floor" "$watch" Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

source "$(dirname "$0")/xvfb_session.sh"
hwm() { awk '/^VmHWM/ {print $2}' "/proc/$1/status"; }

# One start: title, result file, program and its arguments. Appends "map-ms paint-ms hwm-kB", or
# with HELP set, the game's "hwm-kB" with help and About open.
run_once() {
    local title=$1 out=$2
    shift 2
    rm -f "$work/map" "$work/trace"
    "$watch" "$title" 450 >"$work/map" &
    local watch_pid=$!
    until [ -s "$work/map" ]; do
        kill -0 "$watch_pid" 2>/dev/null || { echo "map_watch failed" >&2; cat "$work/xvfb.log" >&2; exit 1; }
        sleep 0.01
    done
    local start
    start=$(usecs "$EPOCHREALTIME")
    CUADRIX_TRACE=1 "$@" 2>"$work/trace" &
    local pid=$!
    wait "$watch_pid"
    local deadline=$((SECONDS + 20))
    until grep -q '^cuadrix-trace painted' "$work/trace" 2>/dev/null; do
        ((SECONDS < deadline)) || { echo "no paint trace from $1" >&2; exit 1; }
        sleep 0.005
    done
    local rest=$((start + 1000000 - $(usecs "$EPOCHREALTIME")))
    ((rest > 0)) && sleep "$(printf '%d.%06d' $((rest / 1000000)) $((rest % 1000000)))"
    local line
    line="$((($(sed -n 2p "$work/map") - start) / 10)) $((($(awk '/^cuadrix-trace painted/ {print $3; exit}' \
        "$work/trace") - start) / 10)) $(hwm "$pid")"
    if [ -n "${HELP:-}" ]; then
        sleep 1.5   # the splash has gone
        local main
        main=$(xdotool search --onlyvisible --name '^Cuadrix!$' | head -n1)
        xdotool key --clearmodifiers F1
        sleep 0.5
        xdotool windowfocus --sync "$main" key --clearmodifiers alt+y a
        sleep 0.5
        [ "$(xdotool search --onlyvisible --name '^Acerca de' | wc -l)" = 1 ] || { echo "no About box" >&2; exit 1; }
        line=$(hwm "$pid")
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$line" >>"$work/$out"
}

# One start of each: game, bare floor or board floor.
start_of() {
    case $1 in
        0) run_once 'Cuadrix!' "${2:-game}" "$program" ;;
        1) run_once 'Floor' "${2:-bare}" "$floor" bare ;;
        2) run_once 'Floor' "${2:-board}" "$floor" ;;
    esac
}
for who in 0 1 2; do start_of "$who" warm; done
# Each round starts the three in another order, so that each takes every place in a round in turn and
# none is always the first after a pause.
for ((k = 0; k < runs; k++)); do
    for j in 0 1 2; do start_of $(((j + k) % 3)); done
done
for ((k = 1; k <= runs; k++)); do HELP=1 run_once 'Cuadrix!' help "$program"; done

median() {  # column of a results file
    awk -v c="$2" '{print $c}' "$1" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
ms() { median "$1" "$2" | awk '{print $1 / 100}'; }
mb() { median "$1" "$2" | awk '{print $1 / 1024}'; }
echo "program: $program"
echo "floors: $floor bare (a bare Qt window), $floor (the board floor of bench/startup.sh)"
echo "runs: $runs each, in turn, the order rotated each round, one Xvfb; times in ms from exec, peak RSS in MB (medians)"
printf '%-8s %8s %8s %12s %16s\n' "" mapped painted "RSS at 1 s" "help and About"
printf '%-8s %8.1f %8.1f %12.1f %16.1f\n' game "$(ms "$work/game" 1)" "$(ms "$work/game" 2)" \
    "$(mb "$work/game" 3)" "$(mb "$work/help" 1)"
for who in bare board; do
    printf '%-8s %8.1f %8.1f %12.1f %16s\n' "$who" "$(ms "$work/$who" 1)" "$(ms "$work/$who" 2)" "$(mb "$work/$who" 3)" -
done
for who in bare board; do
    awk -v m="$(median "$work/game" 1)" -v p="$(median "$work/game" 2)" -v g="$(median "$work/game" 3)" \
        -v h="$(median "$work/help" 1)" -v fm="$(median "$work/$who" 1)" -v fp="$(median "$work/$who" 2)" \
        -v f="$(median "$work/$who" 3)" -v n="$who" \
        'BEGIN {printf "game against %s: mapped %.3fx, painted %.3fx, RSS %+.1f MB at 1 s, %+.1f MB with help and About\n",
                n, m / fm, p / fp, (g - f) / 1024, (h - f) / 1024}'
done
if [ -n "${KEEP:-}" ]; then for who in game bare board help; do cp "$work/$who" "$KEEP.$who"; done; fi
