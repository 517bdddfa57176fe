#!/usr/bin/env bash
# Set-up for a Debian 12 machine: installs what is missing, builds, then
#   ./pelu.sh spielen   starts the game
#   ./pelu.sh testen    runs every test: the normal build's, the same again
#                       under AddressSanitizer and UBSan, then a minute of
#                       fuzzing the data file loader and the network decoder
#   ./pelu.sh paket     builds the Debian package build-paket/pelu-mit-tarro_*.deb
set -euo pipefail
cd "$(dirname "$0")"

PAKETE=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-private-dev libgl1-mesa-dev
        qt6-tools-dev qt6-l10n-tools
        libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dejavu-core)
# Installing and packaging, and the checks of the installed tree and the package.
PAKETE+=(desktop-file-utils appstream dpkg-dev file lintian man-db)
# Only the tests need clang (libFuzzer); installed so that every test run
# fuzzes the loader instead of skipping it unnoticed.
PRUEFPAKETE=(clang libclang-rt-dev)

pakete_installieren() {
    local fehlend=()
    for paket in "$@"; do
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

# Builds into folder $1 with the CMake options that follow.
bauen() {
    local ordner=$1
    shift
    cmake -S . -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$ordner"
}

# Runs the tests of build folder $1, with the ctest options that follow.
pruefen() {
    local ordner=$1
    shift
    (cd "$ordner" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 1200 "$@")
}

# A minute of libFuzzer: half on the loader, from the seed files in tests/,
# at every input length up to twice the shipped data file; half on the
# network message decoder, from seed frames, up to a frame and a bit. The
# build (clang, no window) also shows that the core, pelu-sim and the
# network part compile with clang.
fuzzen() {
    CXX=clang++ bauen build-fuzz -DPELU_FUZZ=ON -DPELU_FENSTER=OFF -DBUILD_TESTING=OFF \
        -DPELU_BENCHMARKS=OFF
    mkdir -p build-fuzz/korpus build-fuzz/korpus-netz
    build-fuzz/fuzz/lader_fuzz -max_total_time=30 -timeout=5 -len_control=0 -max_len=16384 \
        -dict=fuzz/lader_fuzz.dict -artifact_prefix=build-fuzz/ -print_final_stats=1 \
        build-fuzz/korpus tests/fuzz-korpus tests/data/dateien
    build-fuzz/fuzz/netz_fuzz -max_total_time=30 -timeout=5 -max_len=70000 \
        -artifact_prefix=build-fuzz/netz- -print_final_stats=1 \
        build-fuzz/korpus-netz tests/fuzz-netz
}

case "${1:-}" in
spielen)
    pakete_installieren "${PAKETE[@]}"
    bauen build
    exec ./build/ui/pelu
    ;;
testen)
    pakete_installieren "${PAKETE[@]}" "${PRUEFPAKETE[@]}"
    bauen build
    pruefen build
    # The sanitizers slow the build; the benchmarks, the installed tree and
    # the package add nothing to what they check.
    bauen build-san -DPELU_SANITIZE=ON -DPELU_BENCHMARKS=OFF
    pruefen build-san --exclude-regex '^(Installation|Paket)[.]'
    fuzzen
    ;;
paket)
    pakete_installieren "${PAKETE[@]}"
    # Its own build folder: the package needs neither tests nor benchmarks.
    bauen build-paket -DBUILD_TESTING=OFF -DPELU_BENCHMARKS=OFF
    (cd build-paket && cpack -G DEB)
    lintian --fail-on error build-paket/pelu-mit-tarro_*.deb
    ;;
*)
    echo "Aufruf: $0 spielen|testen|paket" >&2
    exit 2
    ;;
esac
