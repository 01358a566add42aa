#!/usr/bin/env bash
# Fails on an include that points up the layers, on Qt below the window, or
# on the tile table written again outside wordlist/Alfabeto.h.
# Usage: comprobar.sh SRC_DIR
set -u
src=$1
declare -A permitidas=(
  [wordlist]="wordlist"
  [game]="game wordlist"
  [savegame]="savegame game wordlist"
  [computer]="computer game wordlist"
  [app]="app computer savegame game wordlist"
)
fallos=0
for capa in "${!permitidas[@]}"; do
  while IFS=: read -r archivo linea texto; do
    destino=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$texto")
    if [[ " ${permitidas[$capa]} " != *" $destino "* ]]; then
      echo "$archivo:$linea: $capa may not include $destino"
      fallos=1
    fi
  done < <(grep -rnE '^#include "[^/"]+/' "$src/$capa")
  if grep -rnE '^#include <Q' "$src/$capa"; then
    echo "Qt included outside src/ui"
    fallos=1
  fi
done
# Letter values and bag counts are written only in wordlist/Alfabeto.h.
if grep -rnE '"A1B3|"120204' "$src"; then
  echo "letter values or bag counts outside wordlist/Alfabeto.h"
  fallos=1
fi
exit $fallos
