#!/usr/bin/env bash
# Installs what is missing, builds the game and launches it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/dependencias.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABLERIX_UI=ON
cmake --build build -j"$(nproc)"
if [ -x build/src/ui/tablerix ]; then
  exec build/src/ui/tablerix
fi
echo "Built, but build/src/ui/tablerix is missing." >&2
exit 1
