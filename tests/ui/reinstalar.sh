#!/usr/bin/env bash
# reinstalar.sh CMAKE BUILD BINDIR: installs the build into the user's own data
# folder's prefix (--prefix ~/.local, as the README shows) twice; the word list
# the player taught in between must come through the second install intact.
set -euo pipefail
cmake=$1 build=$2 bindir=$3
raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
export HOME=$raiz/casa
unset XDG_DATA_HOME
prefijo=$HOME/.local

"$cmake" --install "$build" --prefix "$prefijo" >/dev/null
carpetas=$("$prefijo/$bindir/tablerix" --carpetas)
jugador=$(sed -n 's/^Tus archivos: //p' <<<"$carpetas")
juego=$(sed -n 's/^Archivos del juego: //p' <<<"$carpetas")
[ -f "$juego/Tablerix.pal" ] || { echo "FALLO: no installed list in '$juego'"; exit 1; }

printf 'CASA\r\nENSEADA\r\n' >"$jugador/Tablerix.pal"
touch -d '2001-01-01' "$jugador/Tablerix.pal"  # older than the shipped one too
"$cmake" --install "$build" --prefix "$prefijo" >/dev/null
if [ "$(cat "$jugador/Tablerix.pal")" != $'CASA\r\nENSEADA\r' ]; then
  echo "FALLO: the reinstall replaced the player's list $jugador/Tablerix.pal"
  exit 1
fi
