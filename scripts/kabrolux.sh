#!/usr/bin/env bash
# Sets up what is missing on a Debian 12 machine, builds, then plays or tests.
#   scripts/kabrolux.sh spielen   build and start the game
#   scripts/kabrolux.sh testen    build and run every test: the game as players get it, then
#                                 once more under AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/kabrolux.sh saniert   only the second half of testen
#   scripts/kabrolux.sh kern      build the game core alone, as a machine without Qt does
set -euo pipefail

wunsch=${1:-spielen}
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau="$wurzel/build"

pakete=(g++ cmake ninja-build ccache qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
        libgl-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
        fonts-liberation2 fonts-dejavu-core
        desktop-file-utils appstream shared-mime-info libxml2-utils man-db dpkg-dev file lintian
        python3)

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    # Through env, for sudo clears the environment it is given.
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
fi

# Paths inside the tree are hashed relative to it, so every build folder shares the cache.
export CCACHE_BASEDIR="$wurzel"
kerne=$(nproc)

bauen() {
    # A folder configured for another generator (Make, before) starts afresh.
    if [ -f "$1/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$1/CMakeCache.txt"; then
        rm -rf "$1/CMakeCache.txt" "$1/CMakeFiles"
    fi
    cmake -G Ninja -S "$wurzel" -B "$1" "${@:2}" >/dev/null
    cmake --build "$1" -j"$kerne"
}

pruefen() {
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$kerne" "${@:2}")
}

# The game as players get it: every test but the random player and the fuzz corpora, which
# find most under the sanitizers.
freigabe() {
    bauen "$bau" -DCMAKE_BUILD_TYPE=Release
    pruefen "$bau" -LE zufall
}

# Any finding of either sanitizer ends a test with an error; the library's own assertions also
# stop an index past the end of a string view or a vector. Built as one unit per target and
# lightly optimised: what is checked is the code, not its speed. The package, its installation,
# the benchmarks and the checks of the source tree ran in the release build.
saniert() {
    local san="$wurzel/build-saniert"
    # Without Debian's hardening: fortified libc calls would slip past AddressSanitizer.
    bauen "$san" -DCMAKE_BUILD_TYPE=Saniert -DCMAKE_UNITY_BUILD=ON -DKABROLUX_BENCH=OFF \
        -DKABROLUX_HAERTUNG=OFF \
        "-DCMAKE_CXX_FLAGS=-O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS" \
        "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
    export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$wurzel/scripts/lsan.supp:print_suppressions=0"
    pruefen "$san" -LE 'paket|leistung|quelle'
}

case "$wunsch" in
    spielen)
        bauen "$bau" -DCMAKE_BUILD_TYPE=Release
        exec "$bau/bin/kabrolux"
        ;;
    testen)
        freigabe
        saniert
        ;;
    saniert)
        saniert
        ;;
    kern)
        # Only built: its tests are the release build's core tests, compiled alike.
        bauen "$wurzel/build-kern" -DCMAKE_BUILD_TYPE=Release -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
            -DKABROLUX_BENCH=OFF
        ;;
    *)
        echo "Aufruf: $0 spielen|testen|saniert|kern" >&2
        exit 2
        ;;
esac
