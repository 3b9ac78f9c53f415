#!/usr/bin/env bash
# Builds the Debian package once and checks its name, its dependencies and
# that it holds every expected file under /usr.
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

# Libraries found by dpkg-shlibdeps, and the platform plugins no library names.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
    grep -q "\\b$package\\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; status=1; }
done
exit $status
