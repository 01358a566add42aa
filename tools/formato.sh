#!/usr/bin/env bash
# Formats every C++ file with the shipped .clang-format; with --check, only reports.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || {
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y clang-format
}
if [ "${1:-}" = "--check" ]; then
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
else
  git ls-files '*.cpp' '*.h' | xargs clang-format -i
fi
