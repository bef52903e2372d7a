#!/usr/bin/env bash
# Checks an installed Cuadrix file by file against what the programs open: the programs, each file the game's sources
# name (the puzzle libraries, the page of each help menu item) and each page the help pages link, the launcher, the
# metainfo (its release the changelog's) and each icon size; in the system layout also the manual pages of cuadrix and
# cuadrix-biblioteca, in English and in Spanish, where man finds them.
# Usage: install_check.sh SOURCE-FOLDER PREFIX folder|system
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
set -uo pipefail
source=$1 prefix=$2 programs=$2 data=$2 failures=0
[ "$3" = system ] && programs=$prefix/games data=$prefix/share/games/cuadrix
check() { "${@:2}" || { echo "FAIL: $1" >&2; failures=$((failures + 1)); }; }  # description, command

# The game names its files as "\\game\\facil.sdk" or "\\data\\reglas.htm"; the saved game is not installed.
files=$( (grep -rhoE '[\\]{2}(game|data)[\\]{2}[a-z_]+[.][a-z]+' "$source/app" "$source/help" | tr -s '\\' / &&
    grep -ohE 'href="[a-z_]+[.][a-z]+"' "$source"/data/*.htm | sed 's|href="|/data/|; s|"$||') | sort -u | grep -v partida)
check "the sources name the help pages" grep -q /data/utilizacion.htm <<<"$files"
for file in $files; do
    check "$file is installed" test -s "$data$file"
done
check "no saved game is installed" test ! -e "$data/game/partida.sdk"
check "the programs are installed" test -x "$programs/cuadrix" -a -x "$programs/cuadrix-juego" -a -x "$programs/cuadrix-biblioteca"

check "the launcher is valid" desktop-file-validate "$prefix/share/applications/es.cuadrix.Cuadrix.desktop"
metainfo=$prefix/share/metainfo/es.cuadrix.Cuadrix.metainfo.xml
check "the metainfo is valid" appstreamcli validate --no-net --pedantic "$metainfo"
changes() { dpkg-parsechangelog -l "$source/debian/changelog" -S "$1"; }
check "the metainfo's release is the changelog's" \
    grep -qF "<release version=\"$(changes Version)\" date=\"$(date -ud "$(changes Date)" +%F)\">" "$metainfo"
for size in 16 32 48 64 128 256; do
    check "the ${size}px icon" eval '[[ $(file -b "$prefix/share/icons/hicolor/${size}x$size/apps/cuadrix.png") == *" $size x $size,"* ]]'
done

# man looks for its language folders below the folders of MANPATH, not those of -M.
export MANPATH=$prefix/share/man
for page in cuadrix cuadrix-biblioteca; do
    [ "$3" = system ] && check "man finds $page(6) in English and Spanish" \
        eval '[[ $(man -L C -w $page) == "$MANPATH/man6/$page.6"* && $(man -L es -w $page) == "$MANPATH/es/man6/$page.6"* ]]'
done
((failures == 0))
