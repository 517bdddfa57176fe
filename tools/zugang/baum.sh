#!/usr/bin/env bash
# The game's accessibility tree as a screen reader reads it, on a private
# session bus with the AT-SPI bus, on an X server (Xvfb unless DISPLAY is
# set) or under QT_QPA_PLATFORM as set:
#   tools/zugang/baum.sh [PROGRAMM]
# Needs dbus, at-spi2-core, python3-pyatspi (and xvfb without DISPLAY).
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
programm=$(realpath "${1:-$hier/../../build/ui/pelu}")
if [ -z "${INNEN:-}" ]; then
    exec env INNEN=1 dbus-run-session -- "$0" "$programm"
fi
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    Xvfb :$((500 + RANDOM % 400)) -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$hier/.anzeige" &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$hier/.anzeige" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$hier/.anzeige")
    rm -f "$hier/.anzeige"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
sleep 1
(cd "$hier/../.." && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$programm") &
pids+=($!)
sleep 2
/usr/bin/python3 "$hier/baum.py" "$(basename "$programm")"
