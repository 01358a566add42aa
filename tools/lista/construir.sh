#!/usr/bin/env bash
# Rebuilds data/Tablerix.pal from Debian's Spanish dictionaries: hunspell-es,
# myspell-es and the word list wspanish.
# Needs the packages hunspell-es, wspanish, hunspell-tools (unmunch) and
# python3; myspell-es conflicts with hunspell-es, so its package is fetched
# with apt-get download and unpacked in a temporary folder.
# Usage: tools/lista/construir.sh [output file]   (default: data/Tablerix.pal)
set -euo pipefail

aqui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
raiz="$(cd "$aqui/../.." && pwd)"
salida="${1:-$raiz/data/Tablerix.pal}"
diccionario=/usr/share/hunspell/es_ES
# The version the shipped list was built from; set MYSPELL_ES to build from another.
myspell_es="${MYSPELL_ES:-1.11-20}"

for paquete in hunspell-es wspanish hunspell-tools python3; do
  if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q "ok installed"; then
    echo "Missing package $paquete (sudo apt-get install $paquete)" >&2
    exit 1
  fi
done

temporal="$(mktemp -d)"
trap 'rm -rf "$temporal"' EXIT
inicio=$SECONDS

# apt warns when its unprivileged user cannot write the folder: show its output
# only when the download fails.
if ! (cd "$temporal" && apt-get download "myspell-es=$myspell_es") >"$temporal/apt.log" 2>&1; then
  cat "$temporal/apt.log" >&2
  echo "Cannot download myspell-es $myspell_es" >&2
  exit 1
fi
dpkg-deb -x "$temporal"/myspell-es_*.deb "$temporal/myspell-es"
echo "Sources: hunspell-es $(dpkg-query -W -f='${Version}' hunspell-es)," \
  "myspell-es $myspell_es, wspanish $(dpkg-query -W -f='${Version}' wspanish)" >&2

python3 "$aqui/preparar.py" "$diccionario.dic" "$diccionario.aff" \
  "$temporal/hunspell.dic" "$temporal/hunspell.aff" --revisar "$aqui/abreviaturas.txt"
python3 "$aqui/preparar.py" "$temporal/myspell-es/usr/share/hunspell/es.dic" \
  "$temporal/myspell-es/usr/share/hunspell/es.aff" "$temporal/myspell.dic" "$temporal/myspell.aff" \
  --fuera "$aqui/abreviaturas.txt" --revisar "$aqui/myspell-sin-tilde.txt"
# unmunch reports every affix line it parses on stderr: keep it out of sight.
for fuente in hunspell myspell; do
  unmunch "$temporal/$fuente.dic" "$temporal/$fuente.aff" >"$temporal/$fuente.formas" 2>"$temporal/unmunch.log"
done
python3 "$aqui/filtrar.py" "$temporal/hunspell.formas" "$temporal/myspell.formas" \
  /usr/share/dict/spanish "$aqui/abreviaturas.txt" >"$temporal/Tablerix.pal"
mv "$temporal/Tablerix.pal" "$salida"

echo "$(wc -l <"$salida") words, $(stat -c %s "$salida") bytes in $salida ($((SECONDS - inicio)) s)" >&2
