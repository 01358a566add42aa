#!/usr/bin/env bash
# Installs the package with apt-get into a clean Debian 12 root made with
# debootstrap, as a player would; starts the game there under Xvfb, saves a
# game, removes the package and checks that the player's folder stays.
# Runs as root (chroot, debootstrap). Usage: tools/probar-paquete.sh [PACKAGE.deb]
# The pristine root is kept in $TABLERIX_RAIZ_DEBIAN (/var/tmp/tablerix-debian12)
# and copied for every run, so each run starts from the same clean system.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
# The game's own packages are not needed here: only the tools around the root.
for orden in debootstrap Xvfb xdotool import; do
  command -v "$orden" >/dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap xvfb xdotool imagemagick
    break
  }
done

paquete=${1:-}
if [ -z "$paquete" ]; then
  paquete=$(ls build/tablerix_*_amd64.deb 2>/dev/null | sort -V | tail -1)
  [ -n "$paquete" ] || { echo "No hay paquete: ejecuta tools/empaquetar.sh" >&2; exit 1; }
fi
base=${TABLERIX_RAIZ_DEBIAN:-/var/tmp/tablerix-debian12}
espejo=$(awk '$1 == "URIs:" {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
espejo=${espejo:-http://deb.debian.org/debian}
if [ ! -x "$base/usr/bin/apt-get" ]; then
  echo "== debootstrap bookworm from $espejo"
  rm -rf "$base.nuevo"
  debootstrap --variant=minbase bookworm "$base.nuevo" "$espejo" >/dev/null
  mv "$base.nuevo" "$base"
fi

raiz=$(mktemp -d /var/tmp/tablerix-raiz.XXXXXX)
xvfb=
juego=
limpiar() {
  [ -z "$juego" ] || kill "$juego" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  umount "$raiz/proc" 2>/dev/null || true
  # Never delete through a mount that is still there.
  if ! grep -q " $raiz/" /proc/mounts; then rm -rf "$raiz"; fi
}
trap limpiar EXIT
cp -a "$base/." "$raiz/"
cp /etc/resolv.conf "$raiz/etc/resolv.conf"
mount -t proc proc "$raiz/proc"

entorno=(env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/games LANG=C.UTF-8)
como_root() {
  chroot "$raiz" "${entorno[@]}" PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive "$@"
}
jugador() { chroot --userspec=jugador:jugador "$raiz" "${entorno[@]}" HOME=/home/jugador "$@"; }
carpeta=/home/jugador/.local/share/tablerix

echo "== apt-get install ./$(basename "$paquete")"
cp "$paquete" "$raiz/tmp/"
# Packages downloaded by an earlier run are kept beside the root, not in it.
archivos=$base.archivos
mkdir -p "$archivos"
cp "$archivos"/. "$raiz/var/cache/apt/archives/" -r
como_root apt-get update -qq
como_root apt-get install -y -qq "/tmp/$(basename "$paquete")" >/dev/null 2>"$raiz/tmp/apt"
cp "$raiz"/var/cache/apt/archives/*.deb "$archivos/"
como_root dpkg -s tablerix | grep -E '^(Package|Version|Status):'
como_root useradd -m jugador
jugador tablerix --version

echo "== the game under Xvfb"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$raiz/tmp/pantalla" &
xvfb=$!
for _ in $(seq 50); do [ -s "$raiz/tmp/pantalla" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$raiz/tmp/pantalla")
# xcb reaches the server through its abstract socket, which the chroot shares.
jugador env DISPLAY="$DISPLAY" tablerix >"$raiz/tmp/salida" 2>&1 &
juego=$!
ventana() { timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }
# Answers every message box ("Tablerix") with its default button until none comes for a while.
responder() {
  local caja
  while caja=$(ventana '^Tablerix$' 3); [ -n "$caja" ]; do
    xdotool windowfocus "$caja" key Return
    sleep 0.5
  done
}
# The splash: a click closes it.
sleep 2
splash=$(timeout 20 xdotool search --sync --onlyvisible --classname tablerix | head -1)
xdotool mousemove --window "$splash" 140 200 click 1
principal=$(ventana '^Tablerix 2\.1$' 20)
[ -n "$principal" ] || { echo "FALLO: no aparece la ventana principal" >&2; exit 1; }
echo "main window up: \"$(xdotool getwindowname "$principal")\""
sleep 3
eval "$(xdotool getwindowgeometry --shell "$principal")"
arriba=$((HEIGHT - 408))  # the client area lies under the menu bar
# Pasar: the computer opens the game, so there is a game worth saving.
xdotool mousemove --window "$principal" 596 $((arriba + 160)) click 1
responder
# Juego > Guardar, and yes to the question.
xdotool mousemove --window "$principal" 20 $((arriba / 2)) click 1
sleep 0.5
xdotool key Down Down Return
responder
import -window root build/probar-paquete.png
como_root ls -l "$carpeta"
[ -f "$raiz$carpeta/Tablerix.ini" ] || { echo "FALLO: no hay partida guardada en $carpeta" >&2; exit 1; }
kill "$juego"
wait "$juego" 2>/dev/null || true
juego=

echo "== apt-get purge tablerix"
como_root apt-get purge -y -qq tablerix >/dev/null 2>"$raiz/tmp/apt"
[ ! -e "$raiz/usr/games/tablerix" ] || { echo "FALLO: el programa sigue instalado" >&2; exit 1; }
[ -f "$raiz$carpeta/Tablerix.ini" ] || { echo "FALLO: la purga borró la partida guardada" >&2; exit 1; }
como_root ls -l "$carpeta"
echo "OK: installed, played, saved in $carpeta, removed; the saved game stays"
