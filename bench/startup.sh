#!/usr/bin/env bash
# Start-up of the game against the floor (a bare main window of the same make-up), in one
# Xvfb, in turn, RUNS times each: the time from exec until the X server maps the main
# window, until the first paint of the board (the CUADRIX_TRACE line), and the peak RSS.
# Usage: bench/startup.sh BUILD-FOLDER [RUNS]      (PROGRAM=... overrides BUILD-FOLDER/cuadrix; BASELINE=... adds
# another build of the game, started in turn with the two, for a side-by-side comparison)
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD-FOLDER [RUNS]}")
runs=${2:-15}
program=$(realpath "${PROGRAM:-$build/cuadrix}")
floor=$build/bench/cuadrix_floor
watch=$build/bench/map_watch
baseline=${BASELINE:+$(realpath "$BASELINE")}
for tool in "$program" ${baseline:+"$baseline"} "$floor" "$watch" /usr/bin/time Xvfb; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

source "$(dirname "$0")/xvfb_session.sh"

# One start: program, window title, result file. Appends "map-ms paint-ms rss-kB".
run_once() {
    local prog=$1 title=$2 out=$3
    rm -f "$work/map" "$work/trace" "$work/rss"
    "$watch" "$title" 450 >"$work/map" &
    local watch_pid=$!
    until [ -s "$work/map" ]; do sleep 0.01; done
    local start
    start=$(usecs "$EPOCHREALTIME")
    CUADRIX_TRACE=1 /usr/bin/time -f %M -o "$work/rss" "$prog" 2>"$work/trace" &
    local time_pid=$!
    wait "$watch_pid"
    local deadline=$((SECONDS + 20))
    until grep -q '^cuadrix-trace painted' "$work/trace" 2>/dev/null; do
        ((SECONDS < deadline)) || { echo "no paint trace from $prog" >&2; exit 1; }
        sleep 0.005
    done
    local child
    child=$(ps -o pid= --ppid "$time_pid" | tr -d ' ')
    # An installed cuadrix is a script that runs the game as its child: both end.
    kill $(ps -o pid= --ppid "$child") "$child"
    wait "$time_pid" 2>/dev/null || true
    local mapped painted
    mapped=$(sed -n 2p "$work/map")
    painted=$(awk '/^cuadrix-trace painted/ {print $3; exit}' "$work/trace")
    echo "$(((mapped - start) / 10)) $(((painted - start) / 10)) $(tail -n1 "$work/rss")" >>"$out"
}

: >"$work/game" ; : >"$work/floor" ; : >"$work/baseline"
# Each round starts the programs in another order, so that each takes every place in a round in turn
# and none is always the first after a pause.
starts=("$program|Cuadrix!|game")
[ -z "$baseline" ] || starts+=("$baseline|Cuadrix!|baseline")
starts+=("$floor|Floor|floor")
for ((k = 0; k < runs; k++)); do
    for ((j = 0; j < ${#starts[@]}; j++)); do
        IFS='|' read -r prog title who <<<"${starts[(j + k) % ${#starts[@]}]}"
        run_once "$prog" "$title" "$work/$who"
    done
done

median() {  # column of a results file
    awk -v c="$2" '{print $c}' "$1" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
echo "program: $program${baseline:+, baseline: $baseline}"
echo "runs: $runs each, in turn, the order rotated each round, one Xvfb; times in ms from exec, RSS in MB (medians)"
printf '%-10s %10s %10s %10s\n' "" mapped painted peak-RSS
for who in game ${baseline:+baseline} floor; do
    printf '%-10s %10.1f %10.1f %10.1f\n' "$who" "$(median "$work/$who" 1 | awk '{print $1 / 100}')" \
        "$(median "$work/$who" 2 | awk '{print $1 / 100}')" "$(median "$work/$who" 3 | awk '{print $1 / 1024}')"
done
for col in 1 2; do
    name=$([ "$col" = 1 ] && echo mapped || echo painted)
    for who in game ${baseline:+baseline}; do
        awk -v g="$(median "$work/$who" "$col")" -v f="$(median "$work/floor" "$col")" -v n="$name" -v w="$who" \
            'BEGIN {printf "ratio %s/floor, %s: %.3f\n", w, n, g / f}'
    done
done
awk -v g="$(median "$work/game" 3)" -v f="$(median "$work/floor" 3)" \
    'BEGIN {printf "peak RSS game - floor: %+.1f MB\n", (g - f) / 1024}'
if [ -n "${KEEP:-}" ]; then cp "$work/game" "$KEEP.game"; cp "$work/floor" "$KEEP.floor"; fi
