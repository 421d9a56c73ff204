#!/usr/bin/env bash
# Sets up what is missing on a Debian 12 machine, builds, then plays or tests.
#   scripts/kabrolux.sh spielen   build and start the game
#   scripts/kabrolux.sh testen    build and run every test
#   scripts/kabrolux.sh kern      build and test the game core alone, as without Qt
#   scripts/kabrolux.sh saniert   build once more with AddressSanitizer and
#                                 UndefinedBehaviorSanitizer and run every test there
set -euo pipefail

wunsch=${1:-spielen}
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau="$wurzel/build"

pakete=(g++ cmake make qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev
        libjpeg62-turbo-dev libgtest-dev
        libbenchmark-dev
        fonts-liberation2 fonts-dejavu-core
        desktop-file-utils appstream shared-mime-info libxml2-utils man-db dpkg-dev file lintian
        python3 ccache)

fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${fehlend[@]}"
fi

# Paths inside the tree are hashed relative to it, so every build folder shares the cache.
export CCACHE_BASEDIR="$wurzel"

bauen() {
    cmake -S "$wurzel" -B "$1" "${@:2}" >/dev/null
    cmake --build "$1" -j"$(nproc)"
}

case "$wunsch" in
    spielen)
        bauen "$bau" -DCMAKE_BUILD_TYPE=Release
        exec "$bau/bin/kabrolux"
        ;;
    testen)
        bauen "$bau" -DCMAKE_BUILD_TYPE=Release
        export QT_QPA_PLATFORM=offscreen
        cd "$bau" && ctest --output-on-failure -j"$(nproc)"
        ;;
    kern)
        kern="$wurzel/build-kern"
        bauen "$kern" -DCMAKE_BUILD_TYPE=Release -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
            -DKABROLUX_BENCH=OFF
        cd "$kern" && ctest --output-on-failure -j"$(nproc)"
        ;;
    saniert)
        # Any finding of either sanitizer ends the test with an error; the library's own
        # assertions also stop an index past the end of a string view or a vector.
        san="$wurzel/build-saniert"
        # Without Debian's hardening: fortified libc calls would slip past AddressSanitizer.
        bauen "$san" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKABROLUX_BENCH=OFF -DKABROLUX_HAERTUNG=OFF \
            "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS" \
            "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
        export QT_QPA_PLATFORM=offscreen
        export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        export LSAN_OPTIONS="suppressions=$wurzel/scripts/lsan.supp:print_suppressions=0"
        cd "$san" && ctest --output-on-failure -j"$(nproc)"
        ;;
    *)
        echo "Aufruf: $0 spielen|testen|kern|saniert" >&2
        exit 2
        ;;
esac
