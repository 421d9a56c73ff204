#!/usr/bin/env bash
# Sets up what is missing on a Debian 12 machine, builds, then plays or tests.
#   scripts/kabrolux.sh spielen   build and start the game
#   scripts/kabrolux.sh testen    build and run every test
set -euo pipefail

wunsch=${1:-spielen}
wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bau="$wurzel/build"

pakete=(g++ cmake make qt6-base-dev qt6-translations-l10n libgl-dev libjpeg62-turbo-dev libgtest-dev
        libbenchmark-dev
        fonts-liberation2 fonts-dejavu-core
        desktop-file-utils appstream shared-mime-info libxml2-utils man-db dpkg-dev file)

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

cmake -S "$wurzel" -B "$bau" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bau" -j"$(nproc)"

case "$wunsch" in
    spielen)
        exec "$bau/bin/kabrolux"
        ;;
    testen)
        export QT_QPA_PLATFORM=offscreen
        cd "$bau" && ctest --output-on-failure -j"$(nproc)"
        ;;
    *)
        echo "Aufruf: $0 spielen|testen" >&2
        exit 2
        ;;
esac
