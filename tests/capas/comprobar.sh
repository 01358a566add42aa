#!/usr/bin/env bash
# Fails on an include that points up the layers, or on Qt below the window.
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
exit $fallos
