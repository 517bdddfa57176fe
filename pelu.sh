#!/usr/bin/env bash
# Set-up for a Debian 12 machine: installs what is missing, builds, then
#   ./pelu.sh spielen   starts the game
#   ./pelu.sh testen    runs every test
#   ./pelu.sh paket     builds the Debian package build/pelu-mit-tarro_*.deb
set -euo pipefail
cd "$(dirname "$0")"

PAKETE=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-private-dev libgl1-mesa-dev
        libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dejavu-core)
# Installing and packaging, and the checks of the installed tree and the package.
PAKETE+=(desktop-file-utils appstream dpkg-dev file lintian man-db)

pakete_installieren() {
    local fehlend=()
    for paket in "${PAKETE[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
            fehlend+=("$paket")
        fi
    done
    if [ ${#fehlend[@]} -gt 0 ]; then
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        echo "Installiere: ${fehlend[*]}"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${fehlend[@]}"
    fi
}

bauen() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build
}

case "${1:-}" in
spielen)
    pakete_installieren
    bauen
    exec ./build/ui/pelu
    ;;
testen)
    pakete_installieren
    bauen
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 1200
    ;;
paket)
    pakete_installieren
    bauen
    (cd build && cpack -G DEB)
    lintian --fail-on error build/pelu-mit-tarro_*.deb
    ;;
*)
    echo "Aufruf: $0 spielen|testen|paket" >&2
    exit 2
    ;;
esac
