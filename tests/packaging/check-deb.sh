#!/usr/bin/env bash
# Builds the Debian package once and checks its name, its relations to other
# packages, that it holds every expected file under /usr, and that lintian
# finds no error in it (its warnings are printed).
# usage: check-deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb="$out/gridmason_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
    echo "no package $(basename "$deb"); cpack wrote:"; ls "$out"; exit 1
fi

status=0
dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./||' >"$out/contents.txt"
while read -r file; do
    case "$file" in ''|'#'*) continue ;; esac
    grep -qx "usr/$file" "$out/contents.txt" || { echo "not in the package: usr/$file"; status=1; }
done <"$here/expected-files.txt"

# Depends holds the libraries dpkg-shlibdeps finds and nothing the programs
# do not use: libqt6gui6 brings the X11 platform plugin.
field() { dpkg-deb -f "$deb" "$1"; }
depends=$(field Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "\\b$package\\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; status=1; }
done
grep -q "qt6-qpa-plugins" <<<"$depends" && { echo "Depends names qt6-qpa-plugins: $depends"; status=1; }
[ "$(field Recommends)" = "dosbox, qt6-translations-l10n" ] || { echo "Recommends is not dosbox, qt6-translations-l10n: $(field Recommends)"; status=1; }
[ "$(field Suggests)" = qt6-wayland ] || { echo "Suggests is not qt6-wayland: $(field Suggests)"; status=1; }

# lintian advises against running as root; as root it runs as nobody, who
# must be able to read the package.
lint=(lintian --fail-on error "$deb")
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
    chmod a+rx "$out"
    chmod a+r "$deb"
    lint=(runuser -u nobody -- env HOME=/tmp TMPDIR=/tmp "${lint[@]}")
fi
"${lint[@]}" >"$out/lintian.log" 2>&1 || { echo "lintian found errors:"; status=1; }
cat "$out/lintian.log"
exit $status
