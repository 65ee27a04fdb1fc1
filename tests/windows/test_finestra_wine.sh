#!/bin/sh
# The real window and message box of the Windows program, under Wine on a virtual screen.
#   test_finestra_wine.sh PROGRAM.exe WINEPREFIX SCREENSHOT_FOLDER
# WINEPREFIX is made afresh for the run and used by this test alone: Wine's desktop takes
# its display from the first program of the prefix, which must be one on this screen.
# 1. The no-argument run shows "Form1" (client area 280 x 179 pixels at 96 dpi) while it
#    works, removes it at the end and exits 0 with the three binary files written.
# 2. `compile --finestra` of a scenario that ends in error 1250 shows the box " Errore n.
#    1250" with the default title; Return presses OK, and the run exits 1 with no binary file.
# Xvfb has no window manager, so no title bar is drawn: titles are checked through xdotool.
# Exits 77 (skipped) when a tool is missing.
set -eu
programma=$1
export WINEPREFIX=$2
schermate=$3
export WINEDEBUG=-all

for strumento in wine xvfb-run xdotool import; do
    if ! command -v "$strumento" >/dev/null 2>&1; then
        echo "SKIPPED: $strumento is not installed (packages wine, xvfb, xdotool, imagemagick)"
        exit 77
    fi
done

if [ -z "${COMPILA_SU_XVFB:-}" ]; then
    export COMPILA_SU_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
mkdir -p "$schermate"

fallisci() {
    echo "FAILED: $*"
    exit 1
}

# Waits up to 30 s for a window whose title matches; prints its id.
aspetta_finestra() {
    i=0
    while [ $i -lt 300 ]; do
        id=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
        i=$((i + 1))
    done
    return 1
}

# Its first start takes several seconds: done here, before anything waits for a window.
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w

echo "== the no-argument run shows Form1"
mkdir "$lavoro/incorporato"
wine "$programma" --dir "$lavoro/incorporato" --ritardo-prova 4000 \
    >"$lavoro/incorporato.out" 2>&1 &
pid=$!
finestra=$(aspetta_finestra '^Form1$') || fallisci "no window titled Form1 appeared"
[ "$(xdotool getwindowname "$finestra")" = "Form1" ] || fallisci "title is not Form1"
geometria=$(xdotool getwindowgeometry "$finestra" | sed -n 's/.*Geometry: //p')
[ "$geometria" = "280x179" ] || fallisci "client area is $geometria, not 280x179"
sleep 1
import -window root "$schermate/form1_attendere.png"
stato=0
wait $pid || stato=$?
[ $stato -eq 0 ] || fallisci "the run exited $stato: $(cat "$lavoro/incorporato.out")"
if xdotool search --name '^Form1$' >/dev/null 2>&1; then
    fallisci "Form1 is still there after the run"
fi
for f in Zarvelotimbrasquinoverdaltepa_9402.sim Zarvelotimbrasquinoverdaltepa_9402.dat \
    Zarvelotimbrasquinoverdaltepa_linea.dat; do
    [ -f "$lavoro/incorporato/$f" ] || fallisci "$f was not written"
done

echo "== compile --finestra of a scenario that ends in 1250 shows the box"
mkdir "$lavoro/errore" "$lavoro/errore/uscita"
printf '[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncurvad2, 300, 400\r\n[fine]\r\n' \
    >"$lavoro/errore/Prova_linea.txt"
printf '%s\r\n' '[generale]' 'velocita, 0, 60' 'aderenza, 0, 100' \
    'stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA' '[fine]' \
    'segnale, 0, 2, 3, 1, 0, 0, 0, 0,0,0, 0' >"$lavoro/errore/Prova_7-.txt"
(cd "$lavoro/errore" && exec wine "$programma" compile Prova_linea.txt Prova_7-.txt \
    -o uscita --finestra >../errore.out 2>&1) &
pid=$!
# The default title of a message box: "Error" on English systems, as Wine's is.
casella=$(aspetta_finestra '^Error$') || fallisci "no message box appeared"
sleep 1
import -window root "$schermate/errore_1250.png"
xdotool search --name '^Form1$' >/dev/null 2>&1 || fallisci "Form1 is not shown with the box"
xdotool windowactivate --sync "$casella" >/dev/null 2>&1 || true
xdotool key --window "$casella" Return 2>/dev/null
stato=0
wait $pid || stato=$?
[ $stato -eq 1 ] || fallisci "pressing OK ended the run with $stato, not 1"
grep -q ' Errore n. 1250' "$lavoro/errore.out" || fallisci "no ' Errore n. 1250' reported"
[ -z "$(ls "$lavoro/errore/uscita")" ] || fallisci "binary files written: $(ls "$lavoro/errore/uscita")"

echo "screenshots in $schermate"
