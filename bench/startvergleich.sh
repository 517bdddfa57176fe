#!/usr/bin/env bash
# Start-up cost of the game against a bare Qt window of the same size:
#   bench/startvergleich.sh [BAUORDNER] [LAEUFE] [SPIEL]
# SPIEL: another build of the game to set beside the bare window (say an
# older one, for a before and after), instead of BAUORDNER/ui/pelu.
# Both programs end after their first picture (the ersterbild plugin). It
# counts instructions with callgrind (one run each) and takes CPU time and
# peak memory from /usr/bin/time -v over LAEUFE alternating runs (median),
# under Xvfb, or on Qt's offscreen platform when Xvfb is missing or
# QT_QPA_PLATFORM is set. A measurement, not a test: it prints, never fails
# on a figure.
set -euo pipefail
quelle=$(cd "$(dirname "$0")/.." && pwd)
bau=$(realpath "${1:-$quelle/build}")
laeufe=${2:-7}
spiel=$(realpath "${3:-$bau/ui/pelu}")
leer=$bau/bench/leeres-fenster
for datei in "$spiel" "$leer" "$bau/bench/generic/libersterbild.so"; do
    [ -e "$datei" ] || { echo "fehlt: $datei (erst bauen)" >&2; exit 1; }
done
command -v valgrind >/dev/null || { echo "valgrind fehlt" >&2; exit 1; }
arbeit=$(mktemp -d)
xpid=
aufraeumen() {
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

if [ -z "${QT_QPA_PLATFORM:-}" ] && command -v Xvfb >/dev/null; then
    nummer=$((90 + RANDOM % 400))
    while [ -e /tmp/.X11-unix/X$nummer ]; do nummer=$((nummer + 1)); done
    Xvfb ":$nummer" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xpid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$nummer ] && break; sleep 0.1; done
    export DISPLAY=:$nummer QT_QPA_PLATFORM=xcb
else
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi
export QT_PLUGIN_PATH=$bau/bench QT_QPA_GENERIC_PLUGINS=ersterbild
echo "Plattform: $QT_QPA_PLATFORM, $laeufe Läufe je Programm"

# The game starts from the project root, where it finds Peludaten.txt.
starten() { (cd "$quelle" && "$@"); }

befehle() {
    local programm=$1
    valgrind --tool=callgrind --callgrind-out-file="$arbeit/cg.out" "$programm" \
        >/dev/null 2>&1 || true
    awk '/^(summary|totals):/ {print $2; exit}' "$arbeit/cg.out"
}

# One run under /usr/bin/time -v: "CPU-Sekunden Spitzen-KiB".
lauf() {
    starten /usr/bin/time -v -o "$arbeit/zeit.txt" "$1" >/dev/null 2>&1 || true
    awk -F': ' '/User time/ {u=$2} /System time/ {s=$2}
        /Maximum resident/ {m=$2} END {printf "%.3f %d\n", u + s, m}' "$arbeit/zeit.txt"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

for programm in spiel leer; do : >"$arbeit/$programm.txt"; done
for _ in $(seq "$laeufe"); do
    lauf "$spiel" >>"$arbeit/spiel.txt"
    lauf "$leer" >>"$arbeit/leer.txt"
done
befehle_spiel=$(starten befehle "$spiel")
befehle_leer=$(starten befehle "$leer")

werte() { cut -d' ' -f"$2" "$arbeit/$1.txt" | median; }
cpu_spiel=$(werte spiel 1) cpu_leer=$(werte leer 1)
kib_spiel=$(werte spiel 2) kib_leer=$(werte leer 2)
awk -v bs="$befehle_spiel" -v bl="$befehle_leer" -v cs="$cpu_spiel" -v cl="$cpu_leer" \
    -v ks="$kib_spiel" -v kl="$kib_leer" 'BEGIN {
    printf "%-22s %14s %14s %8s\n", "", "pelu", "leeres Fenster", "Faktor"
    printf "%-22s %14.1f %14.1f %8.2f\n", "Befehle (Mio.)", bs / 1e6, bl / 1e6, bs / bl
    printf "%-22s %14.3f %14.3f %8.2f\n", "CPU (s, Median)", cs, cl, (cl > 0 ? cs / cl : 0)
    printf "%-22s %14.1f %14.1f %8.2f\n", "Spitzenspeicher (MiB)", ks / 1024, kl / 1024, ks / kl
}'
