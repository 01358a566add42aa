#!/usr/bin/env bash
# comparar.sh DRIVER SCRIPT EXPECTED: runs SCRIPT in a fresh folder and compares
# the transcript with EXPECTED. A non-zero exit status is part of the transcript
# ("--- exit N" and the error output); times in ms and the folder vary and are
# masked.
# With UPDATE=1 the transcript is written to EXPECTED instead (check it by hand).
set -uo pipefail
driver=$1 guion=$2 esperado=$3
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
"$driver" --folder "$carpeta" "$guion" >"$carpeta/salida" 2>"$carpeta/errores"
estado=$?
{
  sed -E -e 's/[0-9]+\.[0-9]+ ms/N ms/g' -e "s#$carpeta#FOLDER#g" "$carpeta/salida"
  if [ "$estado" -ne 0 ]; then
    echo "--- exit $estado"
    cat "$carpeta/errores"
  fi
} >"$carpeta/obtenido"
if [ "${UPDATE:-0}" = 1 ]; then
  cp "$carpeta/obtenido" "$esperado"
  exit 0
fi
if ! diff -u --label expected --label actual "$esperado" "$carpeta/obtenido"; then
  echo "scenario $(basename "$guion") differs (- expected, + actual)"
  exit 1
fi
