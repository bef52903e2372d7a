#!/usr/bin/env bash
# Draws every picture of the game into app/artwork/ with ImageMagick.
#
#   bash tools/make_artwork.sh
#
# The toolbar images, the splash pictures and the About picture are also drawn
# at twice the size, as NAME@2x.png beside NAME.png: Qt shows those on a screen
# with a device pixel ratio of 2 instead of enlarging the small ones.
#
# The output is reproducible: no random numbers, no timestamps or other
# metadata are written into the files, and only the DejaVu fonts of the
# fonts-dejavu-core package are used.
#
# Needs: imagemagick (convert), fonts-dejavu-core.
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$here/../app/artwork"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

fontdir=/usr/share/fonts/truetype/dejavu
SANS="$fontdir/DejaVuSans.ttf"
SANS_BOLD="$fontdir/DejaVuSans-Bold.ttf"
SERIF_BOLD="$fontdir/DejaVuSerif-Bold.ttf"
for f in "$SANS" "$SANS_BOLD" "$SERIF_BOLD"; do
    [[ -r "$f" ]] || { echo "missing font $f (install fonts-dejavu-core)" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "convert not found (install imagemagick)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Same results whatever the machine's settings.
export LC_ALL=C
export MAGICK_THREAD_LIMIT=1

# Metadata switches: no dates, no comments, no profiles.
META=(+set date:create +set date:modify +set comment -strip)
PNG=(-depth 8 -define "png:exclude-chunks=date,time" -define png:color-type=6 "${META[@]}")

# ---------------------------------------------------------------- palette ---
WIN='#FFE0C0'      # window background of the game (255,224,192)
DARK='#5C1A12'     # outlines: a dark red-brown
WINE='#8E2A1E'     # dark red: frames and borders
RUST='#B5533A'     # softer red-brown: inner lines
GIVEN='#E01010'    # given digits (red)
ORANGE='#E8772E'
AMBER='#F4A93F'
CREAM='#FFF7EC'
LRED='#FFC0C0'     # error / corrected cell (255,192,192)
LGREEN='#C0FFC0'   # right digit after solving (192,255,192)
GREEN='#2E8B3A'
FOCUS='#D8D2CA'    # focus highlight (a neutral grey)

# ------------------------------------------------------------------ helpers -
# The drawings are written in the pixels of the 1x picture.  A drawing
# function takes the scale S (1 or 2) as its first argument and keeps it in a
# local variable S, which the helpers below read to turn those numbers into
# the pixels of the picture at that scale.  ImageMagick puts pixel centres on
# whole coordinates, and a filled shape without outline covers the pixels
# whose centres lie inside it or on its edge; so:
#   pt TEXT     every number in TEXT is a point (a pixel centre, the end of a
#               line, a corner of an outline) and becomes the centre of that
#               pixel's S x S block: S*N + (S-1)/2.
#   len TEXT    every number in TEXT is a length (line width, radius, font
#               size, offset from a translated origin): S*N.
#   box X0,Y0 X1,Y1
#               the corners of a filled shape without outline covering the
#               pixels X0..X1, Y0..Y1: it covers the S x S blocks of those.
# Angles are not scaled: they stay outside these helpers.

# scaled A H TEXT: sets REPLY to TEXT with every number N (with at most one
# decimal) replaced by A*N + H/2.  Plain bash, worked in tenths, and no
# output: it runs a few hundred times, and a process for each would slow the
# script down.
scaled() {
    local a=$1 h=$2 rest=$3 res='' n m t
    while [[ $rest =~ -?[0-9]+(\.[0-9])? ]]; do
        n=${BASH_REMATCH[0]}
        res+=${rest%%"$n"*}; rest=${rest#*"$n"}
        m=${n#-}; m=${m/./}; [[ $n == *.* ]] || m+=0     # |N| in tenths
        t=$(( a * 10#$m )); [[ $n == -* ]] && t=$(( -t ))
        t=$(( t + 5 * h ))                                 # the result in tenths
        (( t < 0 )) && { res+=-; t=$(( -t )); }
        res+=$(( t / 10 )); (( t % 10 )) && res+=.$(( t % 10 ))
    done
    REPLY=$res$rest
}
pt()  { scaled "$S" $(( S - 1 )) "$*"; echo "$REPLY"; }
len() { scaled "$S" 0 "$*"; echo "$REPLY"; }
box() {
    scaled "$S" 0 "$1"; local corner0=$REPLY
    scaled "$S" $(( 2 * (S - 1) )) "$2"; echo "$corner0 $REPLY"
}

# file NAME S: the file of picture NAME at scale S (NAME.png, NAME@2x.png).
file() {
    if (( $2 == 1 )); then echo "$out/$1.png"; else echo "$out/$1@${2}x.png"; fi
}

# ctext W H X Y TEXT: a -draw primitive that centres TEXT on the point (X,Y)
# of a W x H image (the offsets of "gravity center" are taken from the
# image centre).  W, H, X and Y are 1x pixels; the offsets are scaled by S.
ctext() {
    local w=$1 h=$2 x=$3 y=$4 t=$5
    local dx=$(( S * (x - w / 2) )) dy=$(( S * (y - h / 2) ))
    printf "gravity center text %+d,%+d '%s'" "$dx" "$dy" "$t"
}

# ========================================================== splash_fondo.png
# Drawn at 607 x 518, the title picture's size; the splash window (399 x 302)
# shows the region x 72..470, y 120..421 of it, which is all that is stored; the small grid picture covers window
# x 80..311, y 72..223 and the program writes its title across window
# y 216..297 (picture y 336..417), so that band is kept light and plain.
SW=607; SH=518
OX=72;  OY=120            # picture position of the window's top-left pixel

splash_fondo() {  # splash_fondo S
    local S=$1 x y c i x0 x1 y0 y1

    # Background: warm vertical gradient with a faint squared-paper pattern
    # aligned to the window (small squares of 24 px, heavier every 72 px).
    local grid=()
    for (( x = OX - 72; x < SW; x += 24 )); do
        if (( (x - OX) % 72 == 0 )); then c='rgba(150,70,30,0.16)'; else c='rgba(150,70,30,0.07)'; fi
        grid+=(-fill none -stroke "$c" -strokewidth "$(len 1)" -draw "line $(pt $x,0 $x,$SH)")
    done
    for (( y = OY - 120; y < SH; y += 24 )); do
        if (( (y - OY) % 72 == 0 )); then c='rgba(150,70,30,0.16)'; else c='rgba(150,70,30,0.07)'; fi
        grid+=(-fill none -stroke "$c" -strokewidth "$(len 1)" -draw "line $(pt 0,$y $SW,$y)")
    done

    # Row of nine tiles with the digits 1..9 across the top of the window
    # (window y 22..51), given digits red and bold, the player's black.
    local tiles=()
    local T=30 G=8
    local tx0=$(( OX + (399 - (9 * T + 8 * G)) / 2 ))
    local ty0=$(( OY + 22 ))
    for i in 1 2 3 4 5 6 7 8 9; do
        x0=$(( tx0 + (i - 1) * (T + G) )); x1=$(( x0 + T - 1 ))
        y0=$ty0; y1=$(( ty0 + T - 1 ))
        tiles+=(-stroke none -fill 'rgba(110,40,20,0.22)'
                -draw "roundrectangle $(box $((x0 + 2)),$((y0 + 2)) $((x1 + 2)),$((y1 + 2))) $(len 5,5)")
        tiles+=(-stroke "$RUST" -strokewidth "$(len 1)" -fill white
                -draw "roundrectangle $(pt $x0,$y0 $x1,$y1) $(len 5,5)")
        if (( i % 2 == 1 )); then
            tiles+=(-stroke none -fill "$GIVEN" -font "$SANS_BOLD")
        else
            tiles+=(-stroke none -fill black -font "$SANS")
        fi
        tiles+=(-pointsize "$(len 20)" -draw "$(ctext $SW $SH $(( x0 + T / 2 )) $(( y0 + T / 2 )) $i)")
    done

    # Loose tilted tiles on either side of the grid picture.
    loose $(( OX + 38 ))  $(( OY + 108 )) -14 5 1
    loose $(( OX + 42 ))  $(( OY + 168 ))   9 8 0
    loose $(( OX + 358 )) $(( OY + 104 ))  12 3 0
    loose $(( OX + 354 )) $(( OY + 166 )) -8 7 1

    # Light ribbon behind the title (window y 222..295) and a double frame
    # just inside the window edge.
    local RY0=$(( OY + 222 )) RY1=$(( OY + 295 ))
    local ribbon=(-stroke none -fill '#FFF5E8' -draw "rectangle $(box 0,$RY0 $SW,$RY1)"
                  -fill "$RUST" -draw "rectangle $(box 0,$RY0 $SW,$(( RY0 + 1 )))"
                  -draw "rectangle $(box 0,$(( RY1 - 1 )) $SW,$RY1)")
    local frame=(-fill none -stroke "$WINE" -strokewidth "$(len 3)"
                 -draw "rectangle $(pt $(( OX + 3 )),$(( OY + 3 )) $(( OX + 395 )),$(( OY + 298 )))"
                 -stroke "$ORANGE" -strokewidth "$(len 1)"
                 -draw "rectangle $(pt $(( OX + 7 )),$(( OY + 7 )) $(( OX + 391 )),$(( OY + 294 )))")

    convert -size $(( S * SW ))x$(( S * SH )) gradient:'#FFE9D2'-'#F6C590' \
        "${grid[@]}" "${ribbon[@]}" "${tiles[@]}" "${frame[@]}" \
        -crop $(( S * 399 ))x$(( S * 302 ))+$(( S * OX ))+$(( S * OY )) +repage \
        -depth 8 -define "png:exclude-chunks=date,time" -define png:color-type=2 "${META[@]}" \
        "$(file splash_fondo "$S")"
}

# loose CX CY ANGLE DIGIT GIVEN(1/0): a tilted tile centred on (CX,CY), added
# to the array tiles of splash_fondo.
loose() {
    local cx=$1 cy=$2 a=$3 d=$4 g=$5 font=$SANS col=black
    (( g )) && { font=$SANS_BOLD; col=$GIVEN; }
    tiles+=(-stroke none -fill 'rgba(110,40,20,0.22)'
            -draw "translate $(pt $((cx + 3)),$((cy + 3))) rotate $a roundrectangle $(len -19,-19 19,19 6,6)")
    tiles+=(-stroke "$RUST" -strokewidth "$(len 1.2)" -fill white
            -draw "translate $(pt $cx,$cy) rotate $a roundrectangle $(len -19,-19 19,19 6,6)")
    tiles+=(-stroke none -fill "$col" -font "$font" -pointsize "$(len 27)"
            -draw "translate $(pt $cx,$cy) rotate $a text $(len -8.5,10) '$d'")
}

# ======================================================== splash_tablero.png
# 232 x 152: a 9 x 9 board like the game's (white cells, warm gaps, wider
# gaps between the boxes) holding a few digits and the game's cell colours.
# Everything outside the board is transparent.
GW=232; GH=152
C=14                     # cell size
BX0=49; BY0=6            # top-left corner of the board's outer border
# layout: border 2, then per box 3 cells of 14 with 1-pixel lines, boxes
# separated by 2-pixel lines: 2 + 3*44 + 2*2 + 2 = 140.
pos() {  # pos N -> pixel offset of cell column/row N (1..9) from the board
    local n=$1
    echo $(( 2 + (n - 1) * (C + 1) + ((n - 1) / 3) * 1 ))
}
# puzzle: row strings, "." empty, digit = given, lower-case letters a..i =
# the player's digits 1..9.  Cell colours by position below.
rows=(
    "3 . 8 . . 7 . . ."
    ". . 4 . 5 . . 8 ."
    ". 5 . . . 3 . . 7"
    "5 . . 3 . . . 7 ."
    ". . 3 . 9 . 8 . ."
    ". 9 . . . 5 . . 6"
    "8 . . 6 . . . 2 ."
    ". . 6 . 1 . . 5 ."
    ". 1 . . 3 . 7 . 4"
)
player=( "1 2 6" "2 1 7" "3 1 1" "4 2 8" "5 4 7" "6 4 1" "7 6 4" "9 1 9" )
declare -A back=( ["1 2"]="$LGREEN" ["3 1"]="$LGREEN" ["6 4"]="$LRED" ["5 4"]="$FOCUS" )

splash_tablero() {  # splash_tablero S
    local S=$1 k p r c d x0 y0 bg cells
    local board=(-stroke none -fill "$WINE" -draw "rectangle $(box $BX0,$BY0 $(( BX0 + 139 )),$(( BY0 + 139 )))"
                 -fill "$WIN" -draw "rectangle $(box $(( BX0 + 2 )),$(( BY0 + 2 )) $(( BX0 + 137 )),$(( BY0 + 137 )))")
    # box lines
    for k in 1 2; do
        p=$(( $(pos $(( 3 * k + 1 ))) - 2 ))
        board+=(-fill "$RUST" -draw "rectangle $(box $(( BX0 + p )),$(( BY0 + 2 )) $(( BX0 + p + 1 )),$(( BY0 + 137 )))"
                -draw "rectangle $(box $(( BX0 + 2 )),$(( BY0 + p )) $(( BX0 + 137 )),$(( BY0 + p + 1 )))")
    done
    for r in 1 2 3 4 5 6 7 8 9; do
        read -r -a cells <<< "${rows[r-1]}"
        for c in 1 2 3 4 5 6 7 8 9; do
            x0=$(( BX0 + $(pos "$c") )); y0=$(( BY0 + $(pos "$r") ))
            bg="${back["$r $c"]:-white}"
            board+=(-fill "$bg" -draw "rectangle $(box $x0,$y0 $(( x0 + C - 1 )),$(( y0 + C - 1 )))")
            d="${cells[c-1]}"
            if [[ "$d" != "." ]]; then
                board+=(-fill "$GIVEN" -font "$SANS_BOLD" -pointsize "$(len 11)"
                        -draw "$(ctext $GW $GH $(( x0 + C / 2 )) $(( y0 + C / 2 )) "$d")")
            fi
        done
    done
    for p in "${player[@]}"; do
        read -r r c d <<< "$p"
        x0=$(( BX0 + $(pos "$c") )); y0=$(( BY0 + $(pos "$r") ))
        board+=(-fill black -font "$SANS" -pointsize "$(len 11)"
                -draw "$(ctext $GW $GH $(( x0 + C / 2 )) $(( y0 + C / 2 )) "$d")")
    done

    convert -size $(( S * GW ))x$(( S * GH )) xc:none "${board[@]}" \
        -channel A -threshold 50% +channel \
        +dither -colors 128 "${PNG[@]}" \
        "$(file splash_tablero "$S")"
}

for scale in 1 2; do
    splash_fondo "$scale"
    splash_tablero "$scale"
done

# ============================================================ program icon
# A box of the board: white cells on the window's warm colour inside a
# dark red rounded frame, a red given digit in the middle and two of the
# player's digits.
# icon S SIZE R0 R1 RADIUS BORDER CELL0 CELL GAP PT PT2 OUTFILE
# (PT: size of the red digit, PT2: size of the black ones, 0 for none)
icon() {
    local S=$1 s=$2 r0=$3 r1=$4 rad=$5 bw=$6 c0=$7 cs=$8 gap=$9 pt=${10} pt2=${11} file=${12}
    local d=()
    d+=(-stroke none -fill "$WINE" -draw "roundrectangle $(box $r0,$r0 $r1,$r1) $(len $rad,$rad)")
    local irad=$(( rad - bw )); (( irad < 1 )) && irad=1
    d+=(-fill "$WIN" -draw "roundrectangle $(box $(( r0 + bw )),$(( r0 + bw )) $(( r1 - bw )),$(( r1 - bw ))) $(len $irad,$irad)")
    local r c x y
    for r in 0 1 2; do
        for c in 0 1 2; do
            x=$(( c0 + c * (cs + gap) )); y=$(( c0 + r * (cs + gap) ))
            d+=(-fill white -draw "rectangle $(box $x,$y $(( x + cs - 1 )),$(( y + cs - 1 )))")
        done
    done
    local mid=$(( c0 + (cs + gap) + cs / 2 ))
    d+=(-fill "$GIVEN" -font "$SANS_BOLD" -pointsize "$(len "$pt")"
        -draw "$(ctext "$s" "$s" "$mid" "$mid" 9)")
    if (( pt2 > 0 )); then
        local a=$(( c0 + cs / 2 )) b=$(( c0 + 2 * (cs + gap) + cs / 2 ))
        d+=(-fill black -font "$SANS" -pointsize "$(len "$pt2")"
            -draw "$(ctext "$s" "$s" "$b" "$a" 4)" -draw "$(ctext "$s" "$s" "$a" "$b" 2)")
    fi
    convert -size "$(( S * s ))x$(( S * s ))" xc:none "${d[@]}" "${PNG[@]}" "$file"
}
icon 1 256 8 247 40 10 40 54 7 58 44 "$work/icon256.png"
icon 1 48  0 47   8  2  6 10 3 13  0 "$work/icon48.png"
cp "$work/icon256.png" "$out/cuadrix.png"
cp "$work/icon48.png"  "$out/cuadrix-48.png"
# The launcher icon in the other sizes of the desktop's icon theme.
for size in 16 32; do
    convert "$work/icon48.png" -filter Lanczos -resize "${size}x${size}" "${PNG[@]}" "$out/cuadrix-$size.png"
done
for size in 64 128; do
    convert "$work/icon256.png" -filter Lanczos -resize "${size}x${size}" "${PNG[@]}" "$out/cuadrix-$size.png"
done
# The About box's picture.
for scale in 1 2; do
    icon "$scale" 52 0 51 9 2 7 11 3 14 0 "$(file acerca "$scale")"
done

# ========================================================== toolbar images
# 24 x 24, transparent, drawn on the pixel grid (ImageMagick puts pixel
# centres on whole coordinates, so 1-pixel lines use whole numbers): dark
# red-brown outlines, cream paper, warm orange and amber, and the game's
# red for given digits.
tb() {  # tb NAME draw-args...: the image NAME at the scale S of the caller
    local name=$1; shift
    convert -size $(( S * 24 ))x$(( S * 24 )) xc:none "$@" "${PNG[@]}" "$(file "$name" "$S")"
}
# A small 3 x 3 board (a paper square with its grid, 16 x 16 pixels, cells
# of 4 x 4) with its top-left pixel at (x,y); dots stand for digits.  Its
# drawing commands are left in the array MB.
miniboard() {
    local x=$1 y=$2
    MB=(-stroke "$DARK" -strokewidth "$(len 1)" -fill "$CREAM"
        -draw "rectangle $(pt $x,$y $(( x + 15 )),$(( y + 15 )))"
        -stroke "$RUST"
        -draw "line $(pt $(( x + 5 )),$(( y + 1 )) $(( x + 5 )),$(( y + 14 )))"
        -draw "line $(pt $(( x + 10 )),$(( y + 1 )) $(( x + 10 )),$(( y + 14 )))"
        -draw "line $(pt $(( x + 1 )),$(( y + 5 )) $(( x + 14 )),$(( y + 5 )))"
        -draw "line $(pt $(( x + 1 )),$(( y + 10 )) $(( x + 14 )),$(( y + 10 )))"
        -stroke none -fill "$GIVEN"
        -draw "rectangle $(box $(( x + 2 )),$(( y + 2 )) $(( x + 3 )),$(( y + 3 )))"
        -draw "rectangle $(box $(( x + 12 )),$(( y + 7 )) $(( x + 13 )),$(( y + 8 )))"
        -draw "rectangle $(box $(( x + 2 )),$(( y + 12 )) $(( x + 3 )),$(( y + 13 )))"
        -fill black
        -draw "rectangle $(box $(( x + 7 )),$(( y + 12 )) $(( x + 8 )),$(( y + 13 )))")
}

toolbar_images() {  # toolbar_images S
    local S=$1

    # nuevo: the small board with an amber star at its top right corner.
    miniboard 1 7
    tb nuevo "${MB[@]}" \
        -stroke "$DARK" -strokewidth "$(len 1)" -fill "$AMBER" \
        -draw "polygon $(pt 18,0 19.6,4.4 24,6 19.6,7.6 18,12 16.4,7.6 12,6 16.4,4.4)"

    # solucionar: the small board with a green tick across it.
    miniboard 1 7
    tb solucionar "${MB[@]}" \
        -fill none -stroke "$DARK" -strokewidth "$(len 5)" \
        -draw "stroke-linecap round stroke-linejoin round polyline $(pt 8,15 12,19 21,5)" \
        -stroke "$GREEN" -strokewidth "$(len 2.6)" \
        -draw "stroke-linecap round stroke-linejoin round polyline $(pt 8,15 12,19 21,5)"

    # buscar_errores: a magnifier over the board; its lens shows a cell in the
    # game's error colour.
    miniboard 1 1
    tb buscar_errores "${MB[@]}" \
        -stroke "$DARK" -strokewidth "$(len 5)" -draw "stroke-linecap round line $(pt 17,17 21,21)" \
        -stroke "$ORANGE" -strokewidth "$(len 2.6)" -draw "stroke-linecap round line $(pt 17,17 21,21)" \
        -stroke "$DARK" -strokewidth "$(len 1.6)" -fill "$LRED" -draw "circle $(pt 13,13 13,7)" \
        -stroke none -fill "$GIVEN" -draw "rectangle $(box 12,12 14,14)"

    # guardar: a diskette.
    tb guardar \
        -stroke "$DARK" -strokewidth "$(len 1)" -fill "$WINE" \
        -draw "path '$(pt M 2,4 Q 2,2 4,2 L 19,2 L 22,5 L 22,20 Q 22,22 20,22 L 4,22 Q 2,22 2,20 Z)'" \
        -fill '#E9DCCB' -draw "rectangle $(pt 6,2 17,8)" \
        -stroke none -fill "$WINE" -draw "rectangle $(box 13,4 15,6)" \
        -stroke "$DARK" -fill "$CREAM" -draw "rectangle $(pt 5,12 19,22)" \
        -stroke "$RUST" -draw "line $(pt 7,15 17,15)" -draw "line $(pt 7,18 17,18)"

    # cargar: an open folder holding a sheet of the board.
    tb cargar \
        -stroke "$DARK" -strokewidth "$(len 1)" -fill "$ORANGE" \
        -draw "path '$(pt M 1,21 L 1,4 L 8,4 L 10,6 L 20,6 L 20,21 Z)'" \
        -fill "$CREAM" -draw "rectangle $(pt 5,8 18,18)" \
        -stroke "$RUST" -draw "line $(pt 9,9 9,17)" -draw "line $(pt 14,9 14,17)" -draw "line $(pt 6,12 17,12)" \
        -stroke none -fill "$GIVEN" -draw "rectangle $(box 6,9 8,11)" \
        -stroke "$DARK" -fill "$AMBER" \
        -draw "path '$(pt M 1,21 L 5,12 L 23,12 L 19,21 Z)'"
}
for scale in 1 2; do
    toolbar_images "$scale"
done

# ================================================================= summary
ls -l "$out"
