#!/usr/bin/env bash
# Installs the built game into a folder whose name has a space, an accent and a '#', and checks
# the program folder, the launcher, the icons and the metainfo.
# Usage: check_install.sh BUILD-FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/mi carpeta ñ #1"
cmake --install "$build" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/../checks.sh"
check "the program is at the prefix" test -x "$prefix/cuadrix"
for file in game/{facil,medio,dificil,sol_fac,sol_med,sol_dif}.sdk data/{historia,reglas,resolucion,utilizacion}.htm \
    data/estilo.css; do
    check "$file is installed" test -s "$prefix/$file"
done
check "no saved game is installed" test ! -e "$prefix/game/partida.sdk"
desktop="$prefix/share/applications/es.cuadrix.Cuadrix.desktop"
check "the launcher runs the installed program" grep -qxF "Exec=\"$prefix/cuadrix\"" "$desktop"
check "the launcher is valid" desktop-file-validate "$desktop"
metainfo="$prefix/share/metainfo/es.cuadrix.Cuadrix.metainfo.xml"
check "the metainfo is valid" appstreamcli validate --no-net --pedantic "$metainfo"
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/cuadrix.png"
    check "the ${size}px icon is ${size}x${size}" test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}"
done
echo "install: $passes passed, $failures failed"
((failures == 0))
