#!/usr/bin/env bash
# Builds the Debian package build/tablerix_VERSION_amd64.deb (Release, Debian's
# build flags and layout for games) and checks it as the distribution would:
# lintian, the AppStream metainfo, the desktop entry and the manual page.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev gives dpkg-shlibdeps (the dependencies) and dpkg-buildflags.
tools/dependencias.sh dpkg-dev lintian appstream desktop-file-utils man-db

obra=build/deb
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
lanzador=()
command -v ccache >/dev/null && lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$obra" "${lanzador[@]}" -DCMAKE_BUILD_TYPE=Release -DTABLERIX_PRUEBAS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DTABLERIX_INSTALL_BINDIR=games \
  -DTABLERIX_INSTALL_DATADIR=share/games/tablerix \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$obra" -j"$(nproc)"
rm -f "$obra"/tablerix_*.deb
(cd "$obra" && cpack -G DEB)
paquete=$(ls "$obra"/tablerix_*_*.deb)
cp "$paquete" build/
paquete=build/$(basename "$paquete")

echo "== lintian"
lintian --fail-on error --info -I "$paquete"
contenido=$(mktemp -d)
trap 'rm -rf "$contenido"' EXIT
dpkg-deb -x "$paquete" "$contenido"
echo "== appstreamcli"
appstreamcli validate --pedantic --no-net "$contenido"/usr/share/metainfo/*.metainfo.xml
echo "== desktop-file-validate"
desktop-file-validate "$contenido"/usr/share/applications/tablerix.desktop
echo "== man"
for pagina in "$contenido"/usr/share/man/man6/tablerix.6.gz "$contenido"/usr/share/man/es/man6/tablerix.6.gz; do
  avisos=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$pagina" 2>&1 >/dev/null)
  [ -z "$avisos" ] || { echo "$pagina: $avisos" >&2; exit 1; }
done
echo "$paquete"
