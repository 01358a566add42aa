#!/usr/bin/env bash
# Installs the Debian packages Tablerix needs to build, test and run, if any is
# missing, and those named as arguments.
set -euo pipefail
paquetes=(cmake make g++ qt6-base-dev qt6-charts-dev qt6-translations-l10n libgtest-dev libgmock-dev fonts-liberation
  "$@")
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if ((${#faltan[@]})); then
  # sudo drops the environment, so the setting goes through it with env.
  apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
  [ "$(id -u)" -eq 0 ] || apt=(sudo "${apt[@]}")
  "${apt[@]}" update
  "${apt[@]}" install -y "${faltan[@]}"
fi
