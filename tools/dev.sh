#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine, builds, and then either
# starts the editor (run) or runs every test (test).
set -euo pipefail
cd "$(dirname "$0")/.."

# The validators, the MIME database tools, `file` (for the package's
# library dependencies) and lintian are for the install and package checks
# among the tests; clang-format and clang-tidy check the sources.
# qt6-l10n-tools (lupdate, lrelease) makes the translations and checks them;
# qt6-translations-l10n holds Qt's own, which the translated windows show.
packages=(build-essential cmake ccache qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
    desktop-file-utils appstream shared-mime-info file dpkg-dev lintian clang-format clang-tidy)
# Level, Test in Game runs the level in DOSBox; no test needs it.
if [ "${1:-run}" = run ]; then packages+=(dosbox); fi
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
case "${1:-run}" in
run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$jobs" --target gridmason
    exec ./build/gridmason
    ;;
test)
    # The builds and tests of CMakePresets.json, warnings as errors.
    # Every source file as .clang-format lays it out.
    find src tools tests \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 clang-format --dry-run --Werror
    cmake --preset build
    cmake --build --preset build -j"$jobs"
    ctest --preset build -j"$jobs"
    # The same tests once more under AddressSanitizer and UBSan.
    cmake --preset build-sanitize
    cmake --build --preset build-sanitize -j"$jobs"
    ctest --preset build-sanitize -j"$jobs"
    ;;
tidy)
    # The checks of .clang-tidy over the program's and the tools' sources
    # (the build writes their moc files and compile commands); a finding
    # fails. About 15 minutes of processor time, so not part of `test`.
    cmake --preset build
    cmake --build --preset build -j"$jobs"
    root=$(printf '%s' "$PWD" | sed 's/[][\.*^$+?(){}|]/\\&/g')
    run-clang-tidy -p build -j"$jobs" -quiet "^$root/(src|tools)/.*\.cpp\$"
    ;;
*)
    echo "usage: tools/dev.sh run|test|tidy" >&2
    exit 2
    ;;
esac
