#!/usr/bin/env bash
# Rebuilds data/Tablerix.pal from Debian's Spanish hunspell dictionary.
# Needs the packages hunspell-es and hunspell-tools (unmunch) and python3.
# Usage: tools/lista/construir.sh [output file]   (default: data/Tablerix.pal)
set -euo pipefail

aqui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
raiz="$(cd "$aqui/../.." && pwd)"
salida="${1:-$raiz/data/Tablerix.pal}"
diccionario=/usr/share/hunspell/es_ES

for paquete in hunspell-es hunspell-tools python3; do
  if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q "ok installed"; then
    echo "Missing package $paquete (sudo apt-get install $paquete)" >&2
    exit 1
  fi
done
echo "Source: hunspell-es $(dpkg-query -W -f='${Version}' hunspell-es)" >&2

temporal="$(mktemp -d)"
trap 'rm -rf "$temporal"' EXIT
inicio=$SECONDS

python3 "$aqui/preparar.py" "$diccionario.dic" "$diccionario.aff" \
  "$aqui/abreviaturas.txt" "$temporal/es.dic" "$temporal/es.aff"
# unmunch reports every affix line it parses on stderr: keep it out of sight.
unmunch "$temporal/es.dic" "$temporal/es.aff" >"$temporal/formas" 2>"$temporal/unmunch.log"
python3 "$aqui/filtrar.py" <"$temporal/formas" >"$temporal/Tablerix.pal"
mv "$temporal/Tablerix.pal" "$salida"

echo "$(wc -l <"$salida") words, $(stat -c %s "$salida") bytes in $salida ($((SECONDS - inicio)) s)" >&2
