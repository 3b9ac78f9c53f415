#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there:
# every expected file, a MIME type the MIME database accepts for level
# files in any letter case, a desktop entry and metainfo that name each
# other, this version's release and changelog entry, and an installed
# gridmason-tool that runs.
# usage: check-install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
while read -r file; do
    case "$file" in ''|'#'*) continue ;; esac
    if [ ! -f "$prefix/$file" ]; then
        echo "missing after install: $file"
        status=1
    fi
done <"$here/expected-files.txt"
for program in gridmason gridmason-tool gridmason-tool-draw; do
    [ -x "$prefix/bin/$program" ] || { echo "not executable: bin/$program"; status=1; }
done

# The MIME database builds from our type and types level files by name.
XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>"$prefix/mime.log" || {
    cat "$prefix/mime.log"; status=1; }
if [ -s "$prefix/mime.log" ]; then
    echo "update-mime-database complained:"; cat "$prefix/mime.log"; status=1
fi
for glob in 'level??.ck1' 'level??.ck2' 'level??.ck3'; do
    # A glob without the ":cs" flag matches in any letter case.
    grep -Fqx "50:application/x-gridmason-level:$glob" "$prefix/share/mime/globs2" || {
        echo "no case-insensitive glob $glob for level files"; status=1; }
done

# The metainfo's launchable is the desktop entry, named after the metainfo's
# id, and the entry's TryExec is an installed program: otherwise software
# centres show no application and menus hide the entry.
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ "$launchable" = "$id.desktop" ] || {
    echo "the metainfo's launchable '$launchable' is not its id '$id' + .desktop"; status=1; }
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || {
    echo "the metainfo file $(basename "$metainfo") is not named after its id '$id'"; status=1; }
desktop="$prefix/share/applications/$launchable"
if [ -f "$desktop" ]; then
    tryexec=$(sed -n 's/^TryExec=//p' "$desktop")
    [ -n "$tryexec" ] && [ -x "$prefix/bin/$tryexec" ] || {
        echo "the desktop entry's TryExec '$tryexec' is no installed program"; status=1; }
else
    echo "no installed desktop entry $launchable, which the metainfo launches"; status=1
fi

# The newest release in the metainfo and the changelog is this version.
grep -m1 -o '<release version="[^"]*"' "$metainfo" | grep -qx "<release version=\"$version\"" || {
    echo "the metainfo's newest release is not $version"; status=1; }
newest=$(zcat "$prefix/share/doc/gridmason/changelog.gz" | sed -n 1p)
[[ "$newest" == "gridmason ($version) "* ]] || {
    echo "the changelog's newest entry is not $version: $newest"; status=1; }

# The installed tool runs from the prefix and reads an installed demo level.
"$prefix/bin/gridmason-tool" --help >"$prefix/help.txt" || {
    echo "installed gridmason-tool --help failed"; status=1; }
grep -q '^usage: gridmason-tool' "$prefix/help.txt" || {
    echo "installed gridmason-tool --help printed no usage"; status=1; }
"$prefix/bin/gridmason-tool" info "$prefix/share/gridmason/levels/LEVEL01.CK1" | grep -qx 'episode: 1' || {
    echo "installed gridmason-tool cannot read an installed demo level"; status=1; }
# Drawing runs in gridmason-tool-draw, found beside the installed tool.
"$prefix/bin/gridmason-tool" render "$prefix/share/gridmason/levels/LEVEL01.CK1" \
    -o "$prefix/level.png" --graphics "$prefix/share/gridmason/graphics/keen1" &&
    [ -s "$prefix/level.png" ] || {
    echo "installed gridmason-tool cannot render an installed demo level"; status=1; }
exit $status
