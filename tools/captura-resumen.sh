#!/usr/bin/env bash
# Pictures the game report as it opens by itself at the end of the seeded game
# tablerix_captura plays by recommendations (with "Ver › Resumen al terminar"
# on, as it is unless switched off), window frame included, with one turn
# selected. Run under a display of its own:
#   xvfb-run -a -s "-screen 0 1600x1000x24" tools/captura-resumen.sh docs/screenshot-resumen.png
# Usage: captura-resumen.sh FILE.png [SIZE] [ROW_Y]  (ROW_Y: the row clicked,
# in pixels from the window's top; none keeps the first turn selected)
set -euo pipefail
cd "$(dirname "$0")/.."
archivo=$1 tamano=${2:-100} fila=${3:-}
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  gestor=$!
  sleep 1
fi
build/src/ui/tablerix_captura "$(mktemp --suffix=.png)" 200 "$tamano" >/dev/null &
juego=$!
ventana=
for _ in $(seq 300); do
  ventana=$(xdotool search --name '^Resumen de la partida$' 2>/dev/null | head -1 || true)
  [ -n "$ventana" ] && break
  sleep 1
done
[ -n "$ventana" ] || { echo "the report never opened" >&2; exit 1; }
sleep 2
eval "$(xdotool getwindowgeometry --shell "$ventana")"
if [ -n "$fila" ]; then
  xdotool mousemove $((X + 150)) $((Y + fila)) click 1 mousemove $((X + 500)) $((Y + 600))
  sleep 1
fi
# The frame is the window manager's parent of the report's window.
marco=$(xwininfo -tree -id "$ventana" | awk '/Parent window id/ {print $4}')
[ -n "${gestor:-}" ] || marco=$ventana
zona=$(xwininfo -id "$marco" | awk '/upper-left X/ {x=$4} /upper-left Y/ {y=$4}
  /Width/ {w=$2} /Height/ {h=$2} END {print w "x" h "+" x "+" y}')
import -window root -crop "$zona" +repage "$archivo"
kill "$juego" ${gestor:+"$gestor"}
