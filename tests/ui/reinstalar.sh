#!/usr/bin/env bash
# reinstalar.sh CMAKE BUILD BINDIR: installs the build into the user's own data
# folder's prefix (--prefix ~/.local, as the README shows) twice. The player's
# files get a folder of their own; the saved game and word list an earlier
# version kept beside the shipped files are brought there once; the list the
# player changes between the installs comes through the second one intact.
set -euo pipefail
cmake=$1 build=$2 bindir=$3
raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
export HOME=$raiz/casa
unset XDG_DATA_HOME
prefijo=$HOME/.local
antigua=$prefijo/share/tablerix
fallo() { echo "FALLO: $*"; exit 1; }
carpetas() { "$prefijo/$bindir/tablerix" --carpetas; }

"$cmake" --install "$build" --prefix "$prefijo" >/dev/null
printf 'partida' >"$antigua/Tablerix.ini"
printf 'CASA\r\nENSEADA\r\n' >"$antigua/Tablerix.pal"
salida=$(carpetas)
jugador=$(sed -n 's/^Tus archivos: //p' <<<"$salida")
juego=$(sed -n 's/^Archivos del juego: //p' <<<"$salida")
[ "$juego" = "$antigua" ] || fallo "the shipped files are read from '$juego'"
[ "$jugador" = "$antigua/jugador" ] || fallo "the player's folder is '$jugador'"
[ "$(cat "$jugador/Tablerix.ini")" = partida ] && [ ! -e "$antigua/Tablerix.ini" ] ||
  fallo "the saved game was not moved"
cmp -s "$antigua/Tablerix.pal" "$jugador/Tablerix.pal" || fallo "the list was not copied"

printf 'CASA\r\nENSEADA\r\nMAR\r\n' >"$jugador/Tablerix.pal"
touch -d '2001-01-01' "$jugador/Tablerix.pal"  # older than the shipped one too
"$cmake" --install "$build" --prefix "$prefijo" >/dev/null
carpetas >/dev/null
[ "$(cat "$jugador/Tablerix.pal")" = $'CASA\r\nENSEADA\r\nMAR\r' ] ||
  fallo "the player's list $jugador/Tablerix.pal was replaced"
