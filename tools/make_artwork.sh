#!/usr/bin/env bash
# Draws every picture of the game into app/artwork/ with ImageMagick.
#
#   bash tools/make_artwork.sh
#
# The output is reproducible: no random numbers, no timestamps or other
# metadata are written into the files, and only the DejaVu fonts of the
# fonts-dejavu-core package are used.
#
# Needs: imagemagick (convert), fonts-dejavu-core.

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
# ctext W H X Y TEXT: a -draw primitive that centres TEXT on the point (X,Y)
# of a W x H image (the offsets of "gravity center" are taken from the
# image centre).
ctext() {
    local w=$1 h=$2 x=$3 y=$4 t=$5
    local dx=$(( x - w / 2 )) dy=$(( y - h / 2 ))
    printf "gravity center text %+d,%+d '%s'" "$dx" "$dy" "$t"
}

# ========================================================== splash_fondo.png
# Drawn at 607 x 518, the title picture's size; the splash window (399 x 302)
# shows the region x 72..470, y 120..421 of it, which is all that is stored; the small grid picture covers window
# x 80..311, y 72..223 and the program writes its title across window
# y 216..297 (picture y 336..417), so that band is kept light and plain.
SW=607; SH=518
OX=72;  OY=120            # picture position of the window's top-left pixel

# Background: warm vertical gradient with a faint squared-paper pattern
# aligned to the window (small squares of 24 px, heavier every 72 px).
grid=()
for (( x = OX - 72; x < SW; x += 24 )); do
    if (( (x - OX) % 72 == 0 )); then c='rgba(150,70,30,0.16)'; else c='rgba(150,70,30,0.07)'; fi
    grid+=(-fill none -stroke "$c" -draw "line $x,0 $x,$SH")
done
for (( y = OY - 120; y < SH; y += 24 )); do
    if (( (y - OY) % 72 == 0 )); then c='rgba(150,70,30,0.16)'; else c='rgba(150,70,30,0.07)'; fi
    grid+=(-fill none -stroke "$c" -draw "line 0,$y $SW,$y")
done

# Row of nine tiles with the digits 1..9 across the top of the window
# (window y 22..51), given digits red and bold, the player's black.
tiles=()
T=30; G=8
tx0=$(( OX + (399 - (9 * T + 8 * G)) / 2 ))
ty0=$(( OY + 22 ))
for i in 1 2 3 4 5 6 7 8 9; do
    x0=$(( tx0 + (i - 1) * (T + G) )); x1=$(( x0 + T - 1 ))
    y0=$ty0; y1=$(( ty0 + T - 1 ))
    tiles+=(-stroke none -fill 'rgba(110,40,20,0.22)'
            -draw "roundrectangle $((x0 + 2)),$((y0 + 2)) $((x1 + 2)),$((y1 + 2)) 5,5")
    tiles+=(-stroke "$RUST" -strokewidth 1 -fill white
            -draw "roundrectangle $x0,$y0 $x1,$y1 5,5")
    if (( i % 2 == 1 )); then
        tiles+=(-stroke none -fill "$GIVEN" -font "$SANS_BOLD")
    else
        tiles+=(-stroke none -fill black -font "$SANS")
    fi
    tiles+=(-pointsize 20 -draw "$(ctext $SW $SH $(( x0 + T / 2 )) $(( y0 + T / 2 )) $i)")
done

# Loose tilted tiles on either side of the grid picture.
# loose CX CY ANGLE DIGIT GIVEN(1/0)
loose() {
    local cx=$1 cy=$2 a=$3 d=$4 g=$5 font=$SANS col=black
    (( g )) && { font=$SANS_BOLD; col=$GIVEN; }
    tiles+=(-stroke none -fill 'rgba(110,40,20,0.22)'
            -draw "translate $((cx + 3)),$((cy + 3)) rotate $a roundrectangle -19,-19 19,19 6,6")
    tiles+=(-stroke "$RUST" -strokewidth 1.2 -fill white
            -draw "translate $cx,$cy rotate $a roundrectangle -19,-19 19,19 6,6")
    tiles+=(-stroke none -fill "$col" -font "$font" -pointsize 27
            -draw "translate $cx,$cy rotate $a text -8.5,10 '$d'")
}
loose $(( OX + 38 ))  $(( OY + 108 )) -14 5 1
loose $(( OX + 42 ))  $(( OY + 168 ))   9 8 0
loose $(( OX + 358 )) $(( OY + 104 ))  12 3 0
loose $(( OX + 354 )) $(( OY + 166 )) -8 7 1

# Light ribbon behind the title (window y 222..295) and a double frame
# just inside the window edge.
RY0=$(( OY + 222 )); RY1=$(( OY + 295 ))
ribbon=(-stroke none -fill '#FFF5E8' -draw "rectangle 0,$RY0 $SW,$RY1"
        -fill "$RUST" -draw "rectangle 0,$RY0 $SW,$(( RY0 + 1 ))"
        -draw "rectangle 0,$(( RY1 - 1 )) $SW,$RY1")
frame=(-fill none -stroke "$WINE" -strokewidth 3
       -draw "rectangle $(( OX + 3 )),$(( OY + 3 )) $(( OX + 395 )),$(( OY + 298 ))"
       -stroke "$ORANGE" -strokewidth 1
       -draw "rectangle $(( OX + 7 )),$(( OY + 7 )) $(( OX + 391 )),$(( OY + 294 ))")

convert -size ${SW}x${SH} gradient:'#FFE9D2'-'#F6C590' \
    "${grid[@]}" "${ribbon[@]}" "${tiles[@]}" "${frame[@]}" \
    -crop 399x302+$OX+$OY +repage \
    -depth 8 -define "png:exclude-chunks=date,time" -define png:color-type=2 "${META[@]}" \
    "$out/splash_fondo.png"

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
board=(-stroke none -fill "$WINE" -draw "rectangle $BX0,$BY0 $(( BX0 + 139 )),$(( BY0 + 139 ))"
       -fill "$WIN" -draw "rectangle $(( BX0 + 2 )),$(( BY0 + 2 )) $(( BX0 + 137 )),$(( BY0 + 137 ))")
# box lines
for k in 1 2; do
    p=$(( $(pos $(( 3 * k + 1 ))) - 2 ))
    board+=(-fill "$RUST" -draw "rectangle $(( BX0 + p )),$(( BY0 + 2 )) $(( BX0 + p + 1 )),$(( BY0 + 137 ))"
            -draw "rectangle $(( BX0 + 2 )),$(( BY0 + p )) $(( BX0 + 137 )),$(( BY0 + p + 1 ))")
done
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
for r in 1 2 3 4 5 6 7 8 9; do
    read -r -a cells <<< "${rows[r-1]}"
    for c in 1 2 3 4 5 6 7 8 9; do
        x0=$(( BX0 + $(pos "$c") )); y0=$(( BY0 + $(pos "$r") ))
        bg="${back["$r $c"]:-white}"
        board+=(-fill "$bg" -draw "rectangle $x0,$y0 $(( x0 + C - 1 )),$(( y0 + C - 1 ))")
        d="${cells[c-1]}"
        if [[ "$d" != "." ]]; then
            board+=(-fill "$GIVEN" -font "$SANS_BOLD" -pointsize 11
                    -draw "$(ctext $GW $GH $(( x0 + C / 2 )) $(( y0 + C / 2 )) "$d")")
        fi
    done
done
for p in "${player[@]}"; do
    read -r r c d <<< "$p"
    x0=$(( BX0 + $(pos "$c") )); y0=$(( BY0 + $(pos "$r") ))
    board+=(-fill black -font "$SANS" -pointsize 11
            -draw "$(ctext $GW $GH $(( x0 + C / 2 )) $(( y0 + C / 2 )) "$d")")
done

convert -size ${GW}x${GH} xc:none "${board[@]}" \
    -channel A -threshold 50% +channel \
    +dither -colors 128 "${PNG[@]}" \
    "$out/splash_tablero.png"

# ============================================================ program icon
# A box of the board: white cells on the window's warm colour inside a
# dark red rounded frame, a red given digit in the middle and two of the
# player's digits.
# icon SIZE R0 R1 RADIUS BORDER CELL0 CELL GAP PT PT2 OUTFILE
# (PT: size of the red digit, PT2: size of the black ones, 0 for none)
icon() {
    local s=$1 r0=$2 r1=$3 rad=$4 bw=$5 c0=$6 cs=$7 gap=$8 pt=$9 pt2=${10} file=${11}
    local d=()
    d+=(-stroke none -fill "$WINE" -draw "roundrectangle $r0,$r0 $r1,$r1 $rad,$rad")
    local irad=$(( rad - bw )); (( irad < 1 )) && irad=1
    d+=(-fill "$WIN" -draw "roundrectangle $(( r0 + bw )),$(( r0 + bw )) $(( r1 - bw )),$(( r1 - bw )) $irad,$irad")
    local r c x y
    for r in 0 1 2; do
        for c in 0 1 2; do
            x=$(( c0 + c * (cs + gap) )); y=$(( c0 + r * (cs + gap) ))
            d+=(-fill white -draw "rectangle $x,$y $(( x + cs - 1 )),$(( y + cs - 1 ))")
        done
    done
    local mid=$(( c0 + (cs + gap) + cs / 2 ))
    d+=(-fill "$GIVEN" -font "$SANS_BOLD" -pointsize "$pt"
        -draw "$(ctext "$s" "$s" "$mid" "$mid" 9)")
    if (( pt2 > 0 )); then
        local a=$(( c0 + cs / 2 )) b=$(( c0 + 2 * (cs + gap) + cs / 2 ))
        d+=(-fill black -font "$SANS" -pointsize "$pt2"
            -draw "$(ctext "$s" "$s" "$b" "$a" 4)" -draw "$(ctext "$s" "$s" "$a" "$b" 2)")
    fi
    convert -size "${s}x${s}" xc:none "${d[@]}" "${PNG[@]}" "$file"
}
icon 256 8 247 40 10 40 54 7 58 44 "$work/icon256.png"
icon 48  0 47   8  2  6 10 3 13  0 "$work/icon48.png"
icon 52  0 51   9  2  7 11 3 14  0 "$work/icon52.png"
cp "$work/icon256.png" "$out/cuadrix.png"
cp "$work/icon48.png"  "$out/cuadrix-48.png"
cp "$work/icon52.png"  "$out/acerca.png"
# The launcher icon in the other sizes of the desktop's icon theme.
for size in 16 32; do
    convert "$work/icon48.png" -filter Lanczos -resize "${size}x${size}" "${PNG[@]}" "$out/cuadrix-$size.png"
done
for size in 64 128; do
    convert "$work/icon256.png" -filter Lanczos -resize "${size}x${size}" "${PNG[@]}" "$out/cuadrix-$size.png"
done

# ========================================================== toolbar images
# 24 x 24, transparent, drawn on the pixel grid (ImageMagick puts pixel
# centres on whole coordinates, so 1-pixel lines use whole numbers): dark
# red-brown outlines, cream paper, warm orange and amber, and the game's
# red for given digits.
tb() {  # tb FILE draw-args...
    local file=$1; shift
    convert -size 24x24 xc:none "$@" "${PNG[@]}" "$file"
}
# A small 3 x 3 board (a paper square with its grid, 16 x 16 pixels, cells
# of 4 x 4) with its top-left pixel at (x,y); dots stand for digits.  Its
# drawing commands are left in the array MB.
miniboard() {
    local x=$1 y=$2
    MB=(-stroke "$DARK" -strokewidth 1 -fill "$CREAM"
        -draw "rectangle $x,$y $(( x + 15 )),$(( y + 15 ))"
        -stroke "$RUST"
        -draw "line $(( x + 5 )),$(( y + 1 )) $(( x + 5 )),$(( y + 14 ))"
        -draw "line $(( x + 10 )),$(( y + 1 )) $(( x + 10 )),$(( y + 14 ))"
        -draw "line $(( x + 1 )),$(( y + 5 )) $(( x + 14 )),$(( y + 5 ))"
        -draw "line $(( x + 1 )),$(( y + 10 )) $(( x + 14 )),$(( y + 10 ))"
        -stroke none -fill "$GIVEN"
        -draw "rectangle $(( x + 2 )),$(( y + 2 )) $(( x + 3 )),$(( y + 3 ))"
        -draw "rectangle $(( x + 12 )),$(( y + 7 )) $(( x + 13 )),$(( y + 8 ))"
        -draw "rectangle $(( x + 2 )),$(( y + 12 )) $(( x + 3 )),$(( y + 13 ))"
        -fill black
        -draw "rectangle $(( x + 7 )),$(( y + 12 )) $(( x + 8 )),$(( y + 13 ))")
}

# nuevo: the small board with an amber star at its top right corner.
miniboard 1 7
tb "$out/nuevo.png" "${MB[@]}" \
    -stroke "$DARK" -strokewidth 1 -fill "$AMBER" \
    -draw "polygon 18,0 19.6,4.4 24,6 19.6,7.6 18,12 16.4,7.6 12,6 16.4,4.4"

# solucionar: the small board with a green tick across it.
miniboard 1 7
tb "$out/solucionar.png" "${MB[@]}" \
    -fill none -stroke "$DARK" -strokewidth 5 \
    -draw "stroke-linecap round stroke-linejoin round polyline 8,15 12,19 21,5" \
    -stroke "$GREEN" -strokewidth 2.6 \
    -draw "stroke-linecap round stroke-linejoin round polyline 8,15 12,19 21,5"

# buscar_errores: a magnifier over the board; its lens shows a cell in the
# game's error colour.
miniboard 1 1
tb "$out/buscar_errores.png" "${MB[@]}" \
    -stroke "$DARK" -strokewidth 5 -draw "stroke-linecap round line 17,17 21,21" \
    -stroke "$ORANGE" -strokewidth 2.6 -draw "stroke-linecap round line 17,17 21,21" \
    -stroke "$DARK" -strokewidth 1.6 -fill "$LRED" -draw "circle 13,13 13,7" \
    -stroke none -fill "$GIVEN" -draw "rectangle 12,12 14,14"

# guardar: a diskette.
tb "$out/guardar.png" \
    -stroke "$DARK" -strokewidth 1 -fill "$WINE" \
    -draw "path 'M 2,4 Q 2,2 4,2 L 19,2 L 22,5 L 22,20 Q 22,22 20,22 L 4,22 Q 2,22 2,20 Z'" \
    -fill '#E9DCCB' -draw "rectangle 6,2 17,8" \
    -stroke none -fill "$WINE" -draw "rectangle 13,4 15,6" \
    -stroke "$DARK" -fill "$CREAM" -draw "rectangle 5,12 19,22" \
    -stroke "$RUST" -draw "line 7,15 17,15" -draw "line 7,18 17,18"

# cargar: an open folder holding a sheet of the board.
tb "$out/cargar.png" \
    -stroke "$DARK" -strokewidth 1 -fill "$ORANGE" \
    -draw "path 'M 1,21 L 1,4 L 8,4 L 10,6 L 20,6 L 20,21 Z'" \
    -fill "$CREAM" -draw "rectangle 5,8 18,18" \
    -stroke "$RUST" -draw "line 9,9 9,17" -draw "line 14,9 14,17" -draw "line 6,12 17,12" \
    -stroke none -fill "$GIVEN" -draw "rectangle 6,9 8,11" \
    -stroke "$DARK" -fill "$AMBER" \
    -draw "path 'M 1,21 L 5,12 L 23,12 L 19,21 Z'"

# ================================================================= summary
ls -l "$out"
