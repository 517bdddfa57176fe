#!/usr/bin/env bash
# Checks of the game as installed, one per call:
#   installation.sh PRUEFUNG BAUORDNER ARBEITSORDNER
# "einrichten" installs the build into ARBEITSORDNER/baum with DESTDIR; the
# other checks work on that tree. Exit 77 (skipped) only when a tool the
# check needs is missing; tell pelu.sh to install it.
set -euo pipefail

pruefung=$1
bau=$(realpath -m "$2")
arbeit=$(realpath -m "$3")
baum=$arbeit/baum
prefix=/usr/local
root=$baum$prefix
ausgabe=$arbeit/paket
quelle=$(cd "$(dirname "$0")/../.." && pwd)
id=org.pelumittarro.pelu
paket=pelu-mit-tarro
symbolgroessen=(16 24 32 48 64 128 256)
mkdir -p "$arbeit"

fehler() {
    echo "FEHLER: $*" >&2
    exit 1
}

braucht() {
    for werkzeug in "$@"; do
        if ! command -v "$werkzeug" >/dev/null; then
            echo "übersprungen: $werkzeug fehlt (./pelu.sh testen installiert es)"
            exit 77
        fi
    done
}

# A fresh empty folder in $leer, removed again when the check ends.
leere=()
trap 'rm -rf "${leere[@]}"' EXIT
neuer_leerer_ordner() {
    leer=$(mktemp -d "$arbeit/leer-XXXXXX")
    leere+=("$leer")
}

einrichten() {
    rm -rf "$baum"
    DESTDIR=$baum "${PELU_CMAKE:-cmake}" --install "$bau" --prefix "$prefix" >/dev/null
}

# The files an install holds below its prefix; the programs in $1.
erwartete_dateien() {
    local dateien=(
        "$1/pelu"
        "$1/pelu-sim"
        share/applications/$id.desktop
        share/doc/$paket/changelog.gz
        share/doc/$paket/copyright
        share/man/de/man6/pelu-sim.6.gz
        share/man/de/man6/pelu.6.gz
        share/man/man6/pelu-sim.6.gz
        share/man/man6/pelu.6.gz
        share/metainfo/$id.metainfo.xml
        share/$paket/Peludaten
    )
    local groesse
    for groesse in "${symbolgroessen[@]}"; do
        dateien+=("share/icons/hicolor/${groesse}x$groesse/apps/$id.png")
    done
    printf '%s\n' "${dateien[@]}" | sort
}

# The files below $1, relative to it.
vorhandene_dateien() {
    (cd "$1" && find . -type f | sed 's|^\./||' | sort)
}

# Every file where it belongs, and nothing else.
baum_pruefen() {
    braucht file
    diff <(erwartete_dateien bin) <(vorhandene_dateien "$root") ||
        fehler "der installierte Baum weicht ab (< erwartet, > installiert)"
    [ -x "$root/bin/pelu" ] && [ -x "$root/bin/pelu-sim" ] || fehler "Programme nicht ausführbar"
    cmp "$root/share/$paket/Peludaten" "$quelle/Peludaten.txt" ||
        fehler "installierte Peludaten.txt ist nicht die des Projekts"
    local groesse
    for groesse in "${symbolgroessen[@]}"; do
        file "$root/share/icons/hicolor/${groesse}x$groesse/apps/$id.png" |
            grep -q "PNG image data, $groesse x $groesse, 8-bit/color RGBA" ||
            fehler "Symbol $groesse ist kein PNG von $groesse x $groesse mit Transparenz"
    done
}

# The man pages, English and German, render without a warning (groff's
# checks, as lintian runs them); `man -L de` finds the German ones.
handbuch_pruefen() {
    braucht man
    local seite warnungen ordner
    for ordner in man6 de/man6; do
        for seite in pelu pelu-sim; do
            seite=$root/share/man/$ordner/$seite.6.gz
            gzip -t "$seite" || fehler "$seite ist kein gzip"
            warnungen=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
                man --warnings -E UTF-8 -l "$seite" 2>&1 >/dev/null)
            [ -z "$warnungen" ] || fehler "$seite: $warnungen"
        done
    done
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/share/man/man6/pelu-sim.6.gz" 2>/dev/null |
        grep -q "turnier" || fehler "pelu-sim.6 nennt turnier nicht"
    local deutsch englisch
    for seite in pelu pelu-sim; do
        deutsch=$(LC_ALL=C.UTF-8 MANWIDTH=80 MANPATH=$root/share/man man -L de "$seite" 2>&1) ||
            fehler "man -L de $seite: $deutsch"
        grep -q "^BESCHREIBUNG" <<<"$deutsch" || fehler "man -L de $seite ist nicht deutsch"
        englisch=$(LC_ALL=C.UTF-8 MANWIDTH=80 MANPATH=$root/share/man man -L en "$seite" 2>&1) ||
            fehler "man -L en $seite: $englisch"
        grep -q "^DESCRIPTION" <<<"$englisch" || fehler "man -L en $seite ist nicht englisch"
    done
}

validieren() {
    braucht desktop-file-validate appstreamcli
    local meldungen
    meldungen=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1) ||
        fehler "desktop-file-validate: $meldungen"
    [ -z "$meldungen" ] || fehler "desktop-file-validate meldet: $meldungen"
    appstreamcli validate --pedantic --no-net "$root/share/metainfo/$id.metainfo.xml" ||
        fehler "appstreamcli validate lehnt die Metadaten ab"
    # English by default, German beside it.
    local eintrag
    for eintrag in "Name\[de\]=" "Comment=Race " "Comment\[de\]=Wettlauf "; do
        grep -q "^$eintrag" "$root/share/applications/$id.desktop" ||
            fehler "Menüeintrag ohne $eintrag"
    done
    # A software centre's page: the project's address and a screenshot, an
    # https URL of a picture the repository holds (under the same path).
    local metadaten=$root/share/metainfo/$id.metainfo.xml bild
    grep -q '<url type="homepage">https://[^<]*</url>' "$metadaten" || fehler "Metadaten ohne Homepage"
    bild=$(sed -n 's|.*<image type="source"[^>]*>https://[^/<]*/\([^<]*[.]png\)</image>.*|\1|p' \
        "$metadaten")
    [ -n "$bild" ] && [ -f "$quelle/$bild" ] || fehler "Metadaten ohne Bildschirmfoto aus dem Projekt: '$bild'"
    file "$quelle/$bild" | grep -q "PNG image data, 701 x 567" || fehler "$bild ist kein Bild des Fensters"
    grep -q '<content_rating type="oars-1.1"' "$metadaten" || fehler "Metadaten ohne Altersfreigabe"
    grep -q '<release version="1.2"' "$metadaten" || fehler "Metadaten ohne Version 1.2"
    grep -q '<summary xml:lang="de">' "$root/share/metainfo/$id.metainfo.xml" &&
        grep -q '<p xml:lang="de">' "$root/share/metainfo/$id.metainfo.xml" ||
        fehler "Metadaten ohne deutsche Texte"
}

# pelu-sim from an empty folder finds the installed data file; a file in the
# working directory wins; a copy of the program without data beside it
# names both places in its message.
sim_pruefen() {
    local aus code=0
    neuer_leerer_ordner
    aus=$(cd "$leer" && "$root/bin/pelu-sim" pruefen 2>"$arbeit/sim.txt") ||
        fehler "pruefen aus leerem Ordner: $?"
    [ "$(wc -l <<<"$aus")" -eq 3 ] || fehler "pruefen gibt aus: $aus"
    grep -q "^taktikdaten: 36 Reihen" <<<"$aus" || fehler "pruefen gibt aus: $aus"
    # It says which file it read: the installed one.
    [ "$(cat "$arbeit/sim.txt")" = "pelu-sim pruefen: geladen aus $root/share/$paket/Peludaten" ] ||
        fehler "pruefen nennt auf stderr: $(cat "$arbeit/sim.txt")"

    printf 'bilddaten:\n' >"$leer/Peludaten.txt"
    if aus=$(cd "$leer" && "$root/bin/pelu-sim" pruefen 2>&1); then
        fehler "eine kaputte Peludaten.txt im aktuellen Ordner wurde übergangen"
    fi
    [[ $aus == 'Peludaten.txt, Abschnitt "bilddaten"'* ]] || fehler "Meldung: $aus"

    local ohne_daten=$leer/ohne/bin
    mkdir -p "$ohne_daten"
    cp "$root/bin/pelu-sim" "$ohne_daten"
    rm "$leer/Peludaten.txt"
    aus=$(cd "$leer" && "$ohne_daten/pelu-sim" pruefen 2>&1) || code=$?
    [ "$code" -eq 1 ] || fehler "ohne Datendatei: Exitcode $code statt 1"
    grep -q "aktuellen Ordner" <<<"$aus" &&
        grep -qF "($leer/ohne/share/$paket/Peludaten)" <<<"$aus" ||
        fehler "die Meldung nennt nicht beide Orte: $aus"
}

# The window started offscreen from folder $1 for a few seconds: its exit
# code (124 when it was still running) and its stderr in $arbeit/fenster.txt.
fenster_starten() {
    local code=0
    (cd "$1" && QT_QPA_PLATFORM=offscreen timeout 4 "$root/bin/pelu" 2>"$arbeit/fenster.txt") ||
        code=$?
    echo "$code"
}

# From an empty folder the window is still running after a few seconds and
# reported no load error (a load error names the file on stderr). A broken
# Peludaten.txt in the folder shows that such an error would be seen.
fenster_pruefen() {
    braucht timeout
    local code
    neuer_leerer_ordner
    code=$(fenster_starten "$leer")
    [ "$code" -eq 124 ] || fehler "pelu endete mit $code: $(cat "$arbeit/fenster.txt")"
    if grep -q "Peludaten.txt" "$arbeit/fenster.txt"; then
        fehler "pelu meldet: $(cat "$arbeit/fenster.txt")"
    fi
    printf 'bilddaten:\n' >"$leer/Peludaten.txt"
    code=$(fenster_starten "$leer")
    grep -q "Peludaten.txt" "$arbeit/fenster.txt" ||
        fehler "ein Ladefehler erscheint nicht auf stderr (Exitcode $code)"
}

# The Debian package, made from the build as `./pelu.sh paket` makes it.
paket_bauen() {
    braucht dpkg-shlibdeps file
    rm -rf "$ausgabe"
    "${PELU_CPACK:-cpack}" --config "$bau/CPackConfig.cmake" -G DEB -B "$ausgabe" >/dev/null ||
        fehler "cpack -G DEB schlug fehl"
}

# The one package file made.
paketdatei() {
    local deb
    deb=$(find "$ausgabe" -maxdepth 1 -name "${paket}_*.deb")
    [ -n "$deb" ] && [ "$(wc -l <<<"$deb")" -eq 1 ] || fehler "kein oder mehr als ein Paket: $deb"
    echo "$deb"
}

# The package's fields and files (programs in /usr/games, as Debian wants
# for section games); the unpacked programs find their data.
paket_pruefen() {
    braucht dpkg-deb file
    local deb
    deb=$(paketdatei)
    feld() { dpkg-deb -f "$deb" "$1"; }
    [ "$(feld Package)" = "$paket" ] || fehler "Package: $(feld Package)"
    [ "$(feld Version)" = 1.2 ] || fehler "Version: $(feld Version)"
    [ "$(feld Section)" = games ] || fehler "Section: $(feld Section)"
    feld Recommends | tr ',' '\n' | grep -q "^ *qt6-wayland\b" ||
        fehler "Recommends ohne qt6-wayland: $(feld Recommends)"
    [[ $(feld Maintainer) =~ ^[^\<]+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fehler "Maintainer: $(feld Maintainer)"
    [ "$(feld Description | wc -l)" -ge 3 ] || fehler "Description ohne lange Beschreibung"
    local abhaengig
    for abhaengig in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
        feld Depends | tr ',' '\n' | grep -q "^ *$abhaengig\b" ||
            fehler "Depends ohne $abhaengig: $(feld Depends)"
    done

    local inhalt=$ausgabe/inhalt
    rm -rf "$inhalt"
    dpkg-deb -x "$deb" "$inhalt"
    diff <(erwartete_dateien games) <(vorhandene_dateien "$inhalt/usr") ||
        fehler "das Paket weicht ab (< erwartet, > im Paket)"
    if file "$inhalt/usr/games/pelu" "$inhalt/usr/games/pelu-sim" | grep -v ", stripped$"; then
        fehler "Programme im Paket nicht gestrippt"
    fi
    grep -qx "Exec=/usr/games/pelu" "$inhalt/usr/share/applications/$id.desktop" ||
        fehler "der Menüeintrag startet nicht /usr/games/pelu"
    neuer_leerer_ordner
    (cd "$leer" && "$inhalt/usr/games/pelu-sim" pruefen >/dev/null) ||
        fehler "pelu-sim aus dem Paket findet seine Datendatei nicht"
}

# lintian, pedantic and with its informational tags, finds nothing but the
# tags listed here (each for its reason):
#   - spelling-error-in-binary Geometrie: pelu-sim's messages are German,
#     lintian's spelling list English ("Geometrie" is right in German).
# In particular no hardening tag: the programs are built with Debian's
# hardening flags (fortify, stack protector, relro, bindnow, PIE).
lintian_erlaubt='^I: [^ ]+ spelling-error-in-binary Geometrie Geometry \['
lintian_pruefen() {
    braucht lintian
    local bericht code=0 marken
    bericht=$(lintian -I --pedantic --fail-on error "$(paketdatei)" 2>&1) || code=$?
    bericht=$(grep -v "root privileges" <<<"$bericht" || true)
    [ -z "$bericht" ] || echo "$bericht"
    [ "$code" -eq 0 ] || fehler "lintian meldet Fehler"
    marken=$(grep -E '^[EWIPX]: ' <<<"$bericht" | grep -vE "$lintian_erlaubt" || true)
    [ -z "$marken" ] || fehler "lintian meldet: $marken"
}

case $pruefung in
einrichten) einrichten ;;
baum) baum_pruefen ;;
handbuch) handbuch_pruefen ;;
validieren) validieren ;;
sim) sim_pruefen ;;
fenster) fenster_pruefen ;;
paketbau) paket_bauen ;;
paket) paket_pruefen ;;
lintian) lintian_pruefen ;;
*) fehler "unbekannte Prüfung $pruefung" ;;
esac
